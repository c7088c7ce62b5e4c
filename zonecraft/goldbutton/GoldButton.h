#pragma once

#include "GoldButtonPainter.h"

#include <QImage>
#include <common/OleColor.h>
#include <common/StdFont.h>
#include <common/StdPicture.h>
#include <common/UserControl.h>

/// A flat, hot-tracking push button that paints its own face, caption and
/// icon, with separate icons for the hover, pressed and disabled looks, edge
/// styles per state, and a tab look (ButtonStyle 4) whose colours are the
/// library's shared tab colours.
///
/// The pointer entering the face raises MouseEnter and captures the mouse so
/// that leaving raises MouseExit; a left press and a release inside the face
/// raise Click and leave SelectedState 2, a release outside leaves
/// SelectedState 1 and raises no Click. MouseDown, MouseMove and MouseUp
/// report every press, move and release (Button 1 left, 2 right, 4 middle;
/// Shift 1 Shift, 2 Ctrl, 4 Alt). The drag-and-drop notifications of the
/// classic button are not declared: Qt's drag and drop serves instead.
class GoldButton : public UserControl
{
    Q_OBJECT
    /// Text drawn on the face.
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    /// Also enables or disables the widget.
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    /// 0 left, 1 right, 2 centred (caption and icon).
    Q_PROPERTY(qint32 Alignment READ Alignment WRITE setAlignment)
    /// 4 the tab look; any other value the 3D-edge look.
    Q_PROPERTY(qint32 ButtonStyle READ ButtonStyle WRITE setButtonStyle)
    /// 0 never clicked, 1 released or reset, 2 selected (after a click).
    Q_PROPERTY(qint32 SelectedState READ SelectedState WRITE setSelectedState)
    /// Caption colour at rest.
    Q_PROPERTY(OLE_COLOR ForeColor READ ForeColor WRITE setForeColor)
    /// Caption colour while the pointer is over the face.
    Q_PROPERTY(OLE_COLOR HoverColor READ HoverColor WRITE setHoverColor)
    /// Caption colour while pressed.
    Q_PROPERTY(OLE_COLOR DownColor READ DownColor WRITE setDownColor)
    /// Edge (BDR_/EDGE_ bits) at rest, when selected.
    Q_PROPERTY(qint32 OnUp READ OnUp WRITE setOnUp)
    /// Edge while pressed.
    Q_PROPERTY(qint32 OnDown READ OnDown WRITE setOnDown)
    /// Edge while the pointer is over the face.
    Q_PROPERTY(qint32 OnHover READ OnHover WRITE setOnHover)
    /// Caption font.
    Q_PROPERTY(StdFont Font READ Font WRITE setFont)
    /// The icon; also used where a state has no icon of its own.
    Q_PROPERTY(StdPicture Picture READ Picture WRITE setPicture)
    Q_PROPERTY(StdPicture PictureHover READ PictureHover WRITE setPictureHover)
    Q_PROPERTY(StdPicture PictureDown READ PictureDown WRITE setPictureDown)
    Q_PROPERTY(StdPicture PictureDisabled READ PictureDisabled WRITE setPictureDisabled)
    /// What pixels of MaskColor in Picture become.
    Q_PROPERTY(OLE_COLOR PictureBackColor READ PictureBackColor WRITE setPictureBackColor)
    /// Pixels of exactly this colour in Picture are replaced (with UseMaskColor).
    Q_PROPERTY(OLE_COLOR MaskColor READ MaskColor WRITE setMaskColor)
    Q_PROPERTY(bool UseMaskColor READ UseMaskColor WRITE setUseMaskColor)
    /// Engraved disabled caption colours used when Style is 1.
    Q_PROPERTY(OLE_COLOR SkinDisabledText READ SkinDisabledText WRITE setSkinDisabledText)
    Q_PROPERTY(OLE_COLOR SkinHighlight READ SkinHighlight WRITE setSkinHighlight)
    /// 1: a disabled caption uses the two skin colours.
    Q_PROPERTY(qint32 Style READ Style WRITE setStyle)
    /// The button's element number in its control array (its tab's number in a tab strip).
    Q_PROPERTY(qint32 Index READ Index)

public:
    explicit GoldButton(QWidget* parent = nullptr);
    ~GoldButton() override;

    QString Caption() const { return m_caption; }
    void setCaption(const QString& New_Caption);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool New_Enabled);
    qint32 Alignment() const { return m_alignment; }
    void setAlignment(qint32 New_Alignment);
    qint32 ButtonStyle() const { return m_buttonStyle; }
    void setButtonStyle(qint32 New_ButtonStyle);
    qint32 SelectedState() const { return m_selectedState; }
    /// Stores only: the look changes at the next repaint.
    void setSelectedState(qint32 New_SelectedState);
    OLE_COLOR ForeColor() const { return m_foreColor; }
    void setForeColor(OLE_COLOR New_ForeColor);
    OLE_COLOR HoverColor() const { return m_hoverColor; }
    void setHoverColor(OLE_COLOR New_HoverColor);
    OLE_COLOR DownColor() const { return m_downColor; }
    void setDownColor(OLE_COLOR New_DownColor);
    qint32 OnUp() const { return m_onUp; }
    void setOnUp(qint32 New_OnUp);
    qint32 OnDown() const { return m_onDown; }
    void setOnDown(qint32 New_OnDown);
    qint32 OnHover() const { return m_onHover; }
    void setOnHover(qint32 New_OnHover);
    StdFont Font() const { return m_font; }
    void setFont(const StdFont& New_Font);
    StdPicture Picture() const { return m_picture; }
    void setPicture(const StdPicture& New_Picture);
    StdPicture PictureHover() const { return m_pictureHover; }
    void setPictureHover(const StdPicture& New_PictureHover);
    StdPicture PictureDown() const { return m_pictureDown; }
    void setPictureDown(const StdPicture& New_PictureDown);
    StdPicture PictureDisabled() const { return m_pictureDisabled; }
    void setPictureDisabled(const StdPicture& New_PictureDisabled);
    OLE_COLOR PictureBackColor() const { return m_pictureBackColor; }
    void setPictureBackColor(OLE_COLOR New_PictureBackColor);
    OLE_COLOR MaskColor() const { return m_maskColor; }
    void setMaskColor(OLE_COLOR New_MaskColor);
    bool UseMaskColor() const { return m_useMaskColor; }
    void setUseMaskColor(bool New_UseMaskColor);
    OLE_COLOR SkinDisabledText() const { return m_skinDisabledText; }
    void setSkinDisabledText(OLE_COLOR New_SkinDisabledText);
    OLE_COLOR SkinHighlight() const { return m_skinHighlight; }
    void setSkinHighlight(OLE_COLOR New_SkinHighlight);
    qint32 Style() const { return m_skinStyle; }
    void setStyle(qint32 New_Style);

    qint32 Index() const { return m_index; }
    /// Set by the owner of the control array, not persisted.
    void setIndex(qint32 index) { m_index = index; }

    /// Sets SelectedState to 1 and repaints.
    Q_INVOKABLE void ResetButton();

    /// The look the face shows now.
    zc::ButtonLook look() const { return m_look; }
    /// The normal icon as painted, after the mask colour was applied.
    QImage maskedPicture() const { return m_maskedPicture; }

    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) const override;

    QSize sizeHint() const override;

Q_SIGNALS:
    /// A left press and release inside the face.
    void Click();
    /// The pointer came over the face.
    void MouseEnter();
    /// The pointer left the face.
    void MouseExit();
    void MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    void MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    void MouseUp(qint16 Button, qint16 Shift, float X, float Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    /// Everything a paint needs, read from the state.
    zc::ButtonFace face() const;
    void showLook(zc::ButtonLook look);
    bool insideFace(QPointF pos) const;
    void applyMask();
    void releaseCapture();
    template<typename T> void replace(T& member, const T& value, const char* key, bool remask);
    qint32 m_index = 0;

    QString m_caption;
    bool m_enabled = true;
    qint32 m_alignment = 2;
    qint32 m_buttonStyle = 0;
    qint32 m_selectedState = 0;
    OLE_COLOR m_foreColor = Zel::ButtonTextColor;
    OLE_COLOR m_hoverColor = 0xFF0000;
    OLE_COLOR m_downColor = 0xFF0000;
    qint32 m_onUp = 4;
    qint32 m_onDown = 10;
    qint32 m_onHover = 5;
    StdFont m_font;
    StdPicture m_picture;
    StdPicture m_pictureHover;
    StdPicture m_pictureDown;
    StdPicture m_pictureDisabled;
    OLE_COLOR m_pictureBackColor = Zel::ButtonFaceColor;
    OLE_COLOR m_maskColor = Zel::ButtonFaceColor;
    bool m_useMaskColor = false;
    OLE_COLOR m_skinDisabledText = Zel::ButtonShadowColor;
    OLE_COLOR m_skinHighlight = Zel::ButtonHighlightColor;
    qint32 m_skinStyle = 0;

    QImage m_maskedPicture; // the normal icon's holder
    zc::ButtonLook m_look = zc::ButtonLook::Normal;
    bool m_pressed = false;
    bool m_hover = false;
    bool m_grabbing = false;
    Q_DISABLE_COPY(GoldButton)
};
