#include "PictureBox.h"

#include "Drawing.h"
#include "EventGuard.h"
#include "HostInput.h"
#include "MousePointer.h"
#include "RuntimeError.h"

#include <QBitmap>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRegion>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Classic dash lengths in pixels for draw styles 1 to 4.
const QList<qreal> DashPattern { 18, 6 };
const QList<qreal> DotPattern { 3, 3 };
const QList<qreal> DashDotPattern { 9, 6, 3, 6 };
const QList<qreal> DashDotDotPattern { 9, 3, 3, 3, 3, 3 };

// Coordinates arrive as floats; halves go to the even neighbour. Values far
// outside any surface are held to a range whose arithmetic cannot overflow,
// and a value that is no number counts as 0.
int px(float v)
{
    constexpr float Limit = 1 << 22;
    if (!std::isfinite(v))
        return std::isnan(v) ? 0 : (v > 0 ? int(Limit) : -int(Limit));
    return int(std::lrint(std::clamp(v, -Limit, Limit)));
}

QPainter::CompositionMode compositionFor(qint16 drawMode)
{
    switch (drawMode) {
    case 1:
        return QPainter::RasterOp_ClearDestination;
    case 2:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case 3:
        return QPainter::RasterOp_NotSourceAndDestination;
    case 4:
        return QPainter::RasterOp_NotSource;
    case 5:
        return QPainter::RasterOp_SourceAndNotDestination;
    case 6:
        return QPainter::RasterOp_NotDestination;
    case 7:
        return QPainter::RasterOp_SourceXorDestination;
    case 8:
        return QPainter::RasterOp_NotSourceOrNotDestination;
    case 9:
        return QPainter::RasterOp_SourceAndDestination;
    case 10:
        return QPainter::RasterOp_NotSourceXorDestination;
    case 11:
        return QPainter::CompositionMode_Destination;
    case 12:
        return QPainter::RasterOp_NotSourceOrDestination;
    case 14:
        return QPainter::RasterOp_SourceOrNotDestination;
    case 15:
        return QPainter::RasterOp_SourceOrDestination;
    case 16:
        return QPainter::RasterOp_SetDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

// The raster operation of a draw mode on one RGB value (pen P, destination D).
quint32 rasterOp(qint16 drawMode, quint32 P, quint32 D)
{
    switch (drawMode) {
    case 1:
        return 0;
    case 2:
        return ~(P | D);
    case 3:
        return ~P & D;
    case 4:
        return ~P;
    case 5:
        return P & ~D;
    case 6:
        return ~D;
    case 7:
        return P ^ D;
    case 8:
        return ~(P & D);
    case 9:
        return P & D;
    case 10:
        return ~(P ^ D);
    case 11:
        return D;
    case 12:
        return ~P | D;
    case 14:
        return P | ~D;
    case 15:
        return P | D;
    case 16:
        return 0xFFFFFF;
    default:
        return P;
    }
}

// Applies a raster operation to the pixels of \a strip directly. Qt's raster
// operations cost some tens of microseconds per call whatever the size; a
// rubber band redrawn on every mouse move is made of such strips.
void rasterOpFill(QImage& image, const QRect& strip, qint16 drawMode, QRgb pen)
{
    const QRect r = strip.intersected(image.rect());
    const quint32 p = pen & 0xFFFFFF;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x)
            line[x] = 0xFF000000u | (rasterOp(drawMode, p, line[x] & 0xFFFFFF) & 0xFFFFFF);
    }
}

// Copies \a rect of \a from into \a to (both RGB32 and at least that large).
void copyRect(QImage& to, const QImage& from, const QRect& rect)
{
    const QRect r = rect.intersected(to.rect()).intersected(from.rect());
    if (r.isEmpty())
        return;
    const size_t bytes = size_t(r.width()) * 4;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        std::memcpy(to.scanLine(y) + r.left() * 4, from.constScanLine(y) + r.left() * 4, bytes);
    }
}

void checkRange(qint16 value, int low, int high)
{
    if (value < low || value > high)
        throw RuntimeError(RuntimeError::InvalidPropertyValue);
}

} // namespace

class PictureBoxPrivate
{
public:
    explicit PictureBoxPrivate(PictureBox* q)
        : q(q)
    { }

    PictureBox* const q;
    QImage persistent;
    QImage screen;
    bool autoRedraw = false;
    OLE_COLOR backColor = Zel::ButtonFaceColor;
    OLE_COLOR foreColor = Zel::ButtonTextColor;
    OLE_COLOR fillColor = 0;
    qint16 fillStyle = PictureBox::FillTransparent;
    qint16 drawMode = PictureBox::CopyPen;
    qint16 drawStyle = PictureBox::Solid;
    qint16 drawWidth = 1;
    float currentX = 0;
    float currentY = 0;
    StdFont font;
    StdPicture picture;
    qint16 mousePointer = Zel::PointerDefault;
    StdPicture mouseIcon;
    bool pressedInside = false;
    bool suppressClick = false;
    bool notifyingPaint = false;
    // A layer window: the layers hold only `window` (clipped to the widget)
    // and their pixel (0, 0) is the widget point `origin`.
    bool windowed = false;
    QRect window;
    QPoint origin;
    PictureBox::AreaPainter backgroundPainter;
    PictureBox::AreaPainter contentPainter;

    // Raises Paint. A receiver that clears or refreshes from its Paint
    // handler would otherwise raise Paint again without end.
    void notifyPaint()
    {
        if (notifyingPaint)
            return;
        notifyingPaint = true;
        Zel::guardEvent("PictureBox", [this] { Q_EMIT q->Paint(); });
        notifyingPaint = false;
    }

    QImage& target() { return autoRedraw ? persistent : screen; }
    QRect layerRect() const { return QRect(origin, persistent.size()); }

    // What Cls leaves over \a area (widget coordinates) of \a image, whose
    // pixel (0, 0) is the widget point \a at.
    void paintBackground(QImage& image, QPoint at, const QRect& area) const
    {
        QPainter p(&image);
        p.translate(-at);
        p.setClipRect(area);
        if (backgroundPainter) {
            backgroundPainter(p, area);
            return;
        }
        p.fillRect(area, Zel::toQColor(backColor, Qt::black));
        if (picture.isNull())
            return;
        // Only the part under the area: a small clear of a large picture
        // stays small.
        const QImage shown = picture.image();
        const QRect source = area.intersected(shown.rect());
        if (!source.isEmpty())
            p.drawImage(source.topLeft(), shown, source);
    }

    // The back colour with the picture on top, over \a area (widget
    // coordinates) of the persistent layer.
    void clearPersistent(const QRect& area) { paintBackground(persistent, origin, area); }

    // Background and persistent drawing of \a area, as the layers would
    // hold it there.
    void paintExposed(QImage& image, QPoint at, const QRect& area) const
    {
        paintBackground(image, at, area);
        if (!contentPainter)
            return;
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.translate(-at);
        p.setClipRect(area);
        contentPainter(p, area);
    }

    QRect wantedWindow() const
    {
        // Layers of at least one pixel, as for a surface of no size.
        const QRect inside = window.intersected(q->rect());
        return inside.isEmpty() ? QRect(0, 0, 1, 1) : inside;
    }

    // Moves the layers to \a want. What both windows share is kept (with
    // Keep); the rest is produced afresh. Layers of the same size are
    // reused in place, so scrolling allocates nothing. Returns the widget
    // area whose pixels were produced: the only part that looks different.
    QRegion moveWindow(const QRect& want, PictureBox::WindowChange change)
    {
        const QRect old = layerRect();
        const bool keep = change == PictureBox::WindowChange::Keep
            && persistent.format() == QImage::Format_RGB32 && screen.size() == persistent.size();
        const QRect shared = keep ? want.intersected(old) : QRect();
        if (persistent.size() == want.size() && screen.size() == want.size()
            && persistent.format() == QImage::Format_RGB32
            && screen.format() == QImage::Format_RGB32) {
            origin = want.topLeft();
            if (!shared.isEmpty()) {
                shiftInPlace(persistent, shared, old.topLeft());
                shiftInPlace(screen, shared, old.topLeft());
            }
        } else {
            const QImage oldPersistent = persistent;
            const QImage oldScreen = screen;
            persistent = QImage(want.size(), QImage::Format_RGB32);
            screen = QImage(want.size(), QImage::Format_RGB32);
            origin = want.topLeft();
            if (!shared.isEmpty()) {
                copyShifted(persistent, oldPersistent, shared, old.topLeft());
                copyShifted(screen, oldScreen, shared, old.topLeft());
            }
        }
        if (shared.isEmpty()) {
            if (keep)
                paintExposed(persistent, origin, want);
            else
                clearPersistent(want);
            copyRect(screen, persistent, screen.rect());
            return QRegion(want);
        }
        const QRegion exposed = QRegion(want).subtracted(QRegion(shared));
        for (const QRect& r : exposed) {
            paintExposed(persistent, origin, r);
            copyRect(screen, persistent, r.translated(-origin));
        }
        return exposed;
    }

    // Moves the widget rectangle \a area of \a layer, which held it while
    // its pixel (0, 0) was the widget point \a fromOrigin, to where the
    // current origin puts it. Rows are taken in the order that never
    // overwrites one still to be moved.
    void shiftInPlace(QImage& layer, const QRect& area, QPoint fromOrigin) const
    {
        const QPoint shift = fromOrigin - origin;
        if (shift.isNull())
            return;
        const size_t bytes = size_t(area.width()) * 4;
        const int fromX = area.left() - fromOrigin.x();
        const int toX = area.left() - origin.x();
        uchar* bits = layer.bits();
        const qsizetype stride = layer.bytesPerLine();
        const auto moveRow = [&](int y) {
            std::memmove(bits + (y - origin.y()) * stride + toX * 4,
                bits + (y - fromOrigin.y()) * stride + fromX * 4, bytes);
        };
        if (shift.y() <= 0) {
            for (int y = area.top(); y <= area.bottom(); ++y)
                moveRow(y);
        } else {
            for (int y = area.bottom(); y >= area.top(); --y)
                moveRow(y);
        }
    }

    // Copies the widget rectangle \a area from \a from (whose pixel (0, 0)
    // is the widget point \a fromOrigin) into the same place of \a to.
    void copyShifted(QImage& to, const QImage& from, const QRect& area, QPoint fromOrigin) const
    {
        const size_t bytes = size_t(area.width()) * 4;
        for (int y = area.top(); y <= area.bottom(); ++y)
            std::memcpy(to.scanLine(y - origin.y()) + (area.left() - origin.x()) * 4,
                from.constScanLine(y - fromOrigin.y()) + (area.left() - fromOrigin.x()) * 4, bytes);
    }

    // A caller may have assigned another image through drawingLayer().
    static void normalize(QImage& layer)
    {
        if (layer.format() == QImage::Format_RGB32)
            return;
        const bool convertible = layer.depth() >= 16 || layer.colorCount() > 0;
        layer = convertible ? layer.convertToFormat(QImage::Format_RGB32) : QImage();
    }

    // Layers follow the widget and never shrink, so content survives a
    // shrink-then-grow; new area shows the back colour and picture.
    void ensureSize()
    {
        normalize(persistent);
        normalize(screen);
        if (windowed) {
            const QRect want = wantedWindow();
            if (want != layerRect() || screen.size() != persistent.size())
                moveWindow(want, PictureBox::WindowChange::Keep);
            return;
        }
        origin = QPoint(0, 0);
        const QSize want = q->size().expandedTo(QSize(1, 1));
        const QSize have = persistent.size().boundedTo(screen.size());
        if (have.width() >= want.width() && have.height() >= want.height())
            return;
        const QSize grown = persistent.size().expandedTo(screen.size()).expandedTo(want);
        const QImage oldPersistent = persistent;
        const QImage oldScreen = screen;
        persistent = QImage(grown, QImage::Format_RGB32);
        screen = QImage(grown, QImage::Format_RGB32);
        clearPersistent(persistent.rect());
        copyRect(persistent, oldPersistent, oldPersistent.rect());
        copyRect(screen, persistent, screen.rect());
        copyRect(screen, oldScreen, oldScreen.rect());
    }

    // After drawing: a persistent drawing shows on the screen too.
    void shown(const QRect& dirty)
    {
        const QRect area = dirty.isNull() ? layerRect() : dirty;
        if (autoRedraw)
            copyRect(screen, persistent, area.translated(-origin));
        q->update(area.intersected(q->rect()));
    }

    void restoreScreen()
    {
        copyRect(screen, persistent, screen.rect());
        q->update();
    }

    QPen pen(std::optional<OLE_COLOR> color) const
    {
        if (drawStyle == PictureBox::Invisible)
            return QPen(Qt::NoPen);
        QPen pen(Zel::toQColor(color.value_or(foreColor), Qt::black));
        pen.setWidth(drawWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        pen.setCapStyle(drawWidth > 1 ? Qt::RoundCap : Qt::SquareCap);
        // Styled outlines exist only one pixel wide; wider ones are solid.
        if (drawWidth == 1 && drawStyle >= PictureBox::Dash
            && drawStyle <= PictureBox::DashDotDot) {
            pen.setCapStyle(Qt::FlatCap);
            switch (drawStyle) {
            case PictureBox::Dash:
                pen.setDashPattern(DashPattern);
                break;
            case PictureBox::Dot:
                pen.setDashPattern(DotPattern);
                break;
            case PictureBox::DashDot:
                pen.setDashPattern(DashDotPattern);
                break;
            default:
                pen.setDashPattern(DashDotDotPattern);
                break;
            }
        }
        return pen;
    }

    QBrush brush() const
    {
        const Qt::BrushStyle style = Zel::hatchStyle(fillStyle);
        if (style == Qt::NoBrush)
            return QBrush();
        return QBrush(Zel::toQColor(fillColor, Qt::black), style);
    }

    // A raster-operation line or box outline of one-pixel solid strips (no
    // fill), drawn straight into the layer; false when it is no such figure.
    bool drawStraightStrips(
        QPoint a, QPoint b, QRect box, std::optional<OLE_COLOR> color, PictureBox::LineKind kind)
    {
        const bool solidThin = drawWidth == 1
            && (drawStyle == PictureBox::Solid || drawStyle == PictureBox::InsideSolid);
        if (drawMode == PictureBox::CopyPen || !solidThin)
            return false;
        const bool straight = a.x() == b.x() || a.y() == b.y();
        const bool outline
            = kind == PictureBox::LineKind::Box && fillStyle == PictureBox::FillTransparent;
        if (!(kind == PictureBox::LineKind::Line && straight) && !outline)
            return false;
        ensureSize();
        QImage& layer = target();
        const QRgb pen = Zel::toQColor(color.value_or(foreColor), Qt::black).rgb();
        box.translate(-origin);
        if (straight) {
            rasterOpFill(layer, box, drawMode, pen);
            return true;
        }
        // Top and bottom rows whole, the sides between them: no pixel twice.
        rasterOpFill(layer, QRect(box.left(), box.top(), box.width(), 1), drawMode, pen);
        rasterOpFill(layer, QRect(box.left(), box.bottom(), box.width(), 1), drawMode, pen);
        const QRect sides(box.left(), box.top() + 1, 1, box.height() - 2);
        rasterOpFill(layer, sides, drawMode, pen);
        rasterOpFill(layer, sides.translated(box.width() - 1, 0), drawMode, pen);
        return true;
    }

    // Pixels the pen of width w reaches beyond a shape's outline.
    int penReach() const { return drawWidth / 2 + 1; }

    std::unique_ptr<QPainter> painter(std::optional<OLE_COLOR> color = {})
    {
        ensureSize();
        auto p = std::make_unique<QPainter>(&target());
        p->translate(-origin);
        p->setRenderHint(QPainter::Antialiasing, false);
        p->setCompositionMode(compositionFor(drawMode));
        p->setPen(pen(color));
        p->setBrush(brush());
        p->setFont(font.toQFont());
        return p;
    }

    // Fills and outlines \a shape with the painter's brush and pen. In the
    // raster-operation modes no pixel may change twice, so the outline's
    // pixels are kept out of the fill; a not-xor figure drawn twice then
    // vanishes completely.
    void fillAndStroke(QPainter& p, const QPainterPath& shape, const QRect& bounds)
    {
        const QPen outline = p.pen();
        const QBrush fill = p.brush();
        const bool overlap = outline.style() != Qt::NoPen && fill.style() != Qt::NoBrush
            && drawMode != PictureBox::CopyPen;
        if (!overlap) {
            p.drawPath(shape);
            return;
        }
        QImage mask(bounds.size(), QImage::Format_ARGB32_Premultiplied);
        mask.fill(Qt::transparent);
        {
            QPainter m(&mask);
            m.translate(-bounds.topLeft());
            QPen maskPen = outline;
            maskPen.setColor(Qt::black);
            m.setPen(maskPen);
            m.setBrush(Qt::NoBrush);
            m.drawPath(shape);
        }
        QRegion stroke(QBitmap::fromImage(mask.createAlphaMask()));
        stroke.translate(bounds.topLeft());
        p.save();
        p.setClipRegion(QRegion(bounds).subtracted(stroke));
        p.setPen(Qt::NoPen);
        p.drawPath(shape);
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);
        p.setBrush(fill);
    }
};

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
    , d(std::make_unique<PictureBoxPrivate>(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    d->ensureSize();
}

PictureBox::~PictureBox() = default;

bool PictureBox::AutoRedraw() const
{
    return d->autoRedraw;
}

void PictureBox::setAutoRedraw(bool New_AutoRedraw)
{
    d->autoRedraw = New_AutoRedraw;
}

OLE_COLOR PictureBox::BackColor() const
{
    return d->backColor;
}

void PictureBox::setBackColor(OLE_COLOR New_BackColor)
{
    // Even the same colour clears, as the host does on every assignment.
    d->backColor = New_BackColor;
    d->ensureSize();
    d->clearPersistent(d->layerRect());
    d->restoreScreen();
    d->notifyPaint();
}

OLE_COLOR PictureBox::ForeColor() const
{
    return d->foreColor;
}

void PictureBox::setForeColor(OLE_COLOR New_ForeColor)
{
    d->foreColor = New_ForeColor;
}

OLE_COLOR PictureBox::FillColor() const
{
    return d->fillColor;
}

void PictureBox::setFillColor(OLE_COLOR New_FillColor)
{
    d->fillColor = New_FillColor;
}

qint16 PictureBox::FillStyle() const
{
    return d->fillStyle;
}

void PictureBox::setFillStyle(qint16 New_FillStyle)
{
    checkRange(New_FillStyle, FillSolid, DiagonalCross);
    d->fillStyle = New_FillStyle;
}

qint16 PictureBox::DrawMode() const
{
    return d->drawMode;
}

void PictureBox::setDrawMode(qint16 New_DrawMode)
{
    checkRange(New_DrawMode, Blackness, Whiteness);
    d->drawMode = New_DrawMode;
}

qint16 PictureBox::DrawStyle() const
{
    return d->drawStyle;
}

void PictureBox::setDrawStyle(qint16 New_DrawStyle)
{
    checkRange(New_DrawStyle, Solid, InsideSolid);
    d->drawStyle = New_DrawStyle;
}

qint16 PictureBox::DrawWidth() const
{
    return d->drawWidth;
}

void PictureBox::setDrawWidth(qint16 New_DrawWidth)
{
    checkRange(New_DrawWidth, 1, 32767);
    d->drawWidth = New_DrawWidth;
}

float PictureBox::CurrentX() const
{
    return d->currentX;
}

void PictureBox::setCurrentX(float New_CurrentX)
{
    d->currentX = New_CurrentX;
}

float PictureBox::CurrentY() const
{
    return d->currentY;
}

void PictureBox::setCurrentY(float New_CurrentY)
{
    d->currentY = New_CurrentY;
}

StdFont PictureBox::Font() const
{
    return d->font;
}

void PictureBox::setFont(const StdFont& New_Font)
{
    d->font = New_Font;
}

StdPicture PictureBox::Picture() const
{
    return d->picture;
}

void PictureBox::setPicture(const StdPicture& New_Picture)
{
    d->picture = New_Picture;
    d->ensureSize();
    d->clearPersistent(d->layerRect());
    d->restoreScreen();
    d->notifyPaint();
}

qint16 PictureBox::MousePointer() const
{
    return d->mousePointer;
}

void PictureBox::setMousePointer(qint16 New_MousePointer)
{
    if (!Zel::isValidMousePointer(New_MousePointer))
        throw RuntimeError(RuntimeError::InvalidPropertyValue);
    d->mousePointer = New_MousePointer;
    if (New_MousePointer == Zel::PointerDefault)
        unsetCursor();
    else
        setCursor(Zel::cursorForPointer(New_MousePointer, d->mouseIcon));
}

StdPicture PictureBox::MouseIcon() const
{
    return d->mouseIcon;
}

void PictureBox::setMouseIcon(const StdPicture& New_MouseIcon)
{
    d->mouseIcon = New_MouseIcon;
    if (d->mousePointer == Zel::PointerCustom)
        setCursor(Zel::cursorForPointer(Zel::PointerCustom, d->mouseIcon));
}

void PictureBox::Cls()
{
    d->ensureSize();
    d->currentX = 0;
    d->currentY = 0;
    if (d->autoRedraw) {
        d->clearPersistent(d->layerRect());
        d->restoreScreen();
        return;
    }
    d->restoreScreen();
    d->notifyPaint();
}

void PictureBox::clearArea(const QRect& area)
{
    d->ensureSize();
    const QRect r = area.intersected(d->layerRect());
    if (r.isEmpty())
        return;
    d->clearPersistent(r);
    copyRect(d->screen, d->persistent, r.translated(-d->origin));
    update(r.intersected(rect()));
}

void PictureBox::Refresh()
{
    d->ensureSize();
    d->restoreScreen();
    d->notifyPaint();
}

void PictureBox::Line(
    float x1, float y1, float x2, float y2, std::optional<OLE_COLOR> color, LineKind kind)
{
    const QPoint a(px(x1), px(y1));
    const QPoint b(px(x2), px(y2));
    d->currentX = x2;
    d->currentY = y2;
    const int reach = d->penReach();
    // Both corners inclusive, whichever way round they are given.
    QRect box(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
        QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
    QRect dirty = box.adjusted(-reach, -reach, reach, reach);
    if (d->drawStraightStrips(a, b, box, color, kind)) {
        d->shown(dirty);
        return;
    }
    auto p = d->painter(color);

    switch (kind) {
    case LineKind::Line:
        p->drawLine(a, b);
        break;
    case LineKind::FilledBox:
        // Without an outline the classic rectangle stops one pixel short on
        // the right and bottom; it is still filled in the line colour.
        if (p->pen().style() == Qt::NoPen)
            box = box.adjusted(0, 0, -1, -1);
        if (box.isValid())
            p->fillRect(box, Zel::toQColor(color.value_or(d->foreColor), Qt::black));
        break;
    case LineKind::Box: {
        if (d->drawStyle == InsideSolid && d->drawWidth > 1) {
            // The pen stays inside the box.
            const int in = d->drawWidth / 2;
            box = box.adjusted(in, in, -in, -in);
        }
        const bool hasPen = p->pen().style() != Qt::NoPen;
        if (p->brush().style() != Qt::NoBrush) {
            // The fill stops where the outline begins, so no pixel is drawn twice.
            const int in = hasPen ? d->drawWidth / 2 + 1 : 0;
            const QRect inside
                = hasPen ? box.adjusted(in, in, -in, -in) : box.adjusted(0, 0, -1, -1);
            if (inside.isValid())
                p->fillRect(inside, p->brush());
        }
        if (hasPen) {
            p->setBrush(Qt::NoBrush);
            if (box.width() == 1 || box.height() == 1)
                p->drawLine(box.topLeft(), box.bottomRight());
            else
                p->drawRect(box.x(), box.y(), box.width() - 1, box.height() - 1);
        }
        break;
    }
    }
    p->end();
    d->shown(dirty);
}

void PictureBox::Circle(float x, float y, float radius, std::optional<OLE_COLOR> color)
{
    d->currentX = x;
    d->currentY = y;
    const QPoint c(px(x), px(y));
    int r = px(std::fabs(radius));
    if (d->drawStyle == InsideSolid && d->drawWidth > 1)
        r = std::max(0, r - d->drawWidth / 2);
    auto p = d->painter(color);
    const QRect box(c.x() - r, c.y() - r, 2 * r, 2 * r); // spans centre - r .. centre + r
    const int reach = d->penReach();
    const QRect dirty = box.adjusted(-reach, -reach, reach + 1, reach + 1);
    QPainterPath path;
    path.addEllipse(box);
    d->fillAndStroke(*p, path, dirty.intersected(d->layerRect()));
    p->end();
    d->shown(dirty);
}

void PictureBox::Polygon(const QPolygon& points)
{
    if (points.isEmpty())
        return;
    auto p = d->painter();
    const int reach = d->penReach();
    const QRect dirty = points.boundingRect().adjusted(-reach, -reach, reach, reach);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    d->fillAndStroke(*p, path, dirty.intersected(d->layerRect()));
    p->end();
    d->shown(dirty);
}

void PictureBox::PSet(float x, float y, std::optional<OLE_COLOR> color)
{
    d->currentX = x;
    d->currentY = y;
    const QPoint at(px(x), px(y));
    auto p = d->painter(color);
    QPen pen = d->pen(color);
    if (pen.style() == Qt::NoPen) // a point is drawn even with the invisible style
        pen = QPen(Zel::toQColor(color.value_or(d->foreColor), Qt::black), d->drawWidth);
    pen.setStyle(Qt::SolidLine);
    pen.setCapStyle(d->drawWidth > 1 ? Qt::RoundCap : Qt::SquareCap);
    p->setPen(pen);
    p->drawPoint(at);
    p->end();
    const int reach = d->penReach();
    d->shown(QRect(at, at).adjusted(-reach, -reach, reach, reach));
}

qint32 PictureBox::Point(float x, float y) const
{
    const QPoint at(px(x), px(y));
    if (!rect().contains(at))
        return -1;
    if (d->layerRect().contains(at) && d->screen.size() == d->persistent.size())
        return qint32(Zel::fromQColor(QColor(d->screen.pixel(at - d->origin))));
    if (!d->windowed)
        return -1;
    // Outside the window the surface holds what its painters give there.
    QImage one(1, 1, QImage::Format_RGB32);
    d->paintExposed(one, at, QRect(at, QSize(1, 1)));
    return qint32(Zel::fromQColor(QColor(one.pixel(0, 0))));
}

void PictureBox::Print(const QString& text)
{
    QString normalized = text;
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QStringList lines = normalized.split(QLatin1Char('\n'));
    auto p = d->painter();
    // Text is not a raster operation: it always draws over what is there.
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->setPen(Zel::toQColor(d->foreColor, Qt::black));
    const QFontMetrics fm = p->fontMetrics();
    const int x = px(d->currentX);
    int y = px(d->currentY);
    QRect dirty;
    for (const QString& line : lines) {
        p->drawText(QPoint(x, y + fm.ascent()), line);
        dirty |= QRect(x, y, fm.horizontalAdvance(line) + 2, fm.height());
        y += fm.height();
    }
    p->end();
    d->currentX = 0;
    d->currentY = float(y);
    d->shown(dirty);
}

qint32 PictureBox::TextWidth(const QString& text) const
{
    const QFontMetrics fm(d->font.toQFont(), &d->persistent);
    QString normalized = text;
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    int width = 0;
    for (const QString& line : normalized.split(QLatin1Char('\n')))
        width = std::max(width, fm.horizontalAdvance(line));
    return width;
}

qint32 PictureBox::TextHeight(const QString& text) const
{
    const QFontMetrics fm(d->font.toQFont(), &d->persistent);
    QString normalized = text;
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return fm.height() * qint32(normalized.count(QLatin1Char('\n')) + 1);
}

void PictureBox::PaintPicture(
    const StdPicture& picture, float x, float y, float width, float height)
{
    if (picture.isNull())
        return;
    const QImage image = picture.image();
    QRect place(px(x), px(y), image.width(), image.height());
    if (width > 0)
        place.setWidth(px(width));
    if (height > 0)
        place.setHeight(px(height));
    auto p = d->painter();
    // Pictures are copied as they are; icons keep their transparency.
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->drawImage(place, image);
    p->end();
    d->shown(place);
}

QImage& PictureBox::drawingLayer()
{
    d->ensureSize();
    return d->target();
}

const QImage& PictureBox::persistentLayer() const
{
    return d->persistent;
}

const QImage& PictureBox::screenLayer() const
{
    return d->screen;
}

std::unique_ptr<QPainter> PictureBox::beginPaint()
{
    return d->painter();
}

void PictureBox::endPaint(std::unique_ptr<QPainter> painter, const QRect& dirty)
{
    if (painter && painter->isActive())
        painter->end();
    painter.reset();
    d->shown(dirty);
}

void PictureBox::setLayerWindow(const QRect& window, WindowChange change)
{
    d->normalize(d->persistent);
    d->normalize(d->screen);
    d->windowed = true;
    d->window = window;
    const QRect want = d->wantedWindow();
    if (change == WindowChange::Keep && want == d->layerRect()
        && d->screen.size() == d->persistent.size())
        return;
    // What both windows share keeps its pixels where they were in the
    // widget, so the screen needs only the produced part and what the
    // window left (shown in the back colour now); moving the widget itself
    // is Qt's to show.
    const QRect old = d->layerRect();
    const QRegion produced = d->moveWindow(want, change);
    update(produced.united(QRegion(old).subtracted(QRegion(want))));
}

void PictureBox::clearLayerWindow()
{
    if (!d->windowed)
        return;
    d->windowed = false;
    d->persistent = QImage();
    d->screen = QImage();
    d->origin = QPoint(0, 0);
    d->ensureSize();
    update();
}

bool PictureBox::hasLayerWindow() const
{
    return d->windowed;
}

QRect PictureBox::layerRect() const
{
    return d->layerRect();
}

void PictureBox::setBackgroundPainter(AreaPainter painter)
{
    d->backgroundPainter = std::move(painter);
}

void PictureBox::setContentPainter(AreaPainter painter)
{
    d->contentPainter = std::move(painter);
}

QPen PictureBox::currentPen(std::optional<OLE_COLOR> color) const
{
    return d->pen(color);
}

QBrush PictureBox::currentBrush() const
{
    return d->brush();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QRect area = event->rect();
    // A layer replaced through drawingLayer() is taken in by the next drawing
    // call; until then only a proper one is shown.
    const bool showable = d->screen.format() == QImage::Format_RGB32;
    const QRect layer(d->origin, d->screen.size());
    const QRect fromLayer = showable ? area.intersected(layer) : QRect();
    if (!fromLayer.isEmpty())
        p.drawImage(fromLayer, d->screen, fromLayer.translated(-d->origin));
    // The layers lag behind a pending resize for a moment; fill the rest.
    const QRegion rest = QRegion(area).subtracted(QRegion(fromLayer));
    for (const QRect& r : rest)
        p.fillRect(r, Zel::toQColor(d->backColor, Qt::black));
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A windowed surface follows its window, which the owner sets next.
    if (!d->windowed)
        d->ensureSize();
    Zel::guardEvent("PictureBox", [this] { Q_EMIT Resize(); });
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    d->pressedInside = true;
    const QPointF at = event->position();
    Zel::guardEvent("PictureBox", [&] {
        Q_EMIT MouseDown(Zel::hostButton(event->button()), Zel::hostShift(event->modifiers()),
            float(at.x()), float(at.y()));
    });
    event->accept();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    Zel::guardEvent("PictureBox", [&] {
        Q_EMIT MouseMove(Zel::hostButtons(event->buttons()), Zel::hostShift(event->modifiers()),
            float(at.x()), float(at.y()));
    });
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    Zel::guardEvent("PictureBox", [&] {
        Q_EMIT MouseUp(Zel::hostButton(event->button()), Zel::hostShift(event->modifiers()),
            float(at.x()), float(at.y()));
    });
    // A click is a press and a release over the box; the release after a
    // double click raises no second click.
    const bool click = d->pressedInside && !d->suppressClick && rect().contains(at.toPoint());
    d->pressedInside = false;
    d->suppressClick = false;
    if (click)
        Zel::guardEvent("PictureBox", [this] { Q_EMIT Click(); });
    event->accept();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    d->pressedInside = true;
    d->suppressClick = true;
    Zel::guardEvent("PictureBox", [this] { Q_EMIT DblClick(); });
    event->accept();
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    int keyCode = Zel::hostKeyCode(event->key());
    bool swallowed = false;
    if (keyCode != 0) {
        Zel::guardEvent(
            "PictureBox", [&] { Q_EMIT KeyDown(keyCode, Zel::hostShift(event->modifiers())); });
        swallowed = keyCode == 0;
    }
    const QString text = event->text();
    if (!swallowed && !text.isEmpty() && text.at(0).unicode() != 0x7F) {
        int keyAscii = text.at(0).unicode();
        Zel::guardEvent("PictureBox", [&] { Q_EMIT KeyPress(keyAscii); });
        swallowed = keyAscii == 0;
    }
    if (swallowed)
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void PictureBox::keyReleaseEvent(QKeyEvent* event)
{
    int keyCode = Zel::hostKeyCode(event->key());
    if (keyCode == 0 || event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    Zel::guardEvent(
        "PictureBox", [&] { Q_EMIT KeyUp(keyCode, Zel::hostShift(event->modifiers())); });
    if (keyCode == 0)
        event->accept();
    else
        QWidget::keyReleaseEvent(event);
}

void PictureBox::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    Zel::guardEvent("PictureBox", [this] { Q_EMIT GotFocus(); });
}

void PictureBox::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    Zel::guardEvent("PictureBox", [this] { Q_EMIT LostFocus(); });
}
