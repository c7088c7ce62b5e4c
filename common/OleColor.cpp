#include "OleColor.h"

#include "HostConvert.h"
#include "RuntimeError.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>
#include <optional>

namespace Zel {

namespace {

constexpr int SystemColorCount = 25;

/// The classic desktop scheme, used where the palette has no matching role.
constexpr std::array<OLE_COLOR, SystemColorCount> classicColors = {
    rgb(212, 208, 200), // scroll bar
    rgb(58, 110, 165), // desktop
    rgb(10, 36, 106), // active caption
    rgb(128, 128, 128), // inactive caption
    rgb(212, 208, 200), // menu
    rgb(255, 255, 255), // window background
    rgb(0, 0, 0), // window frame
    rgb(0, 0, 0), // menu text
    rgb(0, 0, 0), // window text
    rgb(255, 255, 255), // title bar text
    rgb(212, 208, 200), // active border
    rgb(212, 208, 200), // inactive border
    rgb(128, 128, 128), // application workspace
    rgb(10, 36, 106), // highlight
    rgb(255, 255, 255), // highlight text
    rgb(212, 208, 200), // button face
    rgb(128, 128, 128), // button shadow
    rgb(128, 128, 128), // gray text
    rgb(0, 0, 0), // button text
    rgb(212, 208, 200), // inactive caption text
    rgb(255, 255, 255), // button highlight
    rgb(64, 64, 64), // button dark shadow
    rgb(212, 208, 200), // button light
    rgb(0, 0, 0), // info text
    rgb(255, 255, 225), // info background
};

struct PaletteRole
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

/// The palette role that plays the part of system colour \a index, if any.
std::optional<PaletteRole> paletteRole(OLE_COLOR index)
{
    using P = QPalette;
    switch (index | SystemColorFlag) {
    case MenuColor:
        return PaletteRole { P::Active, P::Window }; // menus are drawn on Window
    case WindowBackgroundColor:
        return PaletteRole { P::Active, P::Base };
    case MenuTextColor:
        return PaletteRole { P::Active, P::WindowText };
    case WindowTextColor:
        return PaletteRole { P::Active, P::Text };
    case HighlightColor:
        return PaletteRole { P::Active, P::Highlight };
    case HighlightTextColor:
        return PaletteRole { P::Active, P::HighlightedText };
    case ButtonFaceColor:
        return PaletteRole { P::Active, P::Button };
    case ButtonShadowColor:
        return PaletteRole { P::Active, P::Dark };
    case GrayTextColor:
        return PaletteRole { P::Disabled, P::Text };
    case ButtonTextColor:
        return PaletteRole { P::Active, P::ButtonText };
    case ButtonHighlightColor:
        return PaletteRole { P::Active, P::Light };
    case ButtonDarkShadowColor:
        return PaletteRole { P::Active, P::Shadow };
    case ButtonLightColor:
        return PaletteRole { P::Active, P::Midlight };
    case InfoTextColor:
        return PaletteRole { P::Active, P::ToolTipText };
    case InfoBackgroundColor:
        return PaletteRole { P::Active, P::ToolTipBase };
    default:
        return std::nullopt;
    }
}

} // namespace

qint32 TranslateColor(OLE_COLOR color)
{
    if (!(color & SystemColorFlag))
        return (color & 0xFF000000u) ? -1 : qint32(color);
    const OLE_COLOR index = color & ~SystemColorFlag;
    if (index >= SystemColorCount)
        return -1;
    if (qGuiApp) {
        if (const auto role = paletteRole(index)) {
            const QPalette palette = QGuiApplication::palette();
            return qint32(fromQColor(palette.color(role->group, role->role)));
        }
    }
    return qint32(classicColors[index]);
}

QColor toQColor(OLE_COLOR color)
{
    const qint32 resolved = TranslateColor(color);
    if (resolved < 0)
        return QColor();
    return QColor(resolved & 0xFF, (resolved >> 8) & 0xFF, (resolved >> 16) & 0xFF);
}

QColor toQColor(OLE_COLOR color, const QColor& fallback)
{
    const QColor c = toQColor(color);
    return c.isValid() ? c : fallback;
}

OLE_COLOR fromQColor(const QColor& color)
{
    const QColor rgbColor = color.toRgb();
    return rgb(rgbColor.red(), rgbColor.green(), rgbColor.blue());
}

QString colorText(OLE_COLOR color)
{
    return QStringLiteral("&H") + QString::number(color, 16).toUpper();
}

OLE_COLOR colorFromText(const QString& text)
{
    // The blanks a number may have around it, and no others.
    const QStringView trimmed = trimBlanks(text);
    if (trimmed.startsWith(u"&H", Qt::CaseInsensitive)) {
        QStringView digits = trimmed.mid(2);
        if (digits.endsWith(u'&'))
            digits.chop(1);
        if (digits.isEmpty())
            throw RuntimeError(RuntimeError::TypeMismatch);
        quint64 value = 0;
        bool overflow = false;
        for (QChar c : digits) {
            const int digit = QStringLiteral("0123456789ABCDEF").indexOf(c.toUpper());
            if (digit < 0)
                throw RuntimeError(RuntimeError::TypeMismatch);
            value = value * 16 + quint64(digit);
            overflow = overflow || value > 0xFFFFFFFFull;
            value &= 0xFFFFFFFFFull; // keeps the loop from wrapping on long text
        }
        if (overflow)
            throw RuntimeError(RuntimeError::Overflow);
        return OLE_COLOR(value);
    }
    const double value = roundHalfEven(toDouble(text));
    if (value < -2147483648.0 || value > 4294967295.0)
        throw RuntimeError(RuntimeError::Overflow);
    return value < 0 ? OLE_COLOR(qint32(value)) : OLE_COLOR(quint32(value));
}

} // namespace Zel
