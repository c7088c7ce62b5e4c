#include "PreviewController.h"

#include "../figures/HitRules.h"
#include "../graphics/CTooltip.h"
#include "../graphics/CTooltipWindow.h"
#include "FigureObject.h"
#include "PreviewFocusRing.h"
#include "Zonecraft_p.h"

#include <QEvent>
#include <QKeyEvent>
#include <common/MousePointer.h>
#include <common/OleColor.h>
#include <common/PictureBox.h>

namespace zc {

namespace {

constexpr OLE_COLOR TipBackColor = 0x80000018; // the platform's tip background
constexpr OLE_COLOR TipTextColor = 0x00000000; // black
constexpr qint16 LeftButton = 1;

// Tips are written in black; on a dark tip background (a dark palette) black
// would not read, and the palette's tip text colour is used instead.
OLE_COLOR tipTextColor()
{
    const QColor back = Zel::toQColor(TipBackColor, Qt::white);
    return back.lightness() < 128 ? CTooltip::SystemToolTipForeColor() : TipTextColor;
}

qint32 controlIndexOf(const QObject* obj)
{
    return obj ? obj->property("ControlIndex").toInt() : 0;
}

} // namespace

PreviewController::PreviewController(ZonecraftPrivate& d)
    : d(d)
    , m_tooltip(std::make_unique<CTooltip>())
{
    d.workPicture->installEventFilter(this);
}

PreviewController::~PreviewController() = default;

bool PreviewController::inPreview() const
{
    return d.imagemapMode == Zonecraft::PreviewMode;
}

// ---------------------------------------------------------------------------
// Figures as objects

FigureObject* PreviewController::figureObject(qint32 number)
{
    if (!d.figures.contains(number))
        return nullptr;
    auto& object = m_objects[number];
    if (!object)
        object = std::make_unique<FigureObject>(d.figures, number);
    return object.get();
}

QObject* PreviewController::objectAt(QPointF workPos)
{
    const double zoom = d.zoomFactor();
    if (zoom <= 0)
        return nullptr;
    const Figure* figure = hotspotAt(
        d.figures, workPos / zoom, m_browserHitRules ? HitRules::Browser : HitRules::Control);
    return figure ? figureObject(figure->ControlIndex) : nullptr;
}

void PreviewController::mouseMoved(QPointF workPos)
{
    d.q->PreviewObject(objectAt(workPos), false, 0);
}

void PreviewController::mouseReleased(QPointF workPos, qint16 button)
{
    d.q->PreviewObject(objectAt(workPos), true, button);
}

qint32 PreviewController::hoveredIndex() const
{
    return m_overFigure ? controlIndexOf(m_hovered) : 0;
}

// ---------------------------------------------------------------------------
// Hover and click

void PreviewController::previewObject(QObject* obj, bool clickEvent, qint16 button)
{
    const bool wasOver = m_overFigure;
    qint32 previousIndex = 0;
    if (m_hovered) {
        m_hovered->setProperty("Selected", false);
        m_overFigure = false;
        previousIndex = controlIndexOf(m_hovered);
    } else {
        // The hovered object was the host's and is gone.
        m_overFigure = false;
    }

    m_hovered = obj;
    if (obj) {
        obj->setProperty("Selected", true);
        m_overFigure = true;
    }
    d.setMouseObject(hoveredIndex());

    if (!obj) {
        if (clickEvent) {
            Q_EMIT d.q->PreviewClick(Zonecraft::Area_Picture, 0, button);
        } else if (wasOver) {
            setPointer(Zel::PointerDefault);
            Q_EMIT d.q->PreviewStatus(Zonecraft::Area_Picture, 0);
            deleteTooltip();
        }
        return;
    }

    const qint32 index = controlIndexOf(obj);
    if (clickEvent) {
        Q_EMIT d.q->PreviewClick(Zonecraft::area_figure, index, button);
        return;
    }
    if (index == previousIndex)
        return; // the same hotspot: nothing to report
    if (!wasOver) {
        const StdPicture& icon = d.shell.previewMouseIcon;
        if (icon.isNull()) {
            setPointer(d.shell.previewMousePointer);
        } else {
            d.workPicture->setMouseIcon(icon);
            setPointer(Zel::PointerCustom);
        }
    }
    // Raised before the tip is built, so a caption the host gives while
    // handling it is the one shown.
    Q_EMIT d.q->PreviewStatus(Zonecraft::area_figure, index);
    showTooltip();
}

void PreviewController::setPointer(qint16 pointer)
{
    // The property takes any number; one the work picture cannot show
    // leaves the default pointer rather than failing in a mouse handler.
    d.workPicture->setMousePointer(
        Zel::isValidMousePointer(pointer) ? pointer : qint16(Zel::PointerDefault));
}

// ---------------------------------------------------------------------------
// Tooltip

void PreviewController::showTooltip()
{
    // The previous tip goes with its object.
    m_tooltip = std::make_unique<CTooltip>();
    m_tooltip->setHwndParentControl(d.workPicture);
    m_tooltip->setText(m_caption);
    m_tooltip->setStyle(d.shell.tooltipsStyle == Zonecraft::UseStandard ? CTooltip::Rectangular
                                                                        : CTooltip::Balloon);
    m_tooltip->setCentered(false);
    m_tooltip->setBackColor(TipBackColor);
    m_tooltip->setForeColor(tipTextColor());
    m_tooltip->Create();
    d.workPicture->setToolTip(m_caption);
}

void PreviewController::deleteTooltip()
{
    m_tooltip = std::make_unique<CTooltip>();
    m_tooltip->Delete_TooltipFunction();
    d.workPicture->setToolTip(QString());
}

// ---------------------------------------------------------------------------
// Mode

void PreviewController::leavePreview()
{
    if (m_hovered)
        m_hovered->setProperty("Selected", false);
    m_hovered = nullptr;
    m_overFigure = false;
    d.setMouseObject(0);
    setFocused(0);
    deleteTooltip();
    // The editing selection keeps its flag.
    if (d.selected)
        d.selected->Selected = true;
}

// ---------------------------------------------------------------------------
// Keyboard

bool PreviewController::moveFocus(int steps)
{
    const auto& order = d.figures.figures();
    const int count = int(order.size());
    // Positions 0..count-1; from no ring, Tab starts before the first and
    // Shift+Tab after the last.
    const Figure* focused = d.figures.find(m_focusedIndex);
    int position = focused ? d.figures.positionOf(focused) - 1 : (steps > 0 ? -1 : count);
    position += steps;
    if (position < 0 || position >= count) {
        setFocused(0);
        return false;
    }
    setFocused(order[size_t(position)]->ControlIndex);
    return true;
}

void PreviewController::setFocused(qint32 number)
{
    const Figure* figure = d.figures.find(number);
    m_focusedIndex = figure ? number : 0;
    if (!figure) {
        if (m_focusRing)
            m_focusRing->hide();
        return;
    }
    if (!m_focusRing)
        m_focusRing = std::make_unique<PreviewFocusRing>(d.workPicture);
    m_focusRing->outline(*figure, d.zoomFactor());
    m_focusRing->show();
    m_focusRing->raise();
}

bool PreviewController::keyPressed(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Tab:
        if (event->modifiers() & Qt::ShiftModifier)
            return moveFocus(-1);
        return moveFocus(1);
    case Qt::Key_Backtab:
        return moveFocus(-1);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!d.figures.contains(m_focusedIndex))
            return false;
        // Enter follows the focused link as a left click would.
        Q_EMIT d.q->PreviewClick(Zonecraft::area_figure, m_focusedIndex, LeftButton);
        return true;
    default:
        return false;
    }
}

bool PreviewController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != d.workPicture)
        return false;
    switch (event->type()) {
    case QEvent::ToolTip:
        // While a preview tip exists it does the showing; the work
        // picture's tip text only tells what it shows.
        return m_tooltip->tipWindow() != nullptr;
    case QEvent::KeyPress:
        return inPreview() && keyPressed(static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn: {
        // Tabbing into the map focuses its first hotspot, Shift+Tab its last.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (inPreview() && m_focusedIndex == 0 && reason == Qt::TabFocusReason)
            moveFocus(1);
        else if (inPreview() && m_focusedIndex == 0 && reason == Qt::BacktabFocusReason)
            moveFocus(-1);
        return false;
    }
    case QEvent::FocusOut:
        setFocused(0);
        return false;
    case QEvent::Resize:
        // A new zoom moves the outline with the picture.
        if (m_focusedIndex != 0)
            setFocused(m_focusedIndex);
        return false;
    default:
        return false;
    }
}

} // namespace zc
