// The control's stored settings and their persistence.

#include "../goldbutton/TabColors.h"
#include "../view/ZonecraftView.h"
#include "Zonecraft.h"
#include "Zonecraft_p.h"

#include <common/PictureBox.h>
#include <common/PropertyBag.h>

namespace {

QVariant pictureValue(const StdPicture& picture)
{
    return QVariant::fromValue(picture);
}

// Boolean stored defaults are written as the number 1, which a True (-1)
// never equals: a True is always written and a missing key reads True.
const QVariant StoredTrue = qint32(1);

} // namespace

bool Zonecraft::PictureAutoSize() const
{
    return d->shell.pictureAutoSize;
}

void Zonecraft::setPictureAutoSize(bool New_PictureAutoSize)
{
    d->setIfChanged(d->shell.pictureAutoSize, New_PictureAutoSize,
        QStringLiteral("PictureAutoSize"), &Zonecraft::PictureAutoSizeChanged);
}

Zonecraft::Zel_Style Zonecraft::VisualStyle() const
{
    return d->shell.visualStyle;
}

void Zonecraft::setVisualStyle(Zel_Style New_VisualStyle)
{
    if (d->setIfChanged(d->shell.visualStyle, New_VisualStyle, QStringLiteral("VisualStyle"),
            &Zonecraft::VisualStyleChanged))
        d->view->applyRulerStyle();
}

Zonecraft::BorderStil Zonecraft::BorderStyle() const
{
    return d->shell.borderStyle;
}

void Zonecraft::setBorderStyle(BorderStil New_BorderStyle)
{
    d->setIfChanged(d->shell.borderStyle, New_BorderStyle, QStringLiteral("BorderStyle"),
        &Zonecraft::BorderStyleChanged);
}

qint16 Zonecraft::DrawMousePointer() const
{
    return d->shell.drawMousePointer;
}

void Zonecraft::setDrawMousePointer(qint16 New_DrawMousePointer)
{
    if (!d->setIfChanged(d->shell.drawMousePointer, New_DrawMousePointer,
            QStringLiteral("DrawMousePointer"), &Zonecraft::DrawMousePointerChanged))
        return;
    d->applyToolPointer();
}

bool Zonecraft::ShowScrollbars() const
{
    return d->shell.showScrollbars;
}

void Zonecraft::setShowScrollbars(bool New_ShowScrollbars)
{
    if (d->setIfChanged(d->shell.showScrollbars, New_ShowScrollbars,
            QStringLiteral("ShowScrollbars"), &Zonecraft::ShowScrollbarsChanged))
        d->view->layout();
}

qint16 Zonecraft::PreviewMousePointer() const
{
    return d->shell.previewMousePointer;
}

void Zonecraft::setPreviewMousePointer(qint16 New_PreviewMousePointer)
{
    d->setIfChanged(d->shell.previewMousePointer, New_PreviewMousePointer,
        QStringLiteral("PreviewMousePointer"), &Zonecraft::PreviewMousePointerChanged);
}

StdPicture Zonecraft::PreviewMouseIcon() const
{
    return d->shell.previewMouseIcon;
}

void Zonecraft::setPreviewMouseIcon(const StdPicture& New_PreviewMouseIcon)
{
    d->setIfChanged(d->shell.previewMouseIcon, New_PreviewMouseIcon,
        QStringLiteral("PreviewMouseIcon"), &Zonecraft::PreviewMouseIconChanged);
}

bool Zonecraft::RedrawScreen() const
{
    return d->shell.redrawScreen;
}

void Zonecraft::setRedrawScreen(bool New_RedrawScreen)
{
    d->setIfChanged(d->shell.redrawScreen, New_RedrawScreen, QStringLiteral("RedrawScreen"),
        &Zonecraft::RedrawScreenChanged);
}

bool Zonecraft::PreviewTooltips() const
{
    return d->shell.previewTooltips;
}

void Zonecraft::setPreviewTooltips(bool New_PreviewTooltips)
{
    d->setIfChanged(d->shell.previewTooltips, New_PreviewTooltips,
        QStringLiteral("PreviewTooltips"), &Zonecraft::PreviewTooltipsChanged);
}

OLE_COLOR Zonecraft::Tooltips_BackColor() const
{
    return d->shell.tooltipsBackColor;
}

void Zonecraft::setTooltips_BackColor(OLE_COLOR New_Tooltips_BackColor)
{
    d->setIfChanged(d->shell.tooltipsBackColor, New_Tooltips_BackColor,
        QStringLiteral("Tooltips_BackColor"), &Zonecraft::Tooltips_BackColorChanged);
}

OLE_COLOR Zonecraft::Tooltips_ForeColor() const
{
    return d->shell.tooltipsForeColor;
}

void Zonecraft::setTooltips_ForeColor(OLE_COLOR New_Tooltips_ForeColor)
{
    d->setIfChanged(d->shell.tooltipsForeColor, New_Tooltips_ForeColor,
        QStringLiteral("Tooltips_ForeColor"), &Zonecraft::Tooltips_ForeColorChanged);
}

Zonecraft::Tool_Style Zonecraft::Tooltips_Style() const
{
    return d->shell.tooltipsStyle;
}

void Zonecraft::setTooltips_Style(Tool_Style New_Tooltips_Style)
{
    d->setIfChanged(d->shell.tooltipsStyle, New_Tooltips_Style, QStringLiteral("Tooltips_Style"),
        &Zonecraft::Tooltips_StyleChanged);
}

OLE_COLOR Zonecraft::TabBackColor() const
{
    return zc::TabColors::instance().back();
}

void Zonecraft::setTabBackColor(OLE_COLOR New_TabBackColor)
{
    auto& colors = zc::TabColors::instance();
    if (colors.back() == New_TabBackColor)
        return;
    colors.setBack(New_TabBackColor);
    PropertyChanged(QStringLiteral("TabBackColor"));
    Q_EMIT TabBackColorChanged(TabBackColor());
}

OLE_COLOR Zonecraft::TabBorderColor() const
{
    return zc::TabColors::instance().border();
}

void Zonecraft::setTabBorderColor(OLE_COLOR New_TabBorderColor)
{
    auto& colors = zc::TabColors::instance();
    if (colors.border() == New_TabBorderColor)
        return;
    colors.setBorder(New_TabBorderColor);
    PropertyChanged(QStringLiteral("TabBorderColor"));
    Q_EMIT TabBorderColorChanged(TabBorderColor());
}

OLE_COLOR Zonecraft::TabMouseOver() const
{
    return zc::TabColors::instance().mouseOver();
}

void Zonecraft::setTabMouseOver(OLE_COLOR New_TabMouseOver)
{
    auto& colors = zc::TabColors::instance();
    if (colors.mouseOver() == New_TabMouseOver)
        return;
    colors.setMouseOver(New_TabMouseOver);
    PropertyChanged(QStringLiteral("TabMouseOver"));
    Q_EMIT TabMouseOverChanged(TabMouseOver());
}

qint32 Zonecraft::ZoomLevel() const
{
    return d->shell.zoomLevel;
}

void Zonecraft::setZoomLevel(qint32 New_ZoomLevel)
{
    const bool changed
        = d->setIfChanged(d->shell.zoomLevel, New_ZoomLevel, QStringLiteral("ZoomLevel"));
    // Applied even when the level is the stored one: a new picture shows at
    // 100 % while the stored level stays what it was.
    d->view->setZoomLevel(New_ZoomLevel);
    if (changed)
        Q_EMIT ZoomLevelChanged(New_ZoomLevel);
}

OLE_COLOR Zonecraft::RulerBackColor() const
{
    return d->shell.rulerBackColor;
}

void Zonecraft::setRulerBackColor(OLE_COLOR New_RulerBackColor)
{
    if (d->setIfChanged(d->shell.rulerBackColor, New_RulerBackColor,
            QStringLiteral("RulerBackColor"), &Zonecraft::RulerBackColorChanged))
        d->view->applyRulerStyle();
}

bool Zonecraft::ZoomToNormal() const
{
    return d->shell.zoomToNormal;
}

void Zonecraft::setZoomToNormal(bool New_ZoomToNormal)
{
    if (d->shell.zoomToNormal == New_ZoomToNormal)
        return;
    d->shell.zoomToNormal = New_ZoomToNormal;
    Q_EMIT ZoomToNormalChanged(New_ZoomToNormal);
}

bool Zonecraft::CoolCursor() const
{
    return d->shell.coolCursor;
}

void Zonecraft::setCoolCursor(bool New_CoolCursor)
{
    if (!d->setIfChanged(d->shell.coolCursor, New_CoolCursor, QStringLiteral("CoolCursor"),
            &Zonecraft::CoolCursorChanged))
        return;
    d->applyToolPointer();
}

StdPicture Zonecraft::RotateCursor() const
{
    return d->shell.rotateCursor;
}

void Zonecraft::setRotateCursor(const StdPicture& New_RotateCursor)
{
    if (!d->setIfChanged(d->shell.rotateCursor, New_RotateCursor, QStringLiteral("RotateCursor"),
            &Zonecraft::RotateCursorChanged))
        return;
    d->applyToolPointer();
}

StdPicture Zonecraft::DrawCircleCursor() const
{
    return d->shell.drawCircleCursor;
}

void Zonecraft::setDrawCircleCursor(const StdPicture& New_DrawCircleCursor)
{
    if (!d->setIfChanged(d->shell.drawCircleCursor, New_DrawCircleCursor,
            QStringLiteral("DrawCircleCursor"), &Zonecraft::DrawCircleCursorChanged))
        return;
    d->applyToolPointer();
}

StdPicture Zonecraft::DrawPolygonCursor() const
{
    return d->shell.drawPolygonCursor;
}

void Zonecraft::setDrawPolygonCursor(const StdPicture& New_DrawPolygonCursor)
{
    if (!d->setIfChanged(d->shell.drawPolygonCursor, New_DrawPolygonCursor,
            QStringLiteral("DrawPolygonCursor"), &Zonecraft::DrawPolygonCursorChanged))
        return;
    d->applyToolPointer();
}

StdPicture Zonecraft::DrawRectCursor() const
{
    return d->shell.drawRectCursor;
}

void Zonecraft::setDrawRectCursor(const StdPicture& New_DrawRectCursor)
{
    if (!d->setIfChanged(d->shell.drawRectCursor, New_DrawRectCursor,
            QStringLiteral("DrawRectCursor"), &Zonecraft::DrawRectCursorChanged))
        return;
    d->applyToolPointer();
}

bool Zonecraft::ShowRulers() const
{
    return d->shell.showRulers;
}

void Zonecraft::setShowRulers(bool New_ShowRulers)
{
    if (d->setIfChanged(d->shell.showRulers, New_ShowRulers, QStringLiteral("ShowRulers"),
            &Zonecraft::ShowRulersChanged)
        && !d->view->repaintSuppressed())
        d->view->layout();
}

bool Zonecraft::EnabledVerticalBar() const
{
    return d->shell.enabledVerticalBar;
}

void Zonecraft::setEnabledVerticalBar(bool New_EnabledVerticalBar)
{
    const bool changed = d->shell.enabledVerticalBar != New_EnabledVerticalBar;
    d->shell.enabledVerticalBar = New_EnabledVerticalBar;
    if (!New_EnabledVerticalBar)
        d->view->disableHorizontalBar();
    if (changed)
        Q_EMIT EnabledVerticalBarChanged(New_EnabledVerticalBar);
}

qint32 Zonecraft::PictureWidth() const
{
    return d->view->pictureWidth();
}

void Zonecraft::setPictureWidth(qint32 New_PictureWidth)
{
    const qint32 old = PictureWidth();
    d->view->setPictureWidth(New_PictureWidth);
    if (PictureWidth() != old)
        Q_EMIT PictureWidthChanged(PictureWidth());
}

qint32 Zonecraft::PictureHeight() const
{
    return d->view->pictureHeight();
}

void Zonecraft::setPictureHeight(qint32 New_PictureHeight)
{
    const qint32 old = PictureHeight();
    d->view->setPictureHeight(New_PictureHeight);
    if (PictureHeight() != old)
        Q_EMIT PictureHeightChanged(PictureHeight());
}

void Zonecraft::RepaintArea(bool Repaint)
{
    d->view->setRepaintSuppressed(!Repaint);
}

void Zonecraft::ResizeWorkArea() { }

void Zonecraft::RefreshControl()
{
    ResizeWorkArea();
    d->view->updateScrollRanges();
}

qint32 Zonecraft::hdc() const
{
    return 0;
}

qint32 Zonecraft::m_SelectedObject() const
{
    return d->selected ? d->selected->ControlIndex : 0;
}

qint32 Zonecraft::m_MouseObject() const
{
    return d->mouseObject;
}

// ---------------------------------------------------------------------------
// Persistence

void Zonecraft::InitProperties()
{
    // ImagemapMode, ZoomToNormal and ShapeBorderColor keep what they have.
    d->alignToGrid = true;
    d->picture = StdPicture();
    d->view->clearPicture();
    d->lockAll = false;
    d->figureToDraw = Pointer;
    auto& shared = ZonecraftSharedSettings::instance();
    shared.figureSize = 1;
    shared.showHotspot = true;
    shared.fillStyle = 0;
    auto& tabColors = zc::TabColors::instance();
    tabColors.setBack(0);
    tabColors.setBorder(0);
    tabColors.setMouseOver(0);
    d->showHandles = true;
    d->handleColor = 0x00FFFFFF;
    d->handleColorLocked = 0x00FFFFFF;
    d->showSupport = true;
    d->extractSeperator = QStringLiteral("|");
    d->drawFigureColor = 0;
    ShellSettings fresh;
    fresh.visualStyle = st_Standard;
    fresh.borderStyle = d->shell.borderStyle; // as designed
    fresh.zoomToNormal = d->shell.zoomToNormal;
    d->shell = fresh;
    d->applyToolPointer();
    Redraw(true);
}

void Zonecraft::ReadProperties(const PropertyBag& bag)
{
    // Everything is read before anything changes, so a stored value of the
    // wrong type (error 13) leaves the control as it was.
    ShellSettings s = d->shell;
    const auto mode = AppMode(bag.readLong(QStringLiteral("ImagemapMode"), DesignMode));
    const bool alignToGrid = bag.readBoolean(QStringLiteral("AlignToGrid"), true);
    // Kept as an integer whatever number type another writer stored.
    s.workWidth = bag.readLong(QStringLiteral("WorkWidth"), 0);
    const StdPicture picture = bag.readPicture(QStringLiteral("Picture"));
    s.workHeight = bag.readLong(QStringLiteral("WorkHeight"), 0);
    const bool lockAll = bag.readBoolean(QStringLiteral("LockAll"), false);
    s.pictureAutoSize = bag.readBoolean(QStringLiteral("PictureAutoSize"), true);
    const auto tool = OperatingMode(bag.readLong(QStringLiteral("FigureToDraw"), Pointer));
    s.visualStyle = Zel_Style(bag.readLong(QStringLiteral("VisualStyle"), 0));
    s.rulerBackColor = bag.readColor(QStringLiteral("RulerBackCOlor"), 0x00FFFFFF);
    s.zoomToNormal = bag.readBoolean(QStringLiteral("ZoomToNormal"), true);
    const OLE_COLOR shapeBorderColor = bag.readColor(QStringLiteral("ShapeBorderColor"), 0);
    s.coolCursor = bag.readBoolean(QStringLiteral("CoolCursor"), false);
    s.rotateCursor = bag.readPicture(QStringLiteral("RotateCursor"));

    s.borderStyle = BorderStil(bag.readLong(QStringLiteral("BorderStyle"), Border_None));
    const qint32 figureSize = bag.readLong(QStringLiteral("FigureSize"), 1);
    s.drawMousePointer = bag.readInteger(QStringLiteral("DrawMousePointer"), 0);
    const bool showHandles = bag.readBoolean(QStringLiteral("ShowHandles"), true);
    const OLE_COLOR handleColor = bag.readColor(QStringLiteral("HandleColor"), 0x00FFFFFF);
    const OLE_COLOR handleColorLocked
        = bag.readColor(QStringLiteral("HandleColorLocked"), 0x00FFFFFF);
    const bool showHotspot = bag.readBoolean(QStringLiteral("ShowHotspot"), true);
    const qint16 fillStyle = bag.readInteger(QStringLiteral("FillStyle"), 0);
    s.showScrollbars = bag.readBoolean(QStringLiteral("ShowScrollbars"), true);
    const bool showSupport = bag.readBoolean(QStringLiteral("ShowSupport"), true);
    const QString separator
        = bag.readString(QStringLiteral("ExtractSeperator"), QStringLiteral("|"));
    const OLE_COLOR drawFigureColor = bag.readColor(QStringLiteral("DrawFigureColor"), 0);
    s.previewMousePointer = bag.readInteger(QStringLiteral("PreviewMousePointer"), 0);
    s.previewMouseIcon = bag.readPicture(QStringLiteral("PreviewMouseIcon"));
    s.redrawScreen = bag.readBoolean(QStringLiteral("RedrawScreen"), true);
    s.previewTooltips = bag.readBoolean(QStringLiteral("PreviewTooltips"), false);
    s.tooltipsBackColor = bag.readColor(QStringLiteral("Tooltips_BackColor"), 0x80000018);
    s.tooltipsForeColor = bag.readColor(QStringLiteral("Tooltips_ForeColor"), 0x80000017);
    s.tooltipsStyle = Tool_Style(bag.readLong(QStringLiteral("Tooltips_Style"), UseStandard));
    const OLE_COLOR tabBack = bag.readColor(QStringLiteral("TabBackColor"), 0);
    const OLE_COLOR tabBorder = bag.readColor(QStringLiteral("TabBorderColor"), 0);
    const OLE_COLOR tabOver = bag.readColor(QStringLiteral("TabMouseOver"), 0);
    s.zoomLevel = bag.readLong(QStringLiteral("ZoomLevel"), 0);
    s.drawCircleCursor = bag.readPicture(QStringLiteral("DrawCircleCursor"));
    s.drawPolygonCursor = bag.readPicture(QStringLiteral("DrawPolygonCursor"));
    s.drawRectCursor = bag.readPicture(QStringLiteral("DrawRectCursor"));

    d->imagemapMode = mode;
    d->alignToGrid = alignToGrid;
    d->picture = picture;
    d->lockAll = lockAll;
    d->figureToDraw = tool;
    d->shapeBorderColor = shapeBorderColor;
    auto& shared = ZonecraftSharedSettings::instance();
    shared.figureSize = figureSize;
    shared.showHotspot = showHotspot;
    shared.fillStyle = fillStyle;
    auto& tabColors = zc::TabColors::instance();
    tabColors.setBack(tabBack);
    tabColors.setBorder(tabBorder);
    tabColors.setMouseOver(tabOver);
    d->showHandles = showHandles;
    d->handleColor = handleColor;
    d->handleColorLocked = handleColorLocked;
    d->showSupport = showSupport;
    d->extractSeperator = separator;
    d->drawFigureColor = drawFigureColor;
    s.showRulers = true;
    d->shell = s;
    d->handlePointers = { 8, 7, 6, 9, 8, 7, 6, 9, 5, 1 };
    Q_EMIT VisibleObject(!d->figures.isEmpty());
    // The stored picture shows at once, at 100 % and without events; the
    // layout follows at the next resize.
    d->view->loadPicture(picture);
    d->applyToolPointer();
    Redraw(true);
}

void Zonecraft::WriteProperties(PropertyBag& bag) const
{
    const ShellSettings& s = d->shell;
    const ShellSettings def;
    const auto& shared = ZonecraftSharedSettings::instance();
    bag.WriteProperty(QStringLiteral("ImagemapMode"), qint32(d->imagemapMode), 1);
    bag.WriteProperty(QStringLiteral("AlignToGrid"), d->alignToGrid, StoredTrue);
    bag.WriteProperty(QStringLiteral("WorkWidth"), s.workWidth, 0);
    bag.WriteProperty(QStringLiteral("CoolCursor"), s.coolCursor, 0);
    bag.WriteProperty(QStringLiteral("Picture"), pictureValue(d->picture));
    bag.WriteProperty(QStringLiteral("WorkHeight"), s.workHeight, 0);
    bag.WriteProperty(QStringLiteral("LockAll"), d->lockAll, false);
    bag.WriteProperty(QStringLiteral("RotateCursor"), pictureValue(s.rotateCursor));
    bag.WriteProperty(QStringLiteral("PictureAutoSize"), s.pictureAutoSize, StoredTrue);
    bag.WriteProperty(QStringLiteral("FigureToDraw"), qint32(d->figureToDraw), 0);
    bag.WriteProperty(QStringLiteral("VisualStyle"), qint32(s.visualStyle), 0);
    bag.WriteProperty(QStringLiteral("BorderStyle"), qint32(s.borderStyle), 0);
    bag.WriteProperty(QStringLiteral("FigureSize"), shared.figureSize, 1);
    bag.WriteProperty(QStringLiteral("DrawMousePointer"), s.drawMousePointer, 0);
    bag.WriteProperty(QStringLiteral("ShowHandles"), d->showHandles, StoredTrue);
    bag.writeColor(QStringLiteral("HandleColor"), d->handleColor, 0x00FFFFFF);
    bag.writeColor(QStringLiteral("HandleColorLocked"), d->handleColorLocked, 0x00FFFFFF);
    bag.WriteProperty(QStringLiteral("ShowHotspot"), shared.showHotspot, StoredTrue);
    bag.WriteProperty(QStringLiteral("FillStyle"), shared.fillStyle, 0);
    bag.WriteProperty(QStringLiteral("ShowScrollbars"), s.showScrollbars, StoredTrue);
    bag.WriteProperty(QStringLiteral("ShowSupport"), d->showSupport, StoredTrue);
    bag.WriteProperty(QStringLiteral("ExtractSeperator"), d->extractSeperator, QStringLiteral("|"));
    bag.writeColor(QStringLiteral("DrawFigureColor"), d->drawFigureColor, 0);
    bag.WriteProperty(QStringLiteral("PreviewMousePointer"), s.previewMousePointer, 0);
    bag.WriteProperty(QStringLiteral("PreviewMouseIcon"), pictureValue(s.previewMouseIcon));
    bag.WriteProperty(QStringLiteral("RedrawScreen"), s.redrawScreen, StoredTrue);
    bag.WriteProperty(QStringLiteral("PreviewTooltips"), s.previewTooltips, 0);
    bag.writeColor(
        QStringLiteral("Tooltips_BackColor"), s.tooltipsBackColor, def.tooltipsBackColor);
    bag.writeColor(
        QStringLiteral("Tooltips_ForeColor"), s.tooltipsForeColor, def.tooltipsForeColor);
    bag.WriteProperty(QStringLiteral("Tooltips_Style"), qint32(s.tooltipsStyle), 0);
    const auto& tabColors = zc::TabColors::instance();
    bag.writeColor(QStringLiteral("TabBackColor"), tabColors.back(), 0);
    bag.writeColor(QStringLiteral("TabBorderColor"), tabColors.border(), 0);
    bag.writeColor(QStringLiteral("TabMouseOver"), tabColors.mouseOver(), 0);
    bag.WriteProperty(QStringLiteral("ZoomLevel"), s.zoomLevel, QStringLiteral("0"));
    bag.writeColor(QStringLiteral("RulerBackColor"), s.rulerBackColor, 0x00FFFFFF);
    bag.WriteProperty(QStringLiteral("ZoomToNormal"), s.zoomToNormal, true);
    bag.writeColor(QStringLiteral("ShapeBorderColor"), d->shapeBorderColor, 0);
    bag.WriteProperty(QStringLiteral("DrawCircleCursor"), pictureValue(s.drawCircleCursor));
    bag.WriteProperty(QStringLiteral("DrawPolygonCursor"), pictureValue(s.drawPolygonCursor));
    bag.WriteProperty(QStringLiteral("DrawRectCursor"), pictureValue(s.drawRectCursor));
}

void ZonecraftPrivate::applyToolPointer()
{
    const ShellSettings& s = shell;
    const StdPicture* custom = nullptr;
    switch (figureToDraw) {
    case Zonecraft::DrawingRectangle:
        custom = &s.drawRectCursor;
        break;
    case Zonecraft::DrawingCircle:
        custom = &s.drawCircleCursor;
        break;
    case Zonecraft::DrawingPolygn:
        custom = &s.drawPolygonCursor;
        break;
    case Zonecraft::RotatingFigure:
        custom = &s.rotateCursor;
        break;
    default:
        // The pointer tool starts from the default; hovering shows a handle's pointer.
        workPicture->setMousePointer(0);
        return;
    }
    if (s.coolCursor) {
        workPicture->setMouseIcon(*custom);
        workPicture->setMousePointer(99);
    } else {
        workPicture->setMousePointer(s.drawMousePointer);
    }
}
