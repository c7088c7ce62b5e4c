#include "ColorSelector.h"

#include "ColorPopup.h"

#include <QPainter>
#include <common/Dialogs.h>
#include <common/Drawing.h>
#include <common/EventGuard.h>
#include <common/HostConvert.h>
#include <common/RuntimeError.h>

namespace Tabulon {

namespace {

constexpr qint32 DefaultSelectedColor = 0xFFFFFF;
constexpr qint32 DefaultAppearance = 1;
constexpr OLE_COLOR DefaultBackColor = 0xFFFFFF;
constexpr int SwatchRight = 17;
constexpr int TextLeft = 22;

QString defaultTextNormal()
{
    return QStringLiteral("Normal");
}
QString defaultTextSystem()
{
    return QStringLiteral("System");
}
QString defaultTextMoreColor()
{
    return QStringLiteral("More Color");
}
QString defaultTextTransparent()
{
    return QStringLiteral("Transparent");
}

QString key(const char* name)
{
    return QLatin1String(name);
}

/// A hex digit's value; any other character counts as 0.
int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return 0;
}

/// Up to two characters read as a hexadecimal byte.
int hexByte(QStringView text)
{
    int value = 0;
    for (QChar c : text)
        value = value * 16 + hexDigit(c);
    return value;
}

/// A colour number from a host value; an OLE_COLOR keeps its bit pattern.
qint32 colorNumber(const QVariant& value)
{
    if (value.typeId() == QMetaType::UInt)
        return qint32(value.toUInt());
    return Zel::toLong(value);
}

} // namespace

ColorSelector::ColorSelector(QWidget* parent)
    : DropDownControl(parent)
    , m_popup(new ColorPopup(this))
    , m_viewColor(qint32(0))
    , m_font(AmbientFont())
    , m_textNormal(defaultTextNormal())
    , m_textSystem(defaultTextSystem())
    , m_textMoreColor(defaultTextMoreColor())
    , m_textTransparent(defaultTextTransparent())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setPopup(m_popup);
    connect(m_popup, &ColorPopup::cellClicked, this,
        [this](int cell) { Zel::guardEvent("ColorSelector", [&] { onCellClicked(cell); }); });
    connect(m_popup, &ColorPopup::releasedOutside, this, [this](int pressedCell) {
        // Dragging off a mode button cancels that button only.
        if (pressedCell < NormalButtonCell)
            hidePopup();
    });
    InitDesign();
    updatePopupContent();
}

ColorSelector::~ColorSelector() = default;

// --- properties ------------------------------------------------------------

void ColorSelector::setSelectedColor(qint32 New_SelectedColor)
{
    if (m_selectedColor == New_SelectedColor)
        return;
    chooseColor(New_SelectedColor);
}

void ColorSelector::chooseColor(qint32 color)
{
    if (m_selectedColor != color) {
        storeSelectedColor(color);
        PropertyChanged(key("SelectedColor"));
    }
    if (color == Transparent)
        return;
    Q_EMIT SelectedHex(Convert2Hex(color));
    Q_EMIT SelectedLong(color);
}

void ColorSelector::storeSelectedColor(qint32 color)
{
    m_selectedColor = color;
    update();
    Q_EMIT SelectedColorChanged(color);
}

void ColorSelector::setAppearance(qint32 New_Appearance)
{
    if (setIfChanged(
            m_appearance, New_Appearance, key("Appearance"), &ColorSelector::AppearanceChanged))
        update();
}

void ColorSelector::setControlBorder(bool New_ControlBorder)
{
    if (setIfChanged(m_controlBorder, New_ControlBorder, key("ControlBorder"),
            &ColorSelector::ControlBorderChanged))
        update();
}

void ColorSelector::setBackColor(OLE_COLOR New_BackColor)
{
    if (setIfChanged(
            m_backColor, New_BackColor, key("BackColor"), &ColorSelector::BackColorChanged))
        update();
}

void ColorSelector::setEnabled(bool New_Enabled)
{
    if (isEnabled() == New_Enabled)
        return;
    QWidget::setEnabled(New_Enabled);
    PropertyChanged(key("Enabled"));
    Q_EMIT EnabledChanged(New_Enabled);
}

void ColorSelector::setViewColor(const QVariant& New_ViewColor)
{
    const qint32 color = colorNumber(New_ViewColor);
    // The same value again still shows its colour when the user chose another one since.
    const bool viewChanged = m_viewColor != New_ViewColor;
    if (!viewChanged && color == m_selectedColor)
        return;
    m_viewColor = New_ViewColor;
    PropertyChanged(key("ViewColor"));
    if (viewChanged)
        Q_EMIT ViewColorChanged(m_viewColor);
    if (color != m_selectedColor)
        storeSelectedColor(color);
}

void ColorSelector::setDisplayHexValue(bool New_DisplayHexValue)
{
    if (setIfChanged(m_displayHexValue, New_DisplayHexValue, key("DisplayHexValue"),
            &ColorSelector::DisplayHexValueChanged))
        update();
}

void ColorSelector::setFont(const StdFont& New_Font)
{
    if (m_font.isSameObject(New_Font))
        return;
    m_font = New_Font;
    PropertyChanged(key("Font"));
    updatePopupContent();
    update();
    Q_EMIT FontChanged(m_font);
}

void ColorSelector::setShowFlag(
    bool& flag, bool value, const char* name, void (ColorSelector::*notify)(bool))
{
    if (!setIfChanged(flag, value, key(name)))
        return;
    InitDesign();
    Q_EMIT(this->*notify)(flag);
}

void ColorSelector::setShowTransparent(bool New_ShowTransparent)
{
    setShowFlag(m_showTransparent, New_ShowTransparent, "ShowTransparent",
        &ColorSelector::ShowTransparentChanged);
}

void ColorSelector::setShowMoreColor(bool New_ShowMoreColor)
{
    setShowFlag(
        m_showMoreColor, New_ShowMoreColor, "ShowMoreColor", &ColorSelector::ShowMoreColorChanged);
}

void ColorSelector::setShowNormalColor(bool New_ShowNormalColor)
{
    setShowFlag(m_showNormalColor, New_ShowNormalColor, "ShowNormalColor",
        &ColorSelector::ShowNormalColorChanged);
}

void ColorSelector::setShowCustomColor(bool New_ShowCustomColor)
{
    setShowFlag(m_showCustomColor, New_ShowCustomColor, "ShowCustomColor",
        &ColorSelector::ShowCustomColorChanged);
}

void ColorSelector::setText(QString& text, const QString& value, const char* name,
    void (ColorSelector::*notify)(const QString&))
{
    if (!setIfChanged(text, value, key(name)))
        return;
    updatePopupContent();
    update();
    Q_EMIT(this->*notify)(text);
}

void ColorSelector::setTextNormal(const QString& New_TextNormal)
{
    setText(m_textNormal, New_TextNormal, "TextNormal", &ColorSelector::TextNormalChanged);
}

void ColorSelector::setTextSystem(const QString& New_TextSystem)
{
    setText(m_textSystem, New_TextSystem, "TextSystem", &ColorSelector::TextSystemChanged);
}

void ColorSelector::setTextMoreColor(const QString& New_TextMoreColor)
{
    setText(
        m_textMoreColor, New_TextMoreColor, "TextMoreColor", &ColorSelector::TextMoreColorChanged);
}

void ColorSelector::setTextTransparent(const QString& New_TextTransparent)
{
    setText(m_textTransparent, New_TextTransparent, "TextTransparent",
        &ColorSelector::TextTransparentChanged);
}

// --- methods ---------------------------------------------------------------

QString ColorSelector::Convert2Hex(qint32 color) const
{
    const quint32 value = quint32(color);
    const auto part = [](quint32 byte) {
        return QStringLiteral("%1").arg(byte & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
    };
    return u'#' + part(value) + part(value >> 8) + part(value >> 16);
}

void ColorSelector::ClickColor(const QString& Codes)
{
    const QStringView digits = QStringView(Codes).right(6);
    const int red = hexByte(digits.mid(0, 2));
    const int green = digits.size() > 2 ? hexByte(digits.mid(2, 2)) : 0;
    const int blue = digits.size() > 4 ? hexByte(digits.mid(4, 2)) : 0;
    const qint32 color = qint32(Zel::rgb(red, green, blue));
    // The face and the change notice follow; no event, and no change to persist.
    if (color != m_selectedColor)
        storeSelectedColor(color);
}

void ColorSelector::InitDesign()
{
    m_popup->setCellLayout(
        ColorPopupLayout(m_showTransparent, m_showCustomColor, m_showMoreColor, m_showNormalColor));
}

// --- persistence -----------------------------------------------------------

void ColorSelector::InitProperties()
{
    m_selectedColor = DefaultSelectedColor;
    m_appearance = DefaultAppearance;
    m_controlBorder = false;
    m_backColor = DefaultBackColor;
    QWidget::setEnabled(true);
    m_viewColor = qint32(0);
    m_displayHexValue = true;
    m_font = AmbientFont();
    m_showTransparent = m_showMoreColor = m_showNormalColor = m_showCustomColor = true;
    m_textNormal = defaultTextNormal();
    m_textSystem = defaultTextSystem();
    m_textMoreColor = defaultTextMoreColor();
    m_textTransparent = defaultTextTransparent();
    InitDesign();
    updatePopupContent();
    update();
}

void ColorSelector::ReadProperties(const PropertyBag& bag)
{
    // Everything is read before anything changes, so a bad stored value
    // (error 13) leaves the control as it was. The stored colour is shown
    // as it was saved: ViewColor is kept for the next save only.
    const qint32 selectedColor = bag.readLong(key("SelectedColor"), DefaultSelectedColor);
    const qint32 appearance = bag.readLong(key("Appearance"), DefaultAppearance);
    const bool controlBorder = bag.readBoolean(key("ControlBorder"), false);
    const OLE_COLOR backColor = bag.readColor(key("BackColor"), DefaultBackColor);
    const bool enabled = bag.readBoolean(key("Enabled"), true);
    const QVariant viewColor = bag.ReadProperty(key("ViewColor"), qint32(0));
    const bool displayHex = bag.readBoolean(key("DisplayHexValue"), true);
    const StdFont font = bag.readFont(key("Font"), AmbientFont());
    const bool showTransparent = bag.readBoolean(key("ShowTransparent"), true);
    const bool showMoreColor = bag.readBoolean(key("ShowMoreColor"), true);
    const bool showNormalColor = bag.readBoolean(key("ShowNormalColor"), true);
    const bool showCustomColor = bag.readBoolean(key("ShowCustomColor"), true);
    const QString textNormal = bag.readString(key("TextNormal"), defaultTextNormal());
    const QString textSystem = bag.readString(key("TextSystem"), defaultTextSystem());
    const QString textMoreColor = bag.readString(key("TextMoreColor"), defaultTextMoreColor());
    const QString textTransparent
        = bag.readString(key("TextTransparent"), defaultTextTransparent());

    m_selectedColor = selectedColor;
    m_appearance = appearance;
    m_controlBorder = controlBorder;
    m_backColor = backColor;
    QWidget::setEnabled(enabled);
    m_viewColor = viewColor;
    m_displayHexValue = displayHex;
    m_font = font;
    m_showTransparent = showTransparent;
    m_showMoreColor = showMoreColor;
    m_showNormalColor = showNormalColor;
    m_showCustomColor = showCustomColor;
    m_textNormal = textNormal;
    m_textSystem = textSystem;
    m_textMoreColor = textMoreColor;
    m_textTransparent = textTransparent;
    InitDesign();
    updatePopupContent();
    update();
}

void ColorSelector::WriteProperties(PropertyBag& bag) const
{
    bag.WriteProperty(key("SelectedColor"), m_selectedColor, DefaultSelectedColor);
    bag.WriteProperty(key("Appearance"), m_appearance, DefaultAppearance);
    bag.WriteProperty(key("ControlBorder"), m_controlBorder, false);
    bag.writeColor(key("BackColor"), m_backColor, DefaultBackColor);
    bag.WriteProperty(key("Enabled"), Enabled(), true);
    bag.WriteProperty(key("ViewColor"), m_viewColor, qint32(0));
    bag.WriteProperty(key("DisplayHexValue"), m_displayHexValue, true);
    bag.WriteProperty(key("Font"), QVariant::fromValue(m_font), QVariant::fromValue(AmbientFont()));
    bag.WriteProperty(key("ShowTransparent"), m_showTransparent, true);
    bag.WriteProperty(key("ShowMoreColor"), m_showMoreColor, true);
    bag.WriteProperty(key("ShowNormalColor"), m_showNormalColor, true);
    bag.WriteProperty(key("ShowCustomColor"), m_showCustomColor, true);
    bag.WriteProperty(key("TextNormal"), m_textNormal, defaultTextNormal());
    bag.WriteProperty(key("TextSystem"), m_textSystem, defaultTextSystem());
    bag.WriteProperty(key("TextMoreColor"), m_textMoreColor, defaultTextMoreColor());
    bag.WriteProperty(key("TextTransparent"), m_textTransparent, defaultTextTransparent());
}

// --- popup -----------------------------------------------------------------

void ColorSelector::aboutToShowPopup()
{
    updatePopupContent();
}

void ColorSelector::updatePopupContent()
{
    ColorPopupContent content;
    content.systemColors = m_systemMode;
    content.customColors = m_customColors;
    content.textNormal = m_textNormal;
    content.textSystem = m_textSystem;
    content.textMoreColor = m_textMoreColor;
    content.textTransparent = m_textTransparent;
    // The popup takes the face font's name and size only.
    QFont font = m_font.toQFont();
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    content.font = font;
    m_popup->setContent(content);
}

void ColorSelector::onCellClicked(int cell)
{
    if (cell == TransparentCell) {
        hidePopup();
        chooseColor(Transparent);
        Q_EMIT SelectedTransparent();
    } else if (cell >= FirstPaletteCell && cell <= LastCustomCell) {
        OLE_COLOR color = 0xFFFFFF;
        if (cell <= LastPaletteCell)
            color = paletteColor(cell, m_systemMode);
        else if (cell - FirstCustomCell < m_customColors.size())
            color = m_customColors.at(cell - FirstCustomCell);
        hidePopup();
        m_isCanceled = false;
        chooseColor(qint32(color));
    } else if (cell == NormalButtonCell || cell == SystemButtonCell) {
        const bool system = cell == SystemButtonCell;
        if (m_systemMode != system) {
            m_systemMode = system;
            updatePopupContent();
        }
    } else if (cell == MoreColorCell) {
        runColorDialog();
    }
}

void ColorSelector::runColorDialog()
{
    // A modal dialog gets no input under an open popup: the popup goes first.
    hidePopup();
    const qint32 resolved
        = m_selectedColor == Transparent ? -1 : Zel::TranslateColor(OLE_COLOR(m_selectedColor));
    OLE_COLOR color = resolved < 0 ? OLE_COLOR(0xFFFFFF) : OLE_COLOR(resolved);
    if (!Zel::chooseColor(color, this)) {
        // A cancelled dialog keeps the colour the user had.
        m_isCanceled = true;
        return;
    }
    rememberCustomColor(color);
    m_isCanceled = false;
    chooseColor(qint32(color));
}

void ColorSelector::rememberCustomColor(OLE_COLOR color)
{
    if (m_customColors.size() < MaxCustomColors)
        m_customColors.append(0xFFFFFF);
    m_customWritePosition = m_customWritePosition % MaxCustomColors + 1;
    m_customColors[m_customWritePosition - 1] = color;
    updatePopupContent();
}

// --- face ------------------------------------------------------------------

QRect ColorSelector::dropButtonRect() const
{
    if (m_appearance == 1)
        return QRect(QPoint(width() - 20, 2), QPoint(width() - 3, height() - 3));
    return QRect(width() - 18, 0, 18, height());
}

QString ColorSelector::faceText() const
{
    if (m_selectedColor == Transparent)
        return m_textTransparent;
    if (m_displayHexValue)
        return Convert2Hex(m_selectedColor);
    return QString::number(m_selectedColor);
}

void ColorSelector::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Zel::toQColor(m_backColor, Qt::white));
    QRect frame = rect();
    if (m_appearance == 1)
        Zel::DrawEdge(painter, frame, Zel::EDGE_SUNKEN, Zel::BF_RECT);
    else if (m_controlBorder)
        Zel::DrawEdge(
            painter, frame, Zel::BDR_SUNKENOUTER, Zel::BF_RECT | Zel::BF_FLAT | Zel::BF_MONO);

    const QRect swatch(QPoint(2, 2), QPoint(SwatchRight - 1, height() - 4));
    painter.setPen(Qt::black);
    if (m_selectedColor == Transparent)
        painter.setBrush(QBrush(Qt::black, Qt::DiagCrossPattern));
    else
        painter.setBrush(Zel::toQColor(OLE_COLOR(m_selectedColor), Qt::white));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    painter.setBrush(Qt::NoBrush);

    const QFont font = m_font.toQFont();
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(isEnabled() ? QColor(Qt::black) : Zel::toQColor(Zel::ButtonShadowColor));
    const int top = height() / 2 - metrics.height() / 2;
    const QRect textRect(
        TextLeft, top, std::max(0, dropButtonRect().left() - TextLeft - 1), metrics.height());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop, faceText());

    paintDropButton(painter, dropButtonRect(), 1);
    paintFocusMark(painter, textRect.adjusted(-2, 0, 1, 0));
}

} // namespace Tabulon
