#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <common/OleColor.h>
#include <common/StdPicture.h>
#include <common/UserControl.h>
#include <memory>
#include <zonecraft/ShapeFigure.h>
#include <zonecraft/zonecraft_export.h>

class PictureBox;
class ZonecraftPrivate;

/// An image-map editor: rectangles, circles and polygons ("figures") drawn
/// over a picture, exchanged with the host as HTML area tags or a separated
/// list, with undo and redo.
///
/// Figures are numbered (ControlIndex, 1 or more) and kept in creation order;
/// the figure created last lies on top. Methods that take an Index treat 0
/// as "the selected figure" unless their documentation says otherwise.
class ZONECRAFT_EXPORT Zonecraft : public UserControl, public ZonecraftFigureKinds
{
    Q_OBJECT
    /// Editing (DesignMode) or hotspot preview (PreviewMode); figures are painted only in
    /// DesignMode. Entering preview keeps the zoom level (and shows 100 % with
    /// ZoomToNormal); returning to design applies the kept level again.
    Q_PROPERTY(
        AppMode ImagemapMode READ ImagemapMode WRITE setImagemapMode NOTIFY ImagemapModeChanged)
    /// Whether mouse positions snap to whole picture pixels.
    Q_PROPERTY(bool AlignToGrid READ AlignToGrid WRITE setAlignToGrid NOTIFY AlignToGridChanged)
    /// The drawing tool; RotatingFigure prepares the selected figure for turning.
    Q_PROPERTY(OperatingMode FigureToDraw READ FigureToDraw WRITE setFigureToDraw NOTIFY
            FigureToDrawChanged)
    /// Figure outline width in pixels, shared by every Zonecraft in the process.
    Q_PROPERTY(qint32 FigureSize READ FigureSize WRITE setFigureSize NOTIFY FigureSizeChanged)
    /// False paints figures invisible (they still answer hit tests); shared by every Zonecraft.
    Q_PROPERTY(bool ShowHotspot READ ShowHotspot WRITE setShowHotspot NOTIFY ShowHotspotChanged)
    /// Figure fill: 0 solid, 1 transparent, 2 to 7 hatches; shared by every Zonecraft.
    Q_PROPERTY(qint16 FillStyle READ FillStyle WRITE setFillStyle NOTIFY FillStyleChanged)
    /// Whether the selected figure shows its handles.
    Q_PROPERTY(bool ShowHandles READ ShowHandles WRITE setShowHandles NOTIFY ShowHandlesChanged)
    /// Colour of the handles of an unlocked figure.
    Q_PROPERTY(
        OLE_COLOR HandleColor READ HandleColor WRITE setHandleColor NOTIFY HandleColorChanged)
    /// Colour of the handles of a locked figure.
    Q_PROPERTY(OLE_COLOR HandleColorLocked READ HandleColorLocked WRITE setHandleColorLocked NOTIFY
            HandleColorLockedChanged)
    /// Whether support lines show while a figure is dragged.
    Q_PROPERTY(bool ShowSupport READ ShowSupport WRITE setShowSupport NOTIFY ShowSupportChanged)
    /// Field separator of the separated (customcode) area list; any text, "|" by default.
    Q_PROPERTY(QString ExtractSeperator READ ExtractSeperator WRITE setExtractSeperator NOTIFY
            ExtractSeperatorChanged)
    /// Fill colour of a new figure created without a colour.
    Q_PROPERTY(OLE_COLOR DrawFigureColor READ DrawFigureColor WRITE setDrawFigureColor NOTIFY
            DrawFigureColorChanged)
    /// Outline colour of every figure.
    Q_PROPERTY(OLE_COLOR ShapeBorderColor READ ShapeBorderColor WRITE setShapeBorderColor NOTIFY
            ShapeBorderColorChanged)
    /// The control's lock-all flag (read-only).
    Q_PROPERTY(bool LockAll READ LockAll)
    /// The picture under the figures. Assigning one (even the same again)
    /// shows it at 100 % and raises ZoomLevelSet(100), leaving ZoomLevel as
    /// it was; assigning the empty picture changes what is shown not at all.
    Q_PROPERTY(StdPicture Picture READ Picture WRITE setPicture NOTIFY PictureChanged)
    /// Start angle of an interactive rotation, in degrees.
    Q_PROPERTY(float StartRotate READ StartRotate WRITE setStartRotate NOTIFY StartRotateChanged)
    /// NotReady while figures are loaded in bulk (no per-figure events); Ready otherwise.
    Q_PROPERTY(UpdateFigActivate FigActivate_Loading READ FigActivate_Loading)
    /// Stored flag only.
    Q_PROPERTY(bool PictureAutoSize READ PictureAutoSize WRITE setPictureAutoSize NOTIFY
            PictureAutoSizeChanged)
    /// Look of the rulers (st_Standard, st_CoolXP); any value is stored.
    /// Setting it restyles both rulers.
    Q_PROPERTY(
        Zel_Style VisualStyle READ VisualStyle WRITE setVisualStyle NOTIFY VisualStyleChanged)
    /// The control's own border (Border_None, Border_FixedSingle).
    Q_PROPERTY(
        BorderStil BorderStyle READ BorderStyle WRITE setBorderStyle NOTIFY BorderStyleChanged)
    /// Pointer number over the work picture while a drawing tool is chosen
    /// and CoolCursor is False.
    Q_PROPERTY(qint16 DrawMousePointer READ DrawMousePointer WRITE setDrawMousePointer NOTIFY
            DrawMousePointerChanged)
    /// Whether the scroll bars show; hiding them gives the viewport the whole control.
    Q_PROPERTY(bool ShowScrollbars READ ShowScrollbars WRITE setShowScrollbars NOTIFY
            ShowScrollbarsChanged)
    /// Pointer number over the work picture in preview mode.
    Q_PROPERTY(qint16 PreviewMousePointer READ PreviewMousePointer WRITE setPreviewMousePointer
            NOTIFY PreviewMousePointerChanged)
    /// The custom pointer (number 99) of preview mode.
    Q_PROPERTY(StdPicture PreviewMouseIcon READ PreviewMouseIcon WRITE setPreviewMouseIcon NOTIFY
            PreviewMouseIconChanged)
    /// Stored flag only.
    Q_PROPERTY(bool RedrawScreen READ RedrawScreen WRITE setRedrawScreen NOTIFY RedrawScreenChanged)
    /// Whether preview mode shows tooltips over the figures.
    Q_PROPERTY(bool PreviewTooltips READ PreviewTooltips WRITE setPreviewTooltips NOTIFY
            PreviewTooltipsChanged)
    /// Back colour of the preview tooltips.
    Q_PROPERTY(OLE_COLOR Tooltips_BackColor READ Tooltips_BackColor WRITE setTooltips_BackColor
            NOTIFY Tooltips_BackColorChanged)
    /// Text colour of the preview tooltips.
    Q_PROPERTY(OLE_COLOR Tooltips_ForeColor READ Tooltips_ForeColor WRITE setTooltips_ForeColor
            NOTIFY Tooltips_ForeColorChanged)
    /// Plain (UseStandard) or balloon (UseBalloon) tooltips; any value is stored.
    Q_PROPERTY(Tool_Style Tooltips_Style READ Tooltips_Style WRITE setTooltips_Style NOTIFY
            Tooltips_StyleChanged)
    /// Background of the tab strip, shared by every Zonecraft in the process.
    Q_PROPERTY(
        OLE_COLOR TabBackColor READ TabBackColor WRITE setTabBackColor NOTIFY TabBackColorChanged)
    /// Border of the tab strip's tabs, shared like TabBackColor.
    Q_PROPERTY(OLE_COLOR TabBorderColor READ TabBorderColor WRITE setTabBorderColor NOTIFY
            TabBorderColorChanged)
    /// Colour of a tab under the mouse, shared like TabBackColor.
    Q_PROPERTY(
        OLE_COLOR TabMouseOver READ TabMouseOver WRITE setTabMouseOver NOTIFY TabMouseOverChanged)
    /// Zoom level in percent (see Zoom); any value is stored and applied,
    /// also the stored one again. The picture shows at ZoomLevel / 100 of
    /// its size, the rulers return to 0 and ZoomLevelSet reports the listed
    /// levels (25 reports 20; 20 itself and unlisted levels report nothing).
    Q_PROPERTY(qint32 ZoomLevel READ ZoomLevel WRITE setZoomLevel NOTIFY ZoomLevelChanged)
    /// Base colour of the rulers' shaded look (VisualStyle st_CoolXP).
    Q_PROPERTY(OLE_COLOR RulerBackColor READ RulerBackColor WRITE setRulerBackColor NOTIFY
            RulerBackColorChanged)
    /// Whether preview shows the picture at 100 %; stored only, not marked changed.
    Q_PROPERTY(bool ZoomToNormal READ ZoomToNormal WRITE setZoomToNormal NOTIFY ZoomToNormalChanged)
    /// Whether the drawing tools show the four custom cursors below.
    Q_PROPERTY(bool CoolCursor READ CoolCursor WRITE setCoolCursor NOTIFY CoolCursorChanged)
    /// Custom cursor of the rotation tool (with CoolCursor).
    Q_PROPERTY(
        StdPicture RotateCursor READ RotateCursor WRITE setRotateCursor NOTIFY RotateCursorChanged)
    /// Custom cursor of the circle tool.
    Q_PROPERTY(StdPicture DrawCircleCursor READ DrawCircleCursor WRITE setDrawCircleCursor NOTIFY
            DrawCircleCursorChanged)
    /// Custom cursor of the polygon tool.
    Q_PROPERTY(StdPicture DrawPolygonCursor READ DrawPolygonCursor WRITE setDrawPolygonCursor NOTIFY
            DrawPolygonCursorChanged)
    /// Custom cursor of the rectangle tool.
    Q_PROPERTY(StdPicture DrawRectCursor READ DrawRectCursor WRITE setDrawRectCursor NOTIFY
            DrawRectCursorChanged)
    /// Whether the rulers show; not persisted (False for a new control, True after loading).
    Q_PROPERTY(bool ShowRulers READ ShowRulers WRITE setShowRulers NOTIFY ShowRulersChanged)
    /// Whether the horizontal scroll bar may be enabled when the picture is
    /// wider than the viewport; False disables it at once. Not persisted.
    Q_PROPERTY(bool EnabledVerticalBar READ EnabledVerticalBar WRITE setEnabledVerticalBar NOTIFY
            EnabledVerticalBarChanged)
    /// The size zoom 100 shows the picture at (the picture's own size after
    /// an assignment); setting it re-applies the last assigned ZoomLevel
    /// unless RepaintArea(False) holds. Not persisted.
    Q_PROPERTY(
        qint32 PictureWidth READ PictureWidth WRITE setPictureWidth NOTIFY PictureWidthChanged)
    /// The height zoom 100 shows the picture at, like PictureWidth.
    Q_PROPERTY(
        qint32 PictureHeight READ PictureHeight WRITE setPictureHeight NOTIFY PictureHeightChanged)
    /// There is no device context under Qt: always 0.
    Q_PROPERTY(qint32 hdc READ hdc)
    /// Number of the selected figure, 0 when none (read-only).
    Q_PROPERTY(
        qint32 m_SelectedObject READ m_SelectedObject NOTIFY m_SelectedObjectChanged USER true)
    /// Number of the figure under the mouse in preview mode, 0 when none (read-only).
    Q_PROPERTY(qint32 m_MouseObject READ m_MouseObject NOTIFY m_MouseObjectChanged)
    /// Preview: False finds the hotspot under the pointer by the editor's rules (the figure
    /// created last wins), True by a browser's rules for map areas (the first in document
    /// order wins; rectangle edges, circle rims and polygon outlines inside).
    Q_PROPERTY(bool BrowserHitRules READ BrowserHitRules WRITE setBrowserHitRules NOTIFY
            BrowserHitRulesChanged)
    /// The drawing tabs: objects offering Selected, Draw() and IsAt(X, Y); a press on the
    /// control's own surface selects the last one whose IsAt accepts the point.
    Q_PROPERTY(QList<QObject*> m_DrawingTabs READ m_DrawingTabs WRITE setm_DrawingTabs NOTIFY
            m_DrawingTabsChanged)
    /// The drawing tab last passed to SelectingTab, or null (read-only).
    Q_PROPERTY(QObject* m_SelectedTab READ m_SelectedTab)

public:
    // DrawFigure (zelrectangle, ZELCIRCLE, zelpolygon) and FigureMode
    // (Nofigure, figrectangle, figcircles, figpolygon) come from
    // ZonecraftFigureKinds, shared with the records.
    /// Area code formats.
    enum UsingCode : qint32 { Serverside = 0, ClientSide = 1, customcode = 2 };
    Q_ENUM(UsingCode)
    /// Drawing tools (FigureToDraw).
    enum OperatingMode : qint32 {
        Pointer = 0,
        DrawingRectangle = 1,
        DrawingCircle = 2,
        DrawingPolygn = 3,
        movingshape = 4,
        RotatingFigure = 5
    };
    Q_ENUM(OperatingMode)
    /// Kinds of history records.
    enum HistoryActions : qint32 {
        Figure_Add = 1,
        Figure_Move = 2,
        Figure_Delete = 3,
        Figure_Convert = 4
    };
    Q_ENUM(HistoryActions)
    /// Which history list to erase.
    enum EraseHistory_Style : qint32 { EraseUndo = 1, EraseRedo = 2, EraseBoth = 3 };
    Q_ENUM(EraseHistory_Style)
    /// FigureHide's choice.
    enum FigureVisible : qint32 { Hide = 0, Show = 1 };
    Q_ENUM(FigureVisible)
    /// The coordinate FigureAdjustSize sets.
    enum FigureCord : qint32 { fig_X1 = 1, fig_Y1 = 2, fig_X2 = 3, fig_Y2 = 4 };
    Q_ENUM(FigureCord)
    /// Editing or preview.
    enum AppMode : qint32 { DesignMode = 1, PreviewMode = 2 };
    Q_ENUM(AppMode)
    /// Zoom levels in percent (Factor025 is 20).
    enum Zoom : qint32 {
        Factor025 = 20,
        Factor050 = 50,
        Factor075 = 75,
        Factor100 = 100,
        Factor200 = 200,
        Factor300 = 300,
        Factor400 = 400,
        Factor500 = 500
    };
    Q_ENUM(Zoom)
    /// Preview tooltip look.
    enum Tool_Style : qint32 { UseStandard = 0, UseBalloon = 1 };
    Q_ENUM(Tool_Style)
    /// Ruler look.
    enum Zel_Style : qint32 { st_Standard = 1, st_CoolXP = 2 };
    Q_ENUM(Zel_Style)
    /// The control's own border.
    enum BorderStil : qint32 { Border_None = 0, Border_FixedSingle = 1 };
    Q_ENUM(BorderStil)
    /// What the mouse is over in preview mode.
    enum MouseArea : qint32 { Area_Picture = 0, area_figure = 1 };
    Q_ENUM(MouseArea)
    /// LoadingStatus's argument.
    enum lstatus : qint32 { Status_Loading = 1, Status_Finished = 2, Status_Error = 3 };
    Q_ENUM(lstatus)
    /// The loading flag.
    enum UpdateFigActivate : qint32 { Ready = 0, NotReady = 1 };
    Q_ENUM(UpdateFigActivate)

    /// A control with no picture and no figures; the host calls InitProperties
    /// or ReadProperties next, as it would for a newly placed or a loaded control.
    explicit Zonecraft(QWidget* parent = nullptr);
    ~Zonecraft() override;

    /// \name Property accessors
    ///@{

    /// The getter or setter of the property of that name, documented with the property.
    AppMode ImagemapMode() const;
    void setImagemapMode(AppMode New_ImagemapMode);
    bool AlignToGrid() const;
    void setAlignToGrid(bool New_AlignToGrid);
    OperatingMode FigureToDraw() const;
    void setFigureToDraw(OperatingMode New_FigureToDraw);
    qint32 FigureSize() const;
    void setFigureSize(qint32 New_FigureSize);
    bool ShowHotspot() const;
    void setShowHotspot(bool New_ShowHotspot);
    qint16 FillStyle() const;
    void setFillStyle(qint16 New_FillStyle);
    bool ShowHandles() const;
    void setShowHandles(bool New_ShowHandles);
    OLE_COLOR HandleColor() const;
    void setHandleColor(OLE_COLOR New_HandleColor);
    OLE_COLOR HandleColorLocked() const;
    void setHandleColorLocked(OLE_COLOR New_HandleColorLocked);
    bool ShowSupport() const;
    void setShowSupport(bool New_ShowSupport);
    QString ExtractSeperator() const;
    void setExtractSeperator(const QString& New_ExtractSeperator);
    OLE_COLOR DrawFigureColor() const;
    void setDrawFigureColor(OLE_COLOR New_DrawFigureColor);
    OLE_COLOR ShapeBorderColor() const;
    void setShapeBorderColor(OLE_COLOR New_ShapeBorderColor);
    bool LockAll() const;
    StdPicture Picture() const;
    void setPicture(const StdPicture& New_Picture);
    float StartRotate() const;
    void setStartRotate(float New_StartRotate);
    UpdateFigActivate FigActivate_Loading() const;
    bool PictureAutoSize() const;
    void setPictureAutoSize(bool New_PictureAutoSize);
    Zel_Style VisualStyle() const;
    void setVisualStyle(Zel_Style New_VisualStyle);
    BorderStil BorderStyle() const;
    void setBorderStyle(BorderStil New_BorderStyle);
    qint16 DrawMousePointer() const;
    void setDrawMousePointer(qint16 New_DrawMousePointer);
    bool ShowScrollbars() const;
    void setShowScrollbars(bool New_ShowScrollbars);
    qint16 PreviewMousePointer() const;
    void setPreviewMousePointer(qint16 New_PreviewMousePointer);
    StdPicture PreviewMouseIcon() const;
    void setPreviewMouseIcon(const StdPicture& New_PreviewMouseIcon);
    bool RedrawScreen() const;
    void setRedrawScreen(bool New_RedrawScreen);
    bool PreviewTooltips() const;
    void setPreviewTooltips(bool New_PreviewTooltips);
    OLE_COLOR Tooltips_BackColor() const;
    void setTooltips_BackColor(OLE_COLOR New_Tooltips_BackColor);
    OLE_COLOR Tooltips_ForeColor() const;
    void setTooltips_ForeColor(OLE_COLOR New_Tooltips_ForeColor);
    Tool_Style Tooltips_Style() const;
    void setTooltips_Style(Tool_Style New_Tooltips_Style);
    OLE_COLOR TabBackColor() const;
    void setTabBackColor(OLE_COLOR New_TabBackColor);
    OLE_COLOR TabBorderColor() const;
    void setTabBorderColor(OLE_COLOR New_TabBorderColor);
    OLE_COLOR TabMouseOver() const;
    void setTabMouseOver(OLE_COLOR New_TabMouseOver);
    qint32 ZoomLevel() const;
    void setZoomLevel(qint32 New_ZoomLevel);
    OLE_COLOR RulerBackColor() const;
    void setRulerBackColor(OLE_COLOR New_RulerBackColor);
    bool ZoomToNormal() const;
    void setZoomToNormal(bool New_ZoomToNormal);
    bool CoolCursor() const;
    void setCoolCursor(bool New_CoolCursor);
    StdPicture RotateCursor() const;
    void setRotateCursor(const StdPicture& New_RotateCursor);
    StdPicture DrawCircleCursor() const;
    void setDrawCircleCursor(const StdPicture& New_DrawCircleCursor);
    StdPicture DrawPolygonCursor() const;
    void setDrawPolygonCursor(const StdPicture& New_DrawPolygonCursor);
    StdPicture DrawRectCursor() const;
    void setDrawRectCursor(const StdPicture& New_DrawRectCursor);
    bool ShowRulers() const;
    void setShowRulers(bool New_ShowRulers);
    bool EnabledVerticalBar() const;
    void setEnabledVerticalBar(bool New_EnabledVerticalBar);
    qint32 PictureWidth() const;
    void setPictureWidth(qint32 New_PictureWidth);
    qint32 PictureHeight() const;
    void setPictureHeight(qint32 New_PictureHeight);
    qint32 hdc() const;
    qint32 m_SelectedObject() const;
    qint32 m_MouseObject() const;
    bool BrowserHitRules() const;
    void setBrowserHitRules(bool New_BrowserHitRules);
    QList<QObject*> m_DrawingTabs() const;
    void setm_DrawingTabs(const QList<QObject*>& New_m_DrawingTabs);
    QObject* m_SelectedTab() const;
    ///@}

    // Persistence (through UserControl::saveProperties and loadProperties)

    /// A newly placed control: every property to its first value.
    void InitProperties() override;
    /// Reads the stored properties into their fields; no setter runs its
    /// side effects, so layout and zoom follow at the next resize or picture.
    void ReadProperties(const PropertyBag& bag) override;
    /// Writes every persisted property; the bag omits values equal to their
    /// stored defaults (a True stored against a default of 1 is always written).
    void WriteProperties(PropertyBag& bag) const override;

    /// The work surface the figures are painted on.
    PictureBox* WorkPicture() const;

    // Figures and painting

    /// Paints every figure (and the selected one's handles) now; with \a
    /// Repaint, or while an import's paint is still due, the persistent
    /// picture is cleared first. Ends any bulk loading.
    Q_INVOKABLE void Redraw(bool Repaint = false);
    /// Number of figures.
    Q_INVOKABLE qint32 CountFigures() const;
    /// The selected figure's number; throws RuntimeError 91 when none is selected.
    Q_INVOKABLE qint32 GetFigureIndex() const;
    /// The selected figure's number, 0 when none.
    Q_INVOKABLE qint32 SelectedIndex() const;

    // View

    /// False holds zooms (ZoomLevel, PictureWidth, PictureHeight) and
    /// ShowRulers back from the screen until True; the values are stored
    /// and ZoomLevelSet is still raised.
    Q_INVOKABLE void RepaintArea(bool Repaint);
    /// Does nothing; kept for hosts that call it.
    Q_INVOKABLE void ResizeWorkArea();
    /// Recomputes the scroll bars and edge marks for the current sizes.
    Q_INVOKABLE void RefreshControl();
    /// The figure under a work-picture point (screen pixels; the figure
    /// created last wins), 0 when none.
    Q_INVOKABLE qint32 FigureAt(float X, float Y) const;
    /// The handle of the selected figure under a work-picture point: 0..7
    /// resize handles clockwise from the top left, 8 move, 9 nothing.
    Q_INVOKABLE qint32 HandleAt(float X, float Y) const;

    // Geometry

    /// Distance between two points.
    Q_INVOKABLE double Distance(double X1, double Y1, double X2, double y2) const;
    /// Snaps a screen coordinate to whole picture pixels at the current zoom;
    /// throws RuntimeError 6 when it does not fit a 32-bit integer.
    Q_INVOKABLE float SnapTo(const QVariant& intX);

    // Area code

    /// Every figure as text: HTML area tags (ClientSide) or separated lines
    /// (customcode); Serverside and other values give "".
    Q_INVOKABLE QString ExportCode(UsingCode ChooseCode) const;
    /// The Key of figure \a Index; "" when there is none.
    Q_INVOKABLE QString ExtractKey(qint32 Index = 0) const;
    /// Always "" (figures carry no identifier).
    Q_INVOKABLE QString ExtractID(qint32 Index = 0) const;
    /// Unrounded coordinates of figure \a my_index; throws RuntimeError 5 when there is none.
    Q_INVOKABLE QString ExtractCordinates(qint32 my_index = 0) const;
    /// "Rectangle", "Circle" or "Polygon"; "" when there is no such figure.
    Q_INVOKABLE QString ExtractFigure(qint32 Index = 0) const;
    /// Box X1,Y1,X2,y2 of the figure at collection position \a Index (0: the
    /// selected figure's number used as the position); "" when there is none.
    Q_INVOKABLE QString SupportCoordinates(qint32 Index = 0) const;

    /// Adds the figures of a separated list (lines ending in "\r\n", fields
    /// coordinates|kind|key|colour|locked). Only customcode is read. Throws
    /// RuntimeError on a bad line; figures already present always stay. The
    /// work picture shows the new figures once the event loop runs (or at
    /// once after Redraw); several imports in a row are painted once.
    Q_INVOKABLE void ImportCode(UsingCode ChooseCode, const QString& CoordsString);
    /// Adds one figure from its coordinates text. An ImportIndex below 1
    /// gives the figure the smallest free number.
    Q_INVOKABLE void ImportFigure(const QString& Coordinates, DrawFigure Figure,
        const QString& Key = {}, const QString& HexColor = {}, bool Locked = false,
        qint32 ImportIndex = 0, bool AddToHistory = false);
    /// Adds a rectangle (box stored as given). HexColor "" takes DrawFigureColor.
    Q_INVOKABLE void DrawNewRectangle(qint32 X1, qint32 Y1, qint32 X2, qint32 y2,
        const QString& Key = {}, const QString& HexColor = {}, bool Locked = false,
        bool ImportFigure = false, bool Imported = false, qint32 ImportIndex = 0,
        bool AddToHistory = false);
    /// Adds a circle of centre (X1, Y1).
    Q_INVOKABLE void DrawNewCircle(qint32 X1, qint32 Y1, qint32 Radius, const QString& Key = {},
        const QString& HexColor = {}, bool Locked = false, bool ImportFigure = false,
        bool Imported = false, qint32 ImportIndex = 0, bool AddToHistory = false);
    /// Adds a polygon from "x1,y1,x2,y2,...".
    Q_INVOKABLE void DrawNewPolygon(const QString& PolygonString, const QString& Key = {},
        const QString& HexColor = {}, bool Locked = false, bool ImportFigure = false,
        bool Imported = false, qint32 ImportIndex = 0, bool AddToHistory = false);

    // Figure operations

    /// Removes figure \a Index (0: the selected one; unknown numbers ignored) and forgets the
    /// selection; no repaint.
    Q_INVOKABLE void RemoveFigure(qint32 Index);
    /// Deletes a figure and records it for undo.
    Q_INVOKABLE void DeleteFigure(qint32 Index = 0);
    /// Copies a figure to the internal clipboard and removes it (Index below 1: the selected one).
    Q_INVOKABLE void FigureCut(qint32 Index = 0);
    /// Creates a rectangle from (X, Y) to the cut rectangle's bottom-right corner; other kinds
    /// paste nothing.
    Q_INVOKABLE void FigurePaste(qint32 X = 0, qint32 Y = 0);
    /// Re-creates a figure from new coordinates text, keeping key, colour and lock.
    Q_INVOKABLE void FigureMove(qint32 Index, const QString& Coordinates);
    /// Turns a rectangle or polygon by \a Degrees (a rectangle becomes a polygon); circles stay.
    /// An angle that is not finite throws RuntimeError 5 and changes nothing.
    Q_INVOKABLE void FigureRotate(float Degrees, qint32 Index = 0, bool UseRedraw = false);
    /// The interactive rotation step of a mouse move at work-picture point (X, Y): acts only
    /// for Button 1 while a rotation is under way, raising RotateAngle with the angle.
    Q_INVOKABLE void RotateFigure(qint16 Button, float X, float Y);
    /// Replaces a figure by one of another kind under the same number.
    Q_INVOKABLE void FigureConvert(DrawFigure NewFigure, qint32 Index = 0);
    /// Sets one coordinate; an inside-out box is refused with ErrorTracer(1005).
    Q_INVOKABLE void FigureAdjustSize(FigureCord CoordinatePoint, qint32 Value, qint32 Index = 0);
    /// Sets a figure's fill colour.
    Q_INVOKABLE void FigureColor(qint32 HexColor, qint32 Index = 0);
    /// Locks or unlocks the selected figure.
    Q_INVOKABLE void FigureLock(bool LockIt);
    /// Sets the Key of the figure at collection position \a Index (0: the selected figure).
    Q_INVOKABLE void SetKey(const QString& Key, qint32 Index = 0);
    /// Hides or shows every figure.
    Q_INVOKABLE void FigureHide(FigureVisible Choice);
    /// Removes every figure.
    Q_INVOKABLE void Clear();
    /// Selects figure \a FigureIndex (0: the selected one again); an unknown number, or 0 with
    /// nothing selected, raises ErrorTracer(1006).
    Q_INVOKABLE void ActivateHotspot(qint32 FigureIndex);
    /// Clears the selection.
    Q_INVOKABLE void PictureGetFocus(bool CallEvent = false);
    /// Reads a polygon's vertex offsets; changes nothing.
    Q_INVOKABLE void ChangePolygonValue(qint32 Index, QObject* Obj = nullptr);

    // Preview

    /// Reports the hotspot under the pointer in preview mode. \a Obj is the figure there (an
    /// object offering Selected and ControlIndex) or null over the bare picture; \a ClickEvent
    /// with \a Button reports a released button. Entering a hotspot from the picture shows
    /// PreviewMousePointer (or PreviewMouseIcon), raises PreviewStatus(area_figure, index)
    /// and then builds the tooltip with the caption in force; moving to another hotspot
    /// raises PreviewStatus and rebuilds the tooltip; leaving restores the default pointer,
    /// raises PreviewStatus(Area_Picture, 0) and removes the tooltip. A click raises
    /// PreviewClick and changes neither pointer nor tooltip.
    Q_INVOKABLE void PreviewObject(QObject* Obj, bool ClickEvent = false, qint16 Button = 0);
    /// The caption of the next tooltip; a tip already shown keeps its own. Give it while
    /// handling PreviewStatus for one caption per hotspot.
    Q_INVOKABLE void Tooltip_Caption(const QString& Text);
    /// Removes the preview tooltip (the work picture's toolTip() becomes empty).
    Q_INVOKABLE void Delete_Tooltip();

    // Tab strip

    /// Adds a tab named \a Name showing \a Caption (and \a Picture), optionally bound to a
    /// host widget \a FormName shown while the tab is current. Its width is the caption's
    /// text width in the control's font plus 15, or 25 with a picture. It shows at the next
    /// RedrawTabs or resize. Tabs cannot be removed.
    Q_INVOKABLE void AddControlTab(const QString& Name, const QString& Caption,
        QWidget* FormName = nullptr, const StdPicture& Picture = {});
    /// Places and shows the tab buttons side by side from the left, in the row of HScroll1.
    Q_INVOKABLE void RedrawTabs();
    /// Gives tab \a IndexItem the selected look and makes it current, without TabClicked.
    /// Throws RuntimeError 340 when there is no such tab button.
    Q_INVOKABLE void SelectTabButton(qint32 IndexItem);
    /// Deselects the selected drawing tab (Selected False, Draw) and selects \a Obj
    /// (Selected True, Draw); \a X and \a Y are not used.
    Q_INVOKABLE void SelectingTab(QObject* Obj, qint16 X = 0, qint16 Y = 0);
    /// Sizes the widgets the host placed inside the control to fill the area above the tabs.
    Q_INVOKABLE void ResizeContainedControls();

    // History

    /// Undoes the last recorded action.
    Q_INVOKABLE void Undo();
    /// Redoes the last undone action.
    Q_INVOKABLE void Redo();
    /// Empties both history lists.
    Q_INVOKABLE void ClearHistory();
    /// Raises HistoryStatus with the current state.
    Q_INVOKABLE void UpdateControl();

Q_SIGNALS:
    /// Undo or redo availability may have changed.
    void HistoryStatus(bool UndoReady, bool RedoReady);
    /// A zoom was applied (ZoomLevel, a new picture, PictureWidth or
    /// PictureHeight): the listed level it shows, 20 for a level of 25.
    void ZoomLevelSet(Zoom Level);
    /// A selected figure is being moved or resized; its box before this step (screen pixels).
    void FigureXY(qint32 X1, qint32 Y1, qint32 X2, qint32 y2);
    /// An add, delete or conversion was undone or redone.
    void HistoryAction(HistoryActions Action, qint32 Index, const ShapeFigure& ShapeInfo);
    /// Preview mode: the pointer entered a hotspot (area_figure, its number) or left the
    /// hotspots for the picture (Area_Picture, 0).
    void PreviewStatus(MouseArea MouseStatus, qint32 Index);
    /// Preview mode: a button was released over a hotspot or the picture.
    void PreviewClick(MouseArea MouseStatus, qint32 Index, qint16 Button);
    /// A figure was locked or unlocked, or selected by ActivateHotspot; tells whether it is
    /// locked.
    void ObjectLock(bool IsLocked);
    /// A figure was selected: its Key and number.
    void GetKey(const QString& Key, qint32 Index);
    /// An interactive rotation step, in whole degrees.
    void RotateAngle(const QVariant& Angle);
    /// Declared for hosts; never raised.
    void LoadingStatus(lstatus Value);
    /// A refused operation: 1005 inside-out box, 1006 unknown figure number.
    void ErrorTracer(qint32 ErrorCode);
    /// A button went up in Pointer mode with no drag under way while a figure is selected.
    void HotspotClick(qint16 Button, qint32 Index, float X, float Y);
    /// A figure was moved, resized, rotated, reshaped or converted.
    void HotspotMoved(const ShapeFigure& ShapeInfo);
    /// A figure became the selected one, or a figure drawn with the mouse is finished.
    void HotspotActivate(const ShapeFigure& ShapeInfo);
    /// Declared for hosts; never raised.
    void HotspotConvert(const ShapeFigure& ShapeInfo);
    /// A press on the bare picture, a cancelled polygon, or the selection dropped
    /// (FigureCut, Clear, PictureGetFocus).
    void PictureClick();
    /// A polygon being drawn was discarded (fewer than three points, or Escape).
    void DrawCancel();
    /// Declared for hosts; never raised.
    void DrawStart(const ShapeFigure& ShapeInfo);
    /// A figure drawn with the mouse is finished.
    void DrawFinished(const ShapeFigure& ShapeInfo);
    /// Whether at least one figure exists, after a figure was added or removed.
    void VisibleObject(bool ObjectInUse);
    /// Drawing started; the rubber band box, in picture pixels.
    void EditingStart(qint32 X1, qint32 Y1, qint32 X2, qint32 y2);
    /// Declared for hosts; never raised.
    void EditingEnd(qint32 X1, qint32 Y1, qint32 X2, qint32 y2);
    /// The band or dragged box, in picture pixels, on every mouse move of a drag.
    void MoveHotspot(qint32 X1, qint32 Y1, qint32 X2, qint32 y2);
    /// A tab was clicked with the left button: raised once per click, with the tab's Name.
    void TabClicked(const QString& Name);
    /// An interactive rotation begins.
    void RotateStart();
    /// An interactive rotation steps.
    void RotateMove();
    /// An interactive rotation ends (also when Escape drops it).
    void RotateFinished();
    /// A drag by the mouse begins: a move, or a resize by a handle (after PointDragStart).
    void MovingStart();
    /// A move or resize by the mouse ends (also when Escape drops it).
    void MovingFinished();
    /// A polygon vertex or a resize handle is grabbed.
    void PointDragStart();
    /// The grabbed vertex or resize handle is released (or the drag dropped by Escape).
    void PointDragFinished();
    /// A polygon's drawing begins (its first point).
    void PointAddStart();
    /// A polygon drawn with the mouse is finished.
    void PointAddEnd();

    /// \name Change notices
    ///@{

    /// Each property's signal is raised once when its value changes, by the
    /// host or by the user (the selected figure through a click, the figure under the mouse in
    /// preview), and not when the value it holds is written again. They come beside the events
    /// above. The settings shared by every Zonecraft notify on the control they were set on.
    void ImagemapModeChanged(AppMode imagemapMode);
    void AlignToGridChanged(bool alignToGrid);
    void FigureToDrawChanged(OperatingMode figureToDraw);
    void FigureSizeChanged(qint32 figureSize);
    void ShowHotspotChanged(bool showHotspot);
    void FillStyleChanged(qint16 fillStyle);
    void ShowHandlesChanged(bool showHandles);
    void HandleColorChanged(OLE_COLOR handleColor);
    void HandleColorLockedChanged(OLE_COLOR handleColorLocked);
    void ShowSupportChanged(bool showSupport);
    void ExtractSeperatorChanged(const QString& extractSeperator);
    void DrawFigureColorChanged(OLE_COLOR drawFigureColor);
    void ShapeBorderColorChanged(OLE_COLOR shapeBorderColor);
    void PictureChanged(const StdPicture& picture);
    void StartRotateChanged(float startRotate);
    void PictureAutoSizeChanged(bool pictureAutoSize);
    void VisualStyleChanged(Zel_Style visualStyle);
    void BorderStyleChanged(BorderStil borderStyle);
    void DrawMousePointerChanged(qint16 drawMousePointer);
    void ShowScrollbarsChanged(bool showScrollbars);
    void PreviewMousePointerChanged(qint16 previewMousePointer);
    void PreviewMouseIconChanged(const StdPicture& previewMouseIcon);
    void RedrawScreenChanged(bool redrawScreen);
    void PreviewTooltipsChanged(bool previewTooltips);
    void Tooltips_BackColorChanged(OLE_COLOR tooltips_BackColor);
    void Tooltips_ForeColorChanged(OLE_COLOR tooltips_ForeColor);
    void Tooltips_StyleChanged(Tool_Style tooltips_Style);
    void TabBackColorChanged(OLE_COLOR tabBackColor);
    void TabBorderColorChanged(OLE_COLOR tabBorderColor);
    void TabMouseOverChanged(OLE_COLOR tabMouseOver);
    void ZoomLevelChanged(qint32 zoomLevel);
    void RulerBackColorChanged(OLE_COLOR rulerBackColor);
    void ZoomToNormalChanged(bool zoomToNormal);
    void CoolCursorChanged(bool coolCursor);
    void RotateCursorChanged(const StdPicture& rotateCursor);
    void DrawCircleCursorChanged(const StdPicture& drawCircleCursor);
    void DrawPolygonCursorChanged(const StdPicture& drawPolygonCursor);
    void DrawRectCursorChanged(const StdPicture& drawRectCursor);
    void ShowRulersChanged(bool showRulers);
    void EnabledVerticalBarChanged(bool enabledVerticalBar);
    void PictureWidthChanged(qint32 pictureWidth);
    void PictureHeightChanged(qint32 pictureHeight);
    void BrowserHitRulesChanged(bool browserHitRules);
    void m_DrawingTabsChanged(const QList<QObject*>& m_DrawingTabs);
    void m_SelectedObjectChanged(qint32 m_SelectedObject);
    void m_MouseObjectChanged(qint32 m_MouseObject);
    ///@}

protected:
    /// Lays the viewport, rulers and scroll bars out for the new size.
    void resizeEvent(QResizeEvent* event) override;
    /// A new palette repaints the work picture, whose handle frames use a
    /// system colour kept on its persistent layer.
    void changeEvent(QEvent* event) override;

private:
    friend class ZonecraftPrivate;
    std::unique_ptr<ZonecraftPrivate> const d;
    Q_DISABLE_COPY(Zonecraft)
};
