#include "ZonecraftView.h"

#include "../control/Zonecraft_p.h"
#include "../figures/NumberFormat.h"
#include "../ruler/Zel_AreaScroller.h"
#include "ViewLayout.h"

#include <QPainter>
#include <QRegion>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <common/LineControl.h>
#include <limits>

namespace zc {

namespace {

constexpr OLE_COLOR SeparatorColor = 0x80000010; // the button shadow colour
constexpr OLE_COLOR EdgeMarkColor = 0x808080;
constexpr OLE_COLOR RulerBackground = 0xFFFFFF;
constexpr OLE_COLOR RulerMarks = 0x000000;

/// \a value / \a factor rounded to a Long (halves to even); 0 when the
/// factor gives no number, so a zoom of 0 still scrolls.
qint32 pictureCoordinate(int value, double factor)
{
    const double v = std::nearbyint(double(value) / factor);
    if (!std::isfinite(v))
        return 0;
    constexpr double Lowest = std::numeric_limits<qint32>::min();
    constexpr double Highest = std::numeric_limits<qint32>::max();
    return qint32(std::clamp(v, Lowest, Highest));
}

QScrollBar* makeBar(Qt::Orientation orientation, const char* name, QWidget* parent)
{
    auto* bar = new QScrollBar(orientation, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(0, 0);
    return bar;
}

LineControl* makeLine(const char* name, OLE_COLOR color, QWidget* parent)
{
    auto* line = new LineControl(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setBorderColor(color);
    return line;
}

Zel_AreaScroller* makeRuler(const char* name, qint32 orientation, QWidget* parent)
{
    auto* ruler = new Zel_AreaScroller(parent);
    ruler->setObjectName(QString::fromLatin1(name));
    ruler->resize(ZonecraftView::ScrollBarThickness, ZonecraftView::ScrollBarThickness);
    ruler->setBackColor(RulerBackground);
    // The rulers are white under any palette; marks in the palette's button
    // text would vanish on them under a dark one.
    ruler->setForeColor(RulerMarks);
    ruler->setOrientation(orientation);
    ruler->setZoomValue(1);
    ruler->hide();
    return ruler;
}

} // namespace

std::optional<qint32> reportedZoomLevel(qint32 level)
{
    switch (level) {
    case 25:
        return 20;
    case 50:
    case 75:
    case 100:
    case 200:
    case 300:
    case 400:
    case 500:
        return level;
    default:
        return std::nullopt;
    }
}

ZonecraftView::ZonecraftView(ZonecraftPrivate& d)
    : d(d)
{
    Zonecraft* q = d.q;
    const int T = ScrollBarThickness;
    m_hRuler = makeRuler("Zel_HRuler", 0, q);
    m_vRuler = makeRuler("Zel_VRuler", 1, q);
    m_vBar = makeBar(Qt::Vertical, "VScroll1", q);
    m_vBar->resize(T, T);
    m_hBar = makeBar(Qt::Horizontal, "HScroll1", q);
    m_hBar->resize(T, T);
    m_separator = makeLine("Line1", SeparatorColor, q);
    m_bottomEdge = makeLine("Line2", EdgeMarkColor, d.picture3);
    m_rightEdge = makeLine("Line3", EdgeMarkColor, d.picture3);
    // The rulers take the control's look as it is at creation.
    applyRulerStyle();

    // Both the thumb being dragged and a step or page change arrive here.
    connect(m_hBar, &QScrollBar::valueChanged, this,
        [this](int value) { scrolled(Qt::Horizontal, value); });
    connect(m_vBar, &QScrollBar::valueChanged, this,
        [this](int value) { scrolled(Qt::Vertical, value); });

    PictureBox* work = d.workPicture;
    work->setBackgroundPainter(
        [this](QPainter& painter, const QRect& area) { paintBackground(painter, area); });
    work->setContentPainter(
        [this](QPainter& painter, const QRect& area) { paintContent(painter, area); });
    updateLayerWindow(PictureBox::WindowChange::Discard);
}

ZonecraftView::~ZonecraftView()
{
    // The work picture outlives the view by a moment while the control dies.
    d.workPicture->setBackgroundPainter({});
    d.workPicture->setContentPainter({});
}

// ---------------------------------------------------------------------------
// Layout

void ZonecraftView::layout()
{
    Zonecraft* q = d.q;
    const QRect inner = q->contentsRect();
    ViewLayoutInput in;
    in.inner = inner.size();
    in.thickness = ScrollBarThickness;
    in.rulerHeight = m_hRuler->height();
    in.verticalBarWidth = m_vBar->width();
    in.tabStripWidth = d.tabStripWidth;
    in.showScrollbars = d.shell.showScrollbars;
    in.showRulers = d.shell.showRulers;
    const ViewLayout placed = layoutView(in);
    const QPoint at = inner.topLeft();

    if (placed.scrollbarsPlaced) {
        m_vBar->setGeometry(placed.verticalBar.translated(at));
        m_hBar->setGeometry(placed.horizontalBar.translated(at));
        m_separator->setEnds(placed.separator.p1() + at, placed.separator.p2() + at);
    }
    if (placed.rulersPlaced) {
        m_hRuler->setGeometry(placed.horizontalRuler.translated(at));
        m_vRuler->setGeometry(placed.verticalRuler.translated(at));
    }
    m_hRuler->setVisible(placed.rulersVisible);
    m_vRuler->setVisible(placed.rulersVisible);
    d.picture3->setGeometry(placed.viewport.translated(at));
    m_vBar->setVisible(placed.scrollbarsVisible);
    m_hBar->setVisible(placed.scrollbarsVisible);

    updateScrollRanges();
    updateLayerWindow(PictureBox::WindowChange::Keep);
}

void ZonecraftView::layoutIfPending()
{
    if (d.q->testAttribute(Qt::WA_PendingResizeEvent))
        layout();
}

void ZonecraftView::updateScrollRanges()
{
    PictureBox* work = d.workPicture;
    const int H = work->height();
    const int W = work->width();
    if (!hasPicture() || !d.shell.showScrollbars)
        return;
    const QSize viewport = d.picture3->size();
    const bool verticalNeeded = viewport.height() < H;
    const bool horizontalNeeded = viewport.width() < W;
    // A bar that is no longer needed also returns to 0, so a picture that
    // now fits is not left scrolled out of reach.
    m_vBar->setValue(0);
    m_vBar->setEnabled(verticalNeeded);
    m_hBar->setValue(0);
    m_hBar->setEnabled(horizontalNeeded && d.shell.enabledVerticalBar);
    if (verticalNeeded) {
        m_vBar->setMaximum(std::abs(H - viewport.height()));
        m_vBar->setPageStep(H / 5);
        m_vBar->setSingleStep(H / 20);
    }
    if (horizontalNeeded) {
        m_hBar->setMaximum(std::abs(W - viewport.width()));
        m_hBar->setPageStep(W / 5);
        m_hBar->setSingleStep(W / 20);
    }
    d.picture3->Cls();

    if (horizontalNeeded || W < 2) {
        m_rightEdge->hide();
    } else {
        m_rightEdge->setEnds(QPoint(W, 0), QPoint(W, H));
        m_rightEdge->show();
    }
    if (verticalNeeded || H < 2) {
        m_bottomEdge->hide();
    } else {
        m_bottomEdge->setEnds(QPoint(0, H), QPoint(W + 1, H));
        m_bottomEdge->show();
    }
    work->setVisible(H > 1 || W > 1);
}

// ---------------------------------------------------------------------------
// Scrolling

void ZonecraftView::scrolled(Qt::Orientation orientation, int value)
{
    PictureBox* work = d.workPicture;
    const double factor = d.zoomFactor();
    if (orientation == Qt::Horizontal) {
        work->move(-value, work->y());
        if (factor != 0)
            m_hRuler->setStartValue(pictureCoordinate(value, factor));
    } else {
        work->move(work->x(), -value);
        if (factor != 0)
            m_vRuler->setStartValue(pictureCoordinate(value, factor));
    }
    if (!m_zooming)
        updateLayerWindow(PictureBox::WindowChange::Keep);
}

QRect ZonecraftView::visibleWindow() const
{
    const PictureBox* work = d.workPicture;
    const QRect own(QPoint(0, 0), work->size());
    return own.intersected(QRect(-work->pos(), d.picture3->size()));
}

void ZonecraftView::updateLayerWindow(PictureBox::WindowChange change)
{
    d.workPicture->setLayerWindow(visibleWindow(), change);
}

// ---------------------------------------------------------------------------
// Zoom

void ZonecraftView::setZoomLevel(qint32 level)
{
    m_hRuler->setStartValue(0);
    m_vRuler->setStartValue(0);
    m_lastZoomLevel = level;
    applyZoom(level);
}

void ZonecraftView::applyZoom(qint32 level)
{
    if (const std::optional<qint32> reported = reportedZoomLevel(level))
        Q_EMIT d.q->ZoomLevelSet(Zonecraft::Zoom(*reported));
    if (m_repaintSuppressed || !hasPicture())
        return;
    layoutIfPending();
    showAtZoom(level);
    updateScrollRanges();
    m_zooming = false;
    updateLayerWindow(PictureBox::WindowChange::Discard);
    d.q->Redraw(true);
}

void ZonecraftView::showAtZoom(qint32 level)
{
    m_zooming = true;
    PictureBox* work = d.workPicture;
    work->move(0, 0);
    const double factor = level / 100.0;
    d.zoom = factor;
    m_hRuler->setZoomValue(factor);
    m_vRuler->setZoomValue(factor);
    // Only the size: the zoomed picture is made window by window.
    m_surface.SizeForZoom(work, level);
    if (d.selected)
        d.setFigureFocus(d.selected);
}

void ZonecraftView::assignPicture(const StdPicture& picture)
{
    d.workPicture->move(0, 0);
    m_surface.CreateFromStdPicture(picture);
    applyZoom(100);
    m_workSize = d.workPicture->size();
    m_hRuler->setAreaWidth(m_workSize.width());
    m_vRuler->setAreaHeight(m_workSize.height());
}

void ZonecraftView::loadPicture(const StdPicture& picture)
{
    if (m_surface.CreateFromStdPicture(picture) == 0) {
        clearPicture();
        return;
    }
    showAtZoom(100);
    m_zooming = false;
    m_workSize = d.workPicture->size();
    m_hRuler->setAreaWidth(m_workSize.width());
    m_vRuler->setAreaHeight(m_workSize.height());
    updateScrollRanges();
    updateLayerWindow(PictureBox::WindowChange::Discard);
}

void ZonecraftView::clearPicture()
{
    m_surface.Destroy();
    m_surface.setSetImageWidth(0);
    m_surface.setSetImageHeight(0);
    m_workSize = QSize();
    d.workPicture->move(0, 0);
    d.workPicture->resize(0, 0);
    updateLayerWindow(PictureBox::WindowChange::Discard);
}

void ZonecraftView::setPictureWidth(qint32 width)
{
    m_surface.setSetImageWidth(width);
    if (!m_repaintSuppressed)
        applyZoom(m_lastZoomLevel);
}

void ZonecraftView::setPictureHeight(qint32 height)
{
    m_surface.setSetImageHeight(height);
    if (!m_repaintSuppressed)
        applyZoom(m_lastZoomLevel);
}

// ---------------------------------------------------------------------------
// Rulers and scroll bars

void ZonecraftView::applyRulerStyle()
{
    for (Zel_AreaScroller* ruler : { m_hRuler, m_vRuler }) {
        ruler->setVisualStyle(qint32(d.shell.visualStyle));
        ruler->setVisualColor(d.shell.rulerBackColor);
        ruler->Refresh();
    }
}

void ZonecraftView::disableHorizontalBar()
{
    m_hBar->setEnabled(false);
}

// ---------------------------------------------------------------------------
// The work surface's window

void ZonecraftView::paintBackground(QPainter& painter, const QRect& area) const
{
    const QSize zoomed(m_surface.Area_Width(), m_surface.Area_Height());
    const QRect inside = hasPicture() ? area.intersected(QRect(QPoint(0, 0), zoomed)) : QRect();
    const QColor back = Zel::toQColor(d.workPicture->BackColor(), Qt::black);
    for (const QRect& r : QRegion(area).subtracted(QRegion(inside)))
        painter.fillRect(r, back);
    if (inside.isEmpty())
        return;
    // A layer is painted with a plain shift: the zoomed pixels go straight
    // into it, sparing a window-sized image and a copy on every scroll.
    const QTransform& shift = painter.deviceTransform();
    QPaintDevice* device = painter.device();
    if (device && device->devType() == QInternal::Image
        && shift.type() <= QTransform::TxTranslate) {
        auto* layer = static_cast<QImage*>(device);
        if (layer->format() == QImage::Format_RGB32) {
            const QPoint at = shift.map(inside.topLeft());
            m_surface.zoomWindowInto(*layer, at, zoomed, inside);
            return;
        }
    }
    painter.drawImage(inside.topLeft(), m_surface.zoomedWindow(zoomed, inside));
}

void ZonecraftView::paintContent(QPainter& painter, const QRect& area) const
{
    paintFigures(painter, area);
}

void ZonecraftView::paintFigures(QPainter& painter, const QRect& area) const
{
    PictureRepainter(d.pictureScene()).paint(painter, area);
}

} // namespace zc
