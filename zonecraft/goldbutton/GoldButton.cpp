#include "GoldButton.h"

#include "TabColors.h"

#include <QMouseEvent>
#include <QPainter>
#include <common/HostInput.h>
#include <common/Units.h>

namespace {

QVariant pictureValue(const StdPicture& picture)
{
    return QVariant::fromValue(picture);
}

} // namespace

GoldButton::GoldButton(QWidget* parent)
    : UserControl(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(Zel::twipsToPixelsX(1075), Zel::twipsToPixelsY(375));
    m_font = AmbientFont();
    connect(&zc::TabColors::instance(), &zc::TabColors::changed, this, [this] { update(); });
}

GoldButton::~GoldButton() = default;

QSize GoldButton::sizeHint() const
{
    return QSize(Zel::twipsToPixelsX(1075), Zel::twipsToPixelsY(375));
}

// Setters store, mark the property changed and repaint.
void GoldButton::setCaption(const QString& New_Caption)
{
    if (setIfChanged(m_caption, New_Caption, QStringLiteral("Caption")))
        update();
}

void GoldButton::setEnabled(bool New_Enabled)
{
    QWidget::setEnabled(New_Enabled);
    if (setIfChanged(m_enabled, New_Enabled, QStringLiteral("Enabled")))
        update();
}

void GoldButton::setAlignment(qint32 New_Alignment)
{
    if (setIfChanged(m_alignment, New_Alignment, QStringLiteral("Alignment")))
        update();
}

void GoldButton::setButtonStyle(qint32 New_ButtonStyle)
{
    if (setIfChanged(m_buttonStyle, New_ButtonStyle, QStringLiteral("ButtonStyle")))
        update();
}

void GoldButton::setSelectedState(qint32 New_SelectedState)
{
    // The look follows the mouse and the tab strip, not this value.
    setIfChanged(m_selectedState, New_SelectedState, QStringLiteral("SelectedState"));
}

void GoldButton::setForeColor(OLE_COLOR New_ForeColor)
{
    if (setIfChanged(m_foreColor, New_ForeColor, QStringLiteral("ForeColor")))
        update();
}

void GoldButton::setHoverColor(OLE_COLOR New_HoverColor)
{
    if (setIfChanged(m_hoverColor, New_HoverColor, QStringLiteral("HoverColor")))
        update();
}

void GoldButton::setDownColor(OLE_COLOR New_DownColor)
{
    if (setIfChanged(m_downColor, New_DownColor, QStringLiteral("DownColor")))
        update();
}

void GoldButton::setOnUp(qint32 New_OnUp)
{
    if (setIfChanged(m_onUp, New_OnUp, QStringLiteral("OnUp")))
        update();
}

void GoldButton::setOnDown(qint32 New_OnDown)
{
    if (setIfChanged(m_onDown, New_OnDown, QStringLiteral("OnDown")))
        update();
}

void GoldButton::setOnHover(qint32 New_OnHover)
{
    if (setIfChanged(m_onHover, New_OnHover, QStringLiteral("OnHover")))
        update();
}

void GoldButton::setFont(const StdFont& New_Font)
{
    // Fonts are held by reference: the same object is no change.
    if (m_font.isSameObject(New_Font))
        return;
    m_font = New_Font;
    PropertyChanged(QStringLiteral("Font"));
    update();
}

// The pictures and mask settings always repaint: the host may have drawn
// on a picture it assigns again. The mask settings re-apply the mask to the
// normal icon first.
template<typename T>
void GoldButton::replace(T& member, const T& value, const char* key, bool remask)
{
    member = value;
    if (remask)
        applyMask();
    PropertyChanged(QString::fromLatin1(key));
    update();
}

void GoldButton::setPicture(const StdPicture& New_Picture)
{
    replace(m_picture, New_Picture, "Picture", true);
}

void GoldButton::setPictureHover(const StdPicture& New_PictureHover)
{
    replace(m_pictureHover, New_PictureHover, "PictureHover", false);
}

void GoldButton::setPictureDown(const StdPicture& New_PictureDown)
{
    replace(m_pictureDown, New_PictureDown, "PictureDown", false);
}

void GoldButton::setPictureDisabled(const StdPicture& New_PictureDisabled)
{
    replace(m_pictureDisabled, New_PictureDisabled, "PictureDisabled", false);
}

void GoldButton::setPictureBackColor(OLE_COLOR New_PictureBackColor)
{
    replace(m_pictureBackColor, New_PictureBackColor, "PictureBackColor", true);
}

void GoldButton::setMaskColor(OLE_COLOR New_MaskColor)
{
    replace(m_maskColor, New_MaskColor, "MaskColor", true);
}

void GoldButton::setUseMaskColor(bool New_UseMaskColor)
{
    replace(m_useMaskColor, New_UseMaskColor, "UseMaskColor", true);
}

void GoldButton::setSkinDisabledText(OLE_COLOR New_SkinDisabledText)
{
    if (setIfChanged(m_skinDisabledText, New_SkinDisabledText, QStringLiteral("SkinDisabledText")))
        update();
}

void GoldButton::setSkinHighlight(OLE_COLOR New_SkinHighlight)
{
    if (setIfChanged(m_skinHighlight, New_SkinHighlight, QStringLiteral("SkinHighlight")))
        update();
}

void GoldButton::setStyle(qint32 New_Style)
{
    if (setIfChanged(m_skinStyle, New_Style, QStringLiteral("Style")))
        update();
}

void GoldButton::ResetButton()
{
    m_selectedState = 1;
    update();
}

void GoldButton::applyMask()
{
    // The holder shows the picture itself again before the mask is applied,
    // so switching the mask off restores the original pixels.
    const QImage original = m_picture.image();
    m_maskedPicture = m_useMaskColor
        ? zc::applyMaskColor(original, m_maskColor, Zel::toQColor(m_pictureBackColor, Qt::white))
        : original;
}

// Persistence

void GoldButton::InitProperties()
{
    m_caption = objectName();
    m_enabled = true;
    QWidget::setEnabled(true);
    m_selectedState = 0;
    m_alignment = 2;
    m_buttonStyle = 0;
    m_hoverColor = 0xFF0000;
    m_foreColor = Zel::ButtonTextColor;
    m_downColor = 0xFF0000;
    m_skinDisabledText = Zel::ButtonShadowColor;
    m_skinHighlight = Zel::ButtonHighlightColor;
    m_pictureBackColor = Zel::ButtonFaceColor;
    m_font = AmbientFont();
    m_onUp = 4;
    m_onDown = 10;
    m_onHover = 5;
    m_skinStyle = 0;
    m_picture = m_pictureDisabled = m_pictureHover = m_pictureDown = StdPicture();
    m_maskColor = Zel::ButtonFaceColor;
    m_useMaskColor = false;
    applyMask();
    update();
}

void GoldButton::ReadProperties(const PropertyBag& bag)
{
    // Everything is read before anything changes, so a stored value of the
    // wrong type (error 13) leaves the button as it was.
    const QString caption = bag.readString(QStringLiteral("Caption"), objectName());
    const bool enabled = bag.readBoolean(QStringLiteral("Enabled"), true);
    const qint32 selectedState = bag.readLong(QStringLiteral("SelectedState"), 0);
    const qint32 alignment = bag.readLong(QStringLiteral("Alignment"), 0);
    const qint32 buttonStyle = bag.readLong(QStringLiteral("ButtonStyle"), 1);
    const OLE_COLOR hoverColor = bag.readColor(QStringLiteral("HoverColor"), 0xFF0000);
    const OLE_COLOR foreColor = bag.readColor(QStringLiteral("ForeColor"), Zel::ButtonTextColor);
    // The pressed colour falls back to the hover colour just read.
    const OLE_COLOR downColor = bag.readColor(QStringLiteral("DownColor"), hoverColor);
    const OLE_COLOR skinDisabledText = bag.readColor(QStringLiteral("SkinDisabledText"), 0);
    const OLE_COLOR skinHighlight = bag.readColor(QStringLiteral("SkinHighlight"), 0);
    const OLE_COLOR pictureBackColor
        = bag.readColor(QStringLiteral("PictureBackColor"), Zel::ButtonFaceColor);
    const StdFont font = bag.readFont(QStringLiteral("Font"), AmbientFont());
    const qint32 onUp = bag.readLong(QStringLiteral("OnUp"), 4);
    const qint32 onDown = bag.readLong(QStringLiteral("OnDown"), 10);
    const qint32 onHover = bag.readLong(QStringLiteral("OnHover"), 4);
    const qint32 skinStyle = bag.readLong(QStringLiteral("Style"), 0);
    const StdPicture picture = bag.readPicture(QStringLiteral("Picture"));
    const StdPicture pictureDisabled = bag.readPicture(QStringLiteral("PictureDisabled"));
    const StdPicture pictureHover = bag.readPicture(QStringLiteral("PictureHover"));
    const StdPicture pictureDown = bag.readPicture(QStringLiteral("PictureDown"));
    const OLE_COLOR maskColor = bag.readColor(QStringLiteral("MaskColor"), Zel::ButtonFaceColor);
    const bool useMaskColor = bag.readBoolean(QStringLiteral("UseMaskColor"), false);

    m_caption = caption;
    m_enabled = enabled;
    QWidget::setEnabled(enabled);
    m_selectedState = selectedState;
    m_alignment = alignment;
    m_buttonStyle = buttonStyle;
    m_hoverColor = hoverColor;
    m_foreColor = foreColor;
    m_downColor = downColor;
    m_skinDisabledText = skinDisabledText;
    m_skinHighlight = skinHighlight;
    m_pictureBackColor = pictureBackColor;
    m_font = font;
    m_onUp = onUp;
    m_onDown = onDown;
    m_onHover = onHover;
    m_skinStyle = skinStyle;
    m_picture = picture;
    m_pictureDisabled = pictureDisabled;
    m_pictureHover = pictureHover;
    m_pictureDown = pictureDown;
    m_maskColor = maskColor;
    m_useMaskColor = useMaskColor;
    applyMask();
    update();
}

void GoldButton::WriteProperties(PropertyBag& bag) const
{
    bag.WriteProperty(QStringLiteral("Caption"), m_caption, objectName());
    bag.WriteProperty(QStringLiteral("Enabled"), m_enabled, true);
    bag.WriteProperty(QStringLiteral("SelectedState"), m_selectedState, false);
    bag.WriteProperty(QStringLiteral("Alignment"), m_alignment, 0);
    bag.WriteProperty(QStringLiteral("ButtonStyle"), m_buttonStyle, 1);
    bag.writeColor(QStringLiteral("HoverColor"), m_hoverColor, 0xFF0000);
    // Omitted only at the colour a missing entry reads back as: omitting
    // black would load a black caption in the button-text colour.
    bag.writeColor(QStringLiteral("ForeColor"), m_foreColor, Zel::ButtonTextColor);
    bag.writeColor(QStringLiteral("DownColor"), m_downColor, m_hoverColor);
    bag.writeColor(QStringLiteral("SkinDisabledText"), m_skinDisabledText, 0);
    bag.writeColor(QStringLiteral("SkinHighlight"), m_skinHighlight, 0);
    bag.writeColor(QStringLiteral("PictureBackColor"), m_pictureBackColor, Zel::ButtonFaceColor);
    bag.WriteProperty(QStringLiteral("Font"), QVariant::fromValue(m_font));
    bag.WriteProperty(QStringLiteral("OnUp"), m_onUp, 4);
    bag.WriteProperty(QStringLiteral("OnDown"), m_onDown, 10);
    bag.WriteProperty(QStringLiteral("OnHover"), m_onHover, 4);
    bag.WriteProperty(QStringLiteral("Style"), m_skinStyle, 0);
    bag.WriteProperty(QStringLiteral("Picture"), pictureValue(m_picture));
    bag.WriteProperty(QStringLiteral("PictureDisabled"), pictureValue(m_pictureDisabled));
    bag.WriteProperty(QStringLiteral("PictureHover"), pictureValue(m_pictureHover));
    bag.WriteProperty(QStringLiteral("PictureDown"), pictureValue(m_pictureDown));
    bag.writeColor(QStringLiteral("MaskColor"), m_maskColor, Zel::ButtonFaceColor);
    bag.WriteProperty(QStringLiteral("UseMaskColor"), m_useMaskColor, false);
}

// Painting

zc::ButtonFace GoldButton::face() const
{
    const auto& tabColors = zc::TabColors::instance();
    zc::ButtonFace face;
    face.size = size();
    face.look = m_look;
    face.caption = m_caption;
    face.font = m_font.toQFont();
    face.enabled = m_enabled;
    face.designMode = !UserMode();
    face.alignment = m_alignment;
    face.buttonStyle = m_buttonStyle;
    face.selectedState = m_selectedState;
    switch (m_look) {
    case zc::ButtonLook::Normal:
        face.captionColor = m_foreColor;
        break;
    case zc::ButtonLook::Hover:
        face.captionColor = m_hoverColor;
        break;
    case zc::ButtonLook::Down:
        face.captionColor = m_downColor;
        break;
    }
    face.onUp = m_onUp;
    face.onDown = m_onDown;
    face.onHover = m_onHover;
    face.icon = zc::iconForLook(m_look, m_enabled, m_maskedPicture, m_pictureHover.image(),
        m_pictureDown.image(), m_pictureDisabled.image());
    face.skinned = m_skinStyle == 1;
    face.skinDisabledText = m_skinDisabledText;
    face.skinHighlight = m_skinHighlight;
    face.tabBack = tabColors.back();
    face.tabBorder = tabColors.border();
    face.tabMouseOver = tabColors.mouseOver();
    return face;
}

void GoldButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    zc::paintButton(painter, face());
}

void GoldButton::showLook(zc::ButtonLook look)
{
    m_look = look;
    update();
}

// Mouse

bool GoldButton::insideFace(QPointF pos) const
{
    // The face's far edges still count as inside.
    return pos.x() >= 0 && pos.y() >= 0 && pos.x() <= width() && pos.y() <= height();
}

void GoldButton::releaseCapture()
{
    if (m_grabbing && QWidget::mouseGrabber() == this)
        releaseMouse();
    m_grabbing = false;
}

void GoldButton::mouseMoveEvent(QMouseEvent* event)
{
    const bool left = event->buttons() & Qt::LeftButton;
    const QPointF pos = event->position();
    if (!left) {
        if (!insideFace(pos)) {
            m_hover = false;
            releaseCapture();
            Q_EMIT MouseExit();
            showLook(zc::ButtonLook::Normal);
        } else if (!m_hover) {
            m_hover = true;
            // Holding the mouse makes leaving the face visible as a move outside.
            grabMouse();
            m_grabbing = true;
            Q_EMIT MouseEnter();
            showLook(zc::ButtonLook::Hover);
        }
    } else if (m_pressed) {
        if (QWidget::mouseGrabber() != this) {
            grabMouse();
            m_grabbing = true;
            showLook(zc::ButtonLook::Down);
        }
        showLook(insideFace(pos) ? zc::ButtonLook::Down : zc::ButtonLook::Hover);
    }
    Q_EMIT MouseMove(Zel::hostButtons(event->buttons()), Zel::hostShift(event->modifiers()),
        float(pos.x()), float(pos.y()));
}

void GoldButton::mousePressEvent(QMouseEvent* event)
{
    const QPointF pos = event->position();
    const qint16 button = Zel::hostButton(event->button());
    Q_EMIT MouseDown(button, Zel::hostShift(event->modifiers()), float(pos.x()), float(pos.y()));
    if (event->button() == Qt::LeftButton) {
        showLook(zc::ButtonLook::Down);
        m_pressed = true;
    }
}

void GoldButton::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF pos = event->position();
    if (event->button() == Qt::LeftButton && m_pressed) {
        if (insideFace(pos)) {
            m_hover = false;
            showLook(zc::ButtonLook::Normal);
            Q_EMIT Click();
            m_pressed = false;
            m_selectedState = 2;
        } else {
            showLook(zc::ButtonLook::Normal);
            m_hover = false;
            m_pressed = false;
            m_selectedState = 1;
        }
    }
    showLook(zc::ButtonLook::Normal);
    m_hover = false;
    m_pressed = false;
    // The release ends the capture as well; the next move over the face
    // enters it anew.
    releaseCapture();
    Q_EMIT MouseUp(Zel::hostButton(event->button()), Zel::hostShift(event->modifiers()),
        float(pos.x()), float(pos.y()));
}

void GoldButton::focusOutEvent(QFocusEvent* event)
{
    UserControl::focusOutEvent(event);
    m_hover = false;
    m_pressed = false;
    showLook(zc::ButtonLook::Normal);
}

void GoldButton::resizeEvent(QResizeEvent* event)
{
    UserControl::resizeEvent(event);
    showLook(zc::ButtonLook::Normal);
}

void GoldButton::changeEvent(QEvent* event)
{
    UserControl::changeEvent(event);
    // A hidden or disabled button cannot keep the mouse.
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        releaseCapture();
        m_hover = m_pressed = false;
        m_look = zc::ButtonLook::Normal;
    }
}

void GoldButton::hideEvent(QHideEvent* event)
{
    UserControl::hideEvent(event);
    releaseCapture();
    m_hover = m_pressed = false;
    m_look = zc::ButtonLook::Normal;
}
