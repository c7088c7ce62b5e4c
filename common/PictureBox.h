#pragma once

#include "OleColor.h"
#include "StdFont.h"
#include "StdPicture.h"

#include <QImage>
#include <QPolygon>
#include <QWidget>
#include <common/zelcommon_export.h>
#include <functional>
#include <memory>
#include <optional>

class QPainter;
class PictureBoxPrivate;

/// A drawing surface with a persistent layer and a screen layer.
///
/// With AutoRedraw on, drawing goes to the persistent layer and shows on the
/// screen. With AutoRedraw off, drawing touches only the screen layer: a
/// rubber band drawn twice in not-xor mode vanishes, and a repaint from the
/// persistent layer (Refresh, or Cls with AutoRedraw off) wipes it.
/// Coordinates are pixels. The layers follow the widget's size; content is
/// kept when it grows.
///
/// A surface far larger than any screen can hold only a window of itself
/// (setLayerWindow): the layers then cover that rectangle alone, drawing
/// and reading still use the widget's coordinates, and what scrolls into
/// the window is produced by the background and content painters. Marks
/// drawn with AutoRedraw off are kept only while they stay in the window.
class ZELCOMMON_EXPORT PictureBox : public QWidget
{
    Q_OBJECT
    /// Whether drawing goes to the persistent layer (true) or only to the screen.
    Q_PROPERTY(bool AutoRedraw READ AutoRedraw WRITE setAutoRedraw)
    /// The surface's background colour.
    Q_PROPERTY(OLE_COLOR BackColor READ BackColor WRITE setBackColor)
    /// The colour of lines and text drawn without one of their own.
    Q_PROPERTY(OLE_COLOR ForeColor READ ForeColor WRITE setForeColor)
    /// The colour boxes, circles and polygons are filled with.
    Q_PROPERTY(OLE_COLOR FillColor READ FillColor WRITE setFillColor)
    /// How shapes are filled (FillStyles).
    Q_PROPERTY(qint16 FillStyle READ FillStyle WRITE setFillStyle)
    /// The raster operation of drawing: 13 copy pen, 10 not-xor pen.
    Q_PROPERTY(qint16 DrawMode READ DrawMode WRITE setDrawMode)
    /// The pen's dash pattern (DrawStyles).
    Q_PROPERTY(qint16 DrawStyle READ DrawStyle WRITE setDrawStyle)
    /// The pen's width in pixels.
    Q_PROPERTY(qint16 DrawWidth READ DrawWidth WRITE setDrawWidth)
    /// Where the next Print starts, and where the last Line ended: x.
    Q_PROPERTY(float CurrentX READ CurrentX WRITE setCurrentX)
    /// Where the next Print starts: y.
    Q_PROPERTY(float CurrentY READ CurrentY WRITE setCurrentY)
    /// The pointer number over the surface (99: MouseIcon).
    Q_PROPERTY(qint16 MousePointer READ MousePointer WRITE setMousePointer)
    /// The font Print, TextWidth and TextHeight use.
    Q_PROPERTY(StdFont Font READ Font WRITE setFont)
    /// The background picture (see Picture()).
    Q_PROPERTY(StdPicture Picture READ Picture WRITE setPicture)
    /// The custom pointer of MousePointer 99.
    Q_PROPERTY(StdPicture MouseIcon READ MouseIcon WRITE setMouseIcon)

public:
    /// Draw modes (raster operations) the controls use.
    enum DrawModes : qint16 {
        Blackness = 1,
        Invert = 6,
        XorPen = 7,
        NotXorPen = 10,
        CopyPen = 13,
        Whiteness = 16
    };
    /// Draw styles.
    enum DrawStyles : qint16 {
        Solid = 0,
        Dash = 1,
        Dot = 2,
        DashDot = 3,
        DashDotDot = 4,
        Invisible = 5,
        InsideSolid = 6
    };
    /// Fill styles: 0 solid, 1 transparent, 2 to 7 hatches.
    enum FillStyles : qint16 {
        FillSolid = 0,
        FillTransparent = 1,
        HorizontalLine = 2,
        VerticalLine = 3,
        UpwardDiagonal = 4,
        DownwardDiagonal = 5,
        Cross = 6,
        DiagonalCross = 7,
    };
    /// How Line draws: a line, a box outline, or a filled box (in the line colour).
    enum class LineKind { Line, Box, FilledBox };
    /// What a moved layer window does with the part it still shares with
    /// the old one: keep it, or discard everything because the owner is
    /// about to redraw the whole window anyway.
    enum class WindowChange { Keep, Discard };
    /// Paints \a area (widget coordinates; the painter is set up for them
    /// and clipped to \a area) of the surface.
    using AreaPainter = std::function<void(QPainter& painter, const QRect& area)>;

    /// An empty surface: AutoRedraw off, copy pen, transparent fill.
    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    /// \name Property accessors
    ///@{

    /// The getter or setter of the property of that name.
    bool AutoRedraw() const;
    void setAutoRedraw(bool New_AutoRedraw);
    OLE_COLOR BackColor() const;
    /// Changes the back colour and clears the surface (the host's rule).
    void setBackColor(OLE_COLOR New_BackColor);
    OLE_COLOR ForeColor() const;
    void setForeColor(OLE_COLOR New_ForeColor);
    OLE_COLOR FillColor() const;
    void setFillColor(OLE_COLOR New_FillColor);
    qint16 FillStyle() const;
    void setFillStyle(qint16 New_FillStyle);
    qint16 DrawMode() const;
    void setDrawMode(qint16 New_DrawMode);
    qint16 DrawStyle() const;
    void setDrawStyle(qint16 New_DrawStyle);
    qint16 DrawWidth() const;
    void setDrawWidth(qint16 New_DrawWidth);
    float CurrentX() const;
    void setCurrentX(float New_CurrentX);
    float CurrentY() const;
    void setCurrentY(float New_CurrentY);
    StdFont Font() const;
    void setFont(const StdFont& New_Font);
    /// The background picture, drawn at (0, 0) under everything Cls leaves.
    /// Assigning one clears the drawing, as a new back colour does.
    StdPicture Picture() const;
    void setPicture(const StdPicture& New_Picture);
    qint16 MousePointer() const;
    void setMousePointer(qint16 New_MousePointer);
    StdPicture MouseIcon() const;
    void setMouseIcon(const StdPicture& New_MouseIcon);
    ///@}

    /// Clears the drawing: with AutoRedraw on, the persistent layer returns to
    /// the back colour and picture; with it off, the screen returns to the
    /// persistent layer. CurrentX and CurrentY go to 0.
    void Cls();
    /// Shows the persistent layer on the screen, wiping non-persistent marks.
    void Refresh();
    /// Clears \a area of the persistent layer to the back colour and picture,
    /// as Cls with AutoRedraw on does for the whole layer, and shows it on
    /// the screen; marks on the screen outside \a area stay.
    void clearArea(const QRect& area);

    /// A line, box outline or filled box from (x1, y1) to (x2, y2), both ends
    /// inclusive, in \a color (ForeColor when absent). A box outline is filled
    /// by FillStyle and FillColor. CurrentX/Y move to (x2, y2).
    void Line(float x1, float y1, float x2, float y2, std::optional<OLE_COLOR> color = {},
        LineKind kind = LineKind::Line);
    /// A circle (filled by FillStyle and FillColor).
    void Circle(float x, float y, float radius, std::optional<OLE_COLOR> color = {});
    /// A closed polygon, outlined with the pen and filled with winding fill.
    void Polygon(const QPolygon& points);
    /// One pixel.
    void PSet(float x, float y, std::optional<OLE_COLOR> color = {});
    /// The pixel colour at (x, y) of the screen layer, -1 outside.
    qint32 Point(float x, float y) const;
    /// Text at CurrentX, CurrentY in ForeColor; CurrentY moves to the next line.
    void Print(const QString& text);
    /// The width \a text takes in Font, in pixels.
    qint32 TextWidth(const QString& text) const;
    /// The height \a text takes in Font (one line per line break).
    qint32 TextHeight(const QString& text) const;
    /// Draws \a picture at (x, y), stretched to width x height when they are
    /// positive.
    void PaintPicture(
        const StdPicture& picture, float x, float y, float width = -1, float height = -1);

    /// The layer drawing goes to now (persistent with AutoRedraw on, else the
    /// screen). Use beginPaint/endPaint to draw with a QPainter. The layers
    /// cover layerRect(), which starts at (0, 0) unless a layer window is set.
    QImage& drawingLayer();
    /// The layer AutoRedraw drawing keeps.
    const QImage& persistentLayer() const;
    /// The layer the widget shows.
    const QImage& screenLayer() const;
    /// A painter on the current drawing layer set up with the draw mode, pen
    /// and brush, in widget coordinates; endPaint shows what was drawn.
    std::unique_ptr<QPainter> beginPaint();
    /// Ends a beginPaint and shows \a dirty (everything when empty).
    void endPaint(std::unique_ptr<QPainter> painter, const QRect& dirty = {});

    /// The pen and brush that the current settings give (for own drawing).
    QPen currentPen(std::optional<OLE_COLOR> color = {}) const;
    /// The brush FillStyle and FillColor give.
    QBrush currentBrush() const;

    /// Holds the layers for \a window only (widget coordinates, clipped to
    /// the widget; at least one pixel). Newly covered parts get the
    /// background and then the content painter; with Discard the whole
    /// window gets the background alone.
    void setLayerWindow(const QRect& window, WindowChange change = WindowChange::Keep);
    /// Back to layers that cover the whole widget.
    void clearLayerWindow();
    /// Whether the layers cover a window only.
    bool hasLayerWindow() const;
    /// The widget rectangle the layers cover: the layer pixel (0, 0) is the
    /// widget point layerRect().topLeft().
    QRect layerRect() const;
    /// What Cls returns the persistent layer to; by default the back colour
    /// with the picture at (0, 0).
    void setBackgroundPainter(AreaPainter painter);
    /// The persistent drawing of an area that enters the layer window (or is
    /// read by Point outside it), painted over the background.
    void setContentPainter(AreaPainter painter);

Q_SIGNALS:
    /// Host-style notifications: Button is 1 left, 2 right, 4 middle;
    /// Shift is 1 Shift, 2 Ctrl, 4 Alt.
    void MouseDown(int Button, int Shift, float X, float Y);
    /// The mouse moved over the surface (buttons held in \a Button).
    void MouseMove(int Button, int Shift, float X, float Y);
    /// A mouse button was released.
    void MouseUp(int Button, int Shift, float X, float Y);
    /// A press and release on the surface.
    void Click();
    /// A double click.
    void DblClick();
    /// KeyCode may be set to 0 by a receiver to swallow the key.
    void KeyDown(int& KeyCode, int Shift);
    /// A key was released; KeyCode as for KeyDown.
    void KeyUp(int& KeyCode, int Shift);
    /// A character was typed; 0 swallows it.
    void KeyPress(int& KeyAscii);
    /// The surface took the focus.
    void GotFocus();
    /// The surface lost the focus.
    void LostFocus();
    /// The surface changed size (the layers follow).
    void Resize();
    /// The screen was restored from the persistent layer; redraw marks now.
    /// Raised by Refresh, by Cls with AutoRedraw off, and by a new back colour
    /// or picture.
    void Paint();

protected:
    /// \name Event handlers
    ///@{

    /// Reimplemented from QWidget: paint the screen layer, follow the size, and raise
    /// the host-style mouse, key and focus signals.
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    ///@}

private:
    std::unique_ptr<PictureBoxPrivate> const d;
    Q_DISABLE_COPY(PictureBox)
};
