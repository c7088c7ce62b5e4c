#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <common/OleColor.h>

class QPainter;

namespace zc {

/// What a skinned button's face shows.
enum class ButtonLook { Normal, Hover, Down };

/// Everything one paint of a skinned button reads.
struct ButtonFace
{
    QSize size;
    ButtonLook look = ButtonLook::Normal;
    QString caption;
    QFont font;
    bool enabled = true;
    bool designMode = false;
    qint32 alignment = 2;
    qint32 buttonStyle = 0;
    qint32 selectedState = 0;
    OLE_COLOR captionColor = 0; ///< for the look (fore, hover or down colour)
    qint32 onUp = 4, onDown = 10, onHover = 5;
    QImage icon; ///< the icon of this look; null when there is none
    bool skinned = false; ///< a disabled caption uses the two skin colours
    OLE_COLOR skinDisabledText = Zel::ButtonShadowColor;
    OLE_COLOR skinHighlight = Zel::ButtonHighlightColor;
    OLE_COLOR tabBack = 0, tabBorder = 0, tabMouseOver = 0;
};

/// Where the icon and the caption go.
struct ButtonLayout
{
    QPoint iconPos; ///< meaningful only with an icon
    QRect captionRect; ///< for an enabled caption
    QRect highlightRect, shadowRect; ///< the two passes of a disabled caption
    unsigned textFormat = 0; ///< DrawText flags
};

/// The tab look: a ButtonStyle of 4.
constexpr qint32 TabButtonStyle = 4;

/// The icon a look shows, falling back to the plain icon: disabled, hover
/// and pressed looks use their own icon when set (pressed falls back to the
/// hover icon first).
QImage iconForLook(ButtonLook look, bool enabled, const QImage& normal, const QImage& hover,
    const QImage& down, const QImage& disabled);

/// Lays out icon and caption for a caption \a captionWidth pixels wide.
ButtonLayout layoutButton(const ButtonFace& face, int captionWidth);

/// Paints the face: background, caption, icon, then the edge of the look.
void paintButton(QPainter& painter, const ButtonFace& face);

/// Replaces every pixel of exactly \a maskColor (0x00BBGGRR) by \a replacement.
QImage applyMaskColor(const QImage& image, OLE_COLOR maskColor, const QColor& replacement);

} // namespace zc
