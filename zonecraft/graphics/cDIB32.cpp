#include "cDIB32.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <common/OleColor.h>
#include <cstring>
#include <limits>
#include <vector>

namespace {

/// \a value x \a level / 100, halves to even, as the host rounds a Long.
qint64 scaledRounded(qint64 value, qint64 level)
{
    const qint64 product = value * level;
    qint64 quotient = product / 100;
    qint64 remainder = product % 100;
    if (remainder < 0) { // toward minus infinity, so the remainder is 0..99
        quotient -= 1;
        remainder += 100;
    }
    if (remainder > 50 || (remainder == 50 && (quotient & 1)))
        quotient += 1;
    return quotient;
}

/// The source column (or row) of each target position of \a window's span:
/// the source pixel under the centre of the target pixel.
std::vector<int> nearestSources(int first, int count, int source, int target)
{
    std::vector<int> map(size_t(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        const qint64 t = qint64(first) + i;
        map[size_t(i)] = int(((2 * t + 1) * source) / (2 * qint64(target)));
    }
    return map;
}

} // namespace

cDIB32::cDIB32() = default;

cDIB32::~cDIB32()
{
    Destroy();
}

bool cDIB32::Create(qint32 NewWidth, qint32 NewHeight, qint32 BackColor)
{
    Destroy();
    if (NewWidth <= 0 || NewHeight <= 0)
        return false;
    QImage surface(NewWidth, NewHeight, QImage::Format_RGB32);
    if (surface.isNull())
        return false;
    surface.fill(Zel::toQColor(OLE_COLOR(BackColor) & 0x00FFFFFF));
    m_surface = std::move(surface);
    return true;
}

qint32 cDIB32::CreateFromStdPicture(const StdPicture& Picture)
{
    if (Picture.type() != StdPicture::Bitmap)
        return 0;
    // An RGB32 picture is shared rather than copied: the surface detaches
    // from it only when someone draws on it.
    QImage copy = Picture.image().convertToFormat(QImage::Format_RGB32);
    if (copy.isNull())
        return 0;
    m_surface = std::move(copy);
    m_standard = m_surface.size();
    return -1;
}

void cDIB32::LoadBlt(const QImage& hSrcDC, qint32 X, qint32 Y)
{
    if (m_surface.isNull() || hSrcDC.isNull())
        return;
    const QImage source = hSrcDC.convertToFormat(QImage::Format_RGB32);
    const QRect from = QRect(X, Y, Width(), Height()).intersected(source.rect());
    if (from.isEmpty())
        return;
    const QPoint to = from.topLeft() - QPoint(X, Y);
    const size_t bytes = size_t(from.width()) * 4;
    for (int row = 0; row < from.height(); ++row)
        std::memcpy(m_surface.scanLine(to.y() + row) + to.x() * 4,
            source.constScanLine(from.top() + row) + from.left() * 4, bytes);
}

void cDIB32::Destroy()
{
    m_surface = QImage();
}

QImage* cDIB32::hDIBDC()
{
    return m_surface.isNull() ? nullptr : &m_surface;
}

uchar* cDIB32::DIBitsPtr()
{
    return m_surface.isNull() ? nullptr : m_surface.bits();
}

qint32 cDIB32::Size() const
{
    return qint32(qint64(Width()) * Height() * 4);
}

void cDIB32::setSetImageWidth(qint32 New_SetImageWidth)
{
    m_standard.setWidth(New_SetImageWidth);
}

void cDIB32::setSetImageHeight(qint32 New_SetImageHeight)
{
    m_standard.setHeight(New_SetImageHeight);
}

StdPicture cDIB32::hDCToPicture(
    const QImage& hDCSrc, qint32 LeftSrc, qint32 TopSrc, qint32 WidthSrc, qint32 HeightSrc)
{
    if (WidthSrc <= 0 || HeightSrc <= 0)
        return StdPicture();
    QImage copy(WidthSrc, HeightSrc, QImage::Format_RGB32);
    if (copy.isNull())
        return StdPicture();
    copy.fill(Qt::black);
    if (!hDCSrc.isNull()) {
        QPainter p(&copy);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QPoint(0, 0), hDCSrc, QRect(LeftSrc, TopSrc, WidthSrc, HeightSrc));
    }
    return CreateBitmapPicture(copy);
}

StdPicture cDIB32::CreateBitmapPicture(const QImage& hBmp, const QList<QRgb>& hPal)
{
    if (hBmp.isNull())
        return StdPicture();
    if (hBmp.format() == QImage::Format_Indexed8 && !hPal.isEmpty()) {
        QImage withPalette = hBmp;
        withPalette.setColorTable(hPal);
        return StdPicture(withPalette);
    }
    return StdPicture(hBmp);
}

QSize cDIB32::zoomedSize(qint32 ZoomFactor) const
{
    const qint64 w = scaledRounded(m_standard.width(), ZoomFactor);
    const qint64 h = scaledRounded(m_standard.height(), ZoomFactor);
    constexpr qint64 Largest = std::numeric_limits<int>::max();
    return QSize(int(std::clamp<qint64>(w, 0, Largest)), int(std::clamp<qint64>(h, 0, Largest)));
}

QSize cDIB32::SizeForZoom(QWidget* PictureDest, qint32 ZoomFactor)
{
    m_area = zoomedSize(ZoomFactor);
    if (PictureDest)
        PictureDest->resize(m_area);
    return m_area;
}

StdPicture cDIB32::ZoomPicture(QWidget* PictureDest, qint32 ZoomFactor)
{
    const QSize zoomed = SizeForZoom(PictureDest, ZoomFactor);
    if (m_surface.isNull() || zoomed.isEmpty())
        return StdPicture();
    // Beyond what one image can address the picture cannot be made at all.
    if (qint64(zoomed.width()) * zoomed.height() * 4 > std::numeric_limits<int>::max())
        return StdPicture();
    const QImage picture = zoomedWindow(zoomed, QRect(QPoint(0, 0), zoomed));
    return picture.isNull() ? StdPicture() : CreateBitmapPicture(picture);
}

QImage cDIB32::zoomedWindow(QSize zoomed, const QRect& window) const
{
    if (window.isEmpty())
        return QImage();
    QImage out(window.size(), QImage::Format_RGB32);
    if (out.isNull())
        return out;
    if (m_surface.isNull() || !QRect(QPoint(0, 0), zoomed).contains(window))
        out.fill(Qt::black);
    zoomWindowInto(out, QPoint(0, 0), zoomed, window);
    return out;
}

void cDIB32::zoomWindowInto(QImage& target, QPoint at, QSize zoomed, const QRect& window) const
{
    // What of the window lands inside the target, in the zoomed picture's pixels.
    const QRect inside = window.intersected(QRect(QPoint(0, 0), zoomed))
                             .intersected(target.rect().translated(window.topLeft() - at));
    if (m_surface.isNull() || inside.isEmpty() || target.format() != QImage::Format_RGB32)
        return;
    const std::vector<int> columns
        = nearestSources(inside.left(), inside.width(), Width(), zoomed.width());
    const std::vector<int> rows
        = nearestSources(inside.top(), inside.height(), Height(), zoomed.height());
    const QPoint offset = inside.topLeft() - window.topLeft() + at;
    int previousRow = -1;
    const size_t bytes = size_t(inside.width()) * 4;
    for (int y = 0; y < inside.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(offset.y() + y)) + offset.x();
        if (rows[size_t(y)] == previousRow) {
            // Zooming in repeats whole rows: copy the one just made.
            std::memcpy(line, target.constScanLine(offset.y() + y - 1) + offset.x() * 4, bytes);
            continue;
        }
        previousRow = rows[size_t(y)];
        const auto* source = reinterpret_cast<const QRgb*>(m_surface.constScanLine(previousRow));
        for (int x = 0; x < inside.width(); ++x)
            line[x] = source[columns[size_t(x)]];
    }
}
