#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>
#include <common/zelcommon_export.h>

/// A 32-bit colour: 0x00BBGGRR with the top bit clear, 0x80000000 + n for
/// system colour n.
using OLE_COLOR = quint32;

namespace Zel {

/// The bit that marks a colour as a system colour index rather than an RGB value.
constexpr OLE_COLOR SystemColorFlag = 0x80000000u;

/// The classic system colour indexes that the controls name.
enum SystemColor : OLE_COLOR {
    ScrollBarColor = 0x80000000u,
    DesktopColor = 0x80000001u,
    ActiveCaptionColor = 0x80000002u,
    InactiveCaptionColor = 0x80000003u,
    MenuColor = 0x80000004u,
    WindowBackgroundColor = 0x80000005u,
    WindowFrameColor = 0x80000006u,
    MenuTextColor = 0x80000007u,
    WindowTextColor = 0x80000008u,
    TitleBarTextColor = 0x80000009u,
    ActiveBorderColor = 0x8000000Au,
    InactiveBorderColor = 0x8000000Bu,
    ApplicationWorkspaceColor = 0x8000000Cu,
    HighlightColor = 0x8000000Du,
    HighlightTextColor = 0x8000000Eu,
    ButtonFaceColor = 0x8000000Fu,
    ButtonShadowColor = 0x80000010u,
    GrayTextColor = 0x80000011u,
    ButtonTextColor = 0x80000012u,
    InactiveCaptionTextColor = 0x80000013u,
    ButtonHighlightColor = 0x80000014u,
    ButtonDarkShadowColor = 0x80000015u,
    ButtonLightColor = 0x80000016u,
    InfoTextColor = 0x80000017u,
    InfoBackgroundColor = 0x80000018u,
};

/// Resolves \a color to 0x00BBGGRR. A system colour resolves through the
/// application palette where a palette role matches, else to its classic
/// default. A value that names no colour gives -1.
ZELCOMMON_EXPORT qint32 TranslateColor(OLE_COLOR color);

/// \a color resolved for drawing; an invalid QColor when it cannot be resolved.
ZELCOMMON_EXPORT QColor toQColor(OLE_COLOR color);
/// \a color resolved for drawing; \a fallback when it cannot be resolved.
ZELCOMMON_EXPORT QColor toQColor(OLE_COLOR color, const QColor& fallback);
/// The OLE_COLOR (0x00BBGGRR) of an RGB colour; alpha is dropped.
ZELCOMMON_EXPORT OLE_COLOR fromQColor(const QColor& color);
/// Builds 0x00BBGGRR from components.
constexpr OLE_COLOR rgb(int red, int green, int blue)
{
    return OLE_COLOR(red & 0xFF) | (OLE_COLOR(green & 0xFF) << 8) | (OLE_COLOR(blue & 0xFF) << 16);
}

/// The "&H..." text of a colour, upper-case hex without leading zeros
/// ("&H8000000F", "&HFF0000", "&H0").
ZELCOMMON_EXPORT QString colorText(OLE_COLOR color);
/// Reads a colour back from its text: "&H" hex is read as an unsigned 32-bit
/// value whatever its length ("&HFF00" is green, not the Integer -256);
/// decimal text as the host's Long (negative values keep their bit pattern).
/// Throws RuntimeError 13 for text that is no number, 6 when out of range.
ZELCOMMON_EXPORT OLE_COLOR colorFromText(const QString& text);

} // namespace Zel
