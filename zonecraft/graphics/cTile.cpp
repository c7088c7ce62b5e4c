#include "cTile.h"

#include <QPainter>
#include <atomic>

namespace {

std::atomic<qint64> s_created { 0 };
std::atomic<qint64> s_released { 0 };

std::optional<Qt::BrushStyle> qtHatch(qint32 style)
{
    switch (style) {
    case cTile::HS_HORIZONTAL:
        return Qt::HorPattern;
    case cTile::HS_VERTICAL:
        return Qt::VerPattern;
    case cTile::HS_FDIAGONAL: // "\\\\": falls from the top left
        return Qt::FDiagPattern;
    case cTile::HS_BDIAGONAL:
        return Qt::BDiagPattern;
    case cTile::HS_CROSS:
        return Qt::CrossPattern;
    case cTile::HS_DIAGCROSS:
        return Qt::DiagCrossPattern;
    default:
        return std::nullopt;
    }
}

} // namespace

cTile::cTile() = default;

cTile::~cTile()
{
    DestroyPattern();
}

qint64 cTile::brushesCreated()
{
    return s_created.load();
}

qint64 cTile::brushesReleased()
{
    return s_released.load();
}

void cTile::setBrush(const QBrush& brush)
{
    DestroyPattern();
    m_brush = brush;
    ++s_created;
}

void cTile::DestroyPattern()
{
    if (!m_brush)
        return;
    m_brush.reset();
    ++s_released;
}

bool cTile::SetPatternFromStdPicture(const StdPicture& Image)
{
    if (Image.type() != StdPicture::Bitmap)
        return hasPattern();
    const QImage source = Image.image();
    if (source.isNull())
        return hasPattern();
    // Patterns are opaque 24-bit tiles: transparency of the source is dropped.
    setBrush(QBrush(source.convertToFormat(QImage::Format_RGB32)));
    return true;
}

bool cTile::SetPatternFromHatchBrush(qint32 BrushStyle, OLE_COLOR Color)
{
    DestroyPattern();
    const auto style = qtHatch(BrushStyle);
    const QColor color = Zel::toQColor(Color);
    if (!style || !color.isValid())
        return false;
    setBrush(QBrush(color, *style));
    return true;
}

bool cTile::SetPatternFromSolidColor(OLE_COLOR Color)
{
    DestroyPattern();
    const QColor color = Zel::toQColor(Color);
    if (!color.isValid())
        return false;
    setBrush(QBrush(color, Qt::SolidPattern));
    return true;
}

void cTile::Tile(
    QPainter& hdc, qint32 X, qint32 Y, qint32 Width, qint32 Height, bool ResetBrushOrigin) const
{
    if (!m_brush || Width <= 0 || Height <= 0)
        return;
    hdc.setBrushOrigin(ResetBrushOrigin ? QPoint(X, Y) : QPoint(0, 0));
    hdc.fillRect(QRect(X, Y, Width, Height), *m_brush);
}
