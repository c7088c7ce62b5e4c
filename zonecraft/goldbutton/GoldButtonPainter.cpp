#include "GoldButtonPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <common/Drawing.h>

namespace zc {

namespace {

// Room between the icon and the caption of a right-aligned or centred group.
constexpr int IconGap = 2;

// A rectangle from DrawText edges (right and bottom exclusive).
QRect edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

QColor resolved(OLE_COLOR color)
{
    // A colour that cannot be resolved reads as -1, all bits set.
    return Zel::toQColor(color, QColor(255, 255, 255));
}

void outline(QPainter& painter, const QSize& size, OLE_COLOR color)
{
    painter.setPen(resolved(color));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(0, 0, size.width() - 1, size.height() - 1));
}

void edge(QPainter& painter, const QSize& size, qint32 edgeStyle)
{
    QRect rect(QPoint(0, 0), size);
    Zel::DrawEdge(painter, rect, unsigned(edgeStyle), Zel::BF_RECT);
}

} // namespace

QImage iconForLook(ButtonLook look, bool enabled, const QImage& normal, const QImage& hover,
    const QImage& down, const QImage& disabled)
{
    if (!enabled)
        return disabled.isNull() ? normal : disabled;
    switch (look) {
    case ButtonLook::Hover:
        return hover.isNull() ? normal : hover;
    case ButtonLook::Down:
        if (!down.isNull())
            return down;
        return hover.isNull() ? normal : hover;
    case ButtonLook::Normal:
        break;
    }
    return normal;
}

ButtonLayout layoutButton(const ButtonFace& face, int captionWidth)
{
    const int w = face.size.width();
    const int h = face.size.height();
    const bool hasIcon = !face.icon.isNull();
    const int iconW = hasIcon ? face.icon.width() : 0;
    const bool groupFits = iconW + captionWidth + 10 < w;
    const int captionLeft = hasIcon ? iconW : 4;

    ButtonLayout layout;
    layout.textFormat = Zel::DT_SINGLELINE | Zel::DT_VCENTER | Zel::DT_WORD_ELLIPSIS;
    int iconX = 4;
    switch (face.alignment) {
    case 1:
        layout.textFormat |= Zel::DT_RIGHT;
        // The icon stands just left of the right-aligned caption.
        iconX = groupFits ? w - 4 - captionWidth - IconGap - iconW : 4;
        break;
    case 2: {
        layout.textFormat |= Zel::DT_CENTER;
        const int captionX = (captionLeft + w - 4 - captionWidth) / 2;
        iconX = groupFits ? captionX - IconGap - iconW : 3;
        break;
    }
    default:
        layout.textFormat |= Zel::DT_LEFT;
        break;
    }
    const bool down = face.look == ButtonLook::Down;
    layout.iconPos = QPoint(iconX + (down ? 1 : 0), (h - face.icon.height()) / 2);

    // A left-aligned caption starts after the icon rather than under it.
    const int left = face.alignment == 0 && hasIcon ? iconX + iconW + IconGap : captionLeft;
    layout.captionRect = down ? edges(left + 1, 2, w - 3, h) : edges(left, 1, w - 4, h - 1);
    layout.highlightRect = edges(hasIcon ? left : 5, 2, w - 3, h - 2);
    layout.shadowRect = edges(hasIcon ? left : 4, 2, w - 4, h - 2);
    return layout;
}

void paintButton(QPainter& painter, const ButtonFace& face)
{
    const QRect all(QPoint(0, 0), face.size);
    const bool tabLook = face.buttonStyle == TabButtonStyle;
    const bool down = face.look == ButtonLook::Down;
    const bool hover = face.look == ButtonLook::Hover;

    painter.fillRect(all, resolved(face.selectedState == 2 ? face.tabBack : Zel::ButtonFaceColor));
    if (hover)
        painter.fillRect(all, resolved(tabLook ? face.tabMouseOver : Zel::ButtonFaceColor));

    painter.setFont(face.font);
    const int captionWidth = QFontMetrics(face.font).horizontalAdvance(face.caption);
    const ButtonLayout layout = layoutButton(face, captionWidth);
    if (face.enabled) {
        painter.setPen(resolved(face.captionColor));
        QRect rect = layout.captionRect;
        Zel::DrawText(painter, face.caption, rect, layout.textFormat);
    } else {
        // Engraved: a light copy one pixel to the right, the shadow over it.
        painter.setPen(resolved(face.skinned ? face.skinHighlight : Zel::ButtonHighlightColor));
        QRect highlight = layout.highlightRect;
        Zel::DrawText(painter, face.caption, highlight, layout.textFormat);
        painter.setPen(resolved(face.skinned ? face.skinDisabledText : Zel::ButtonShadowColor));
        QRect shadow = layout.shadowRect;
        Zel::DrawText(painter, face.caption, shadow, layout.textFormat);
    }

    if (!face.icon.isNull())
        painter.drawImage(layout.iconPos, face.icon);

    if (hover)
        tabLook ? outline(painter, face.size, face.tabBorder)
                : edge(painter, face.size, face.onHover);
    if (down)
        tabLook ? outline(painter, face.size, face.tabBack) : edge(painter, face.size, face.onDown);
    if (face.selectedState == 2) {
        if (tabLook)
            outline(painter, face.size, Zel::HighlightColor);
        else
            edge(painter, face.size, down ? face.onDown : face.onUp);
    }
    // A flat button stays visible while the host designs the form.
    if (face.onUp == 0 && face.designMode)
        outline(painter, face.size, Zel::ButtonShadowColor);
}

QImage applyMaskColor(const QImage& image, OLE_COLOR maskColor, const QColor& replacement)
{
    if (image.isNull())
        return image;
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    // A system colour never equals a pixel, as a pixel read has no system flag.
    if (maskColor & Zel::SystemColorFlag)
        return out;
    const QRgb mask
        = qRgb(int(maskColor & 0xFF), int((maskColor >> 8) & 0xFF), int((maskColor >> 16) & 0xFF));
    const QRgb with = replacement.rgba();
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (line[x] == mask)
                line[x] = with;
        }
    }
    return out;
}

} // namespace zc
