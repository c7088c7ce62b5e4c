#pragma once

#include <QList>
#include <QVariant>
#include <common/DropDownControl.h>
#include <common/OleColor.h>

namespace Tabulon {

class ColorPopup;

/// The in-place colour editor: a face with a swatch, the colour's text and a
/// drop button that opens a popup ("picPopup", a Qt::Popup window owned by
/// the editor) with a 48-colour palette or the 25 system colours, up to 8
/// remembered custom colours, a transparent choice and a "More Color" button
/// that runs the colour dialog (Zel::chooseColor). The popup opens under the
/// control, or above it where the screen has no room; Escape, a focus loss,
/// hiding or moving the editor close it. Alt+Down and F4 open it.
///
/// SelectedColor -1 means transparent. The host form's cancel button is not
/// searched for while the popup is open: the popup takes the keyboard itself.
class ColorSelector : public DropDownControl
{
    Q_OBJECT
    /// The chosen colour; -1 is transparent.
    Q_PROPERTY(qint32 SelectedColor READ SelectedColor WRITE setSelectedColor NOTIFY
            SelectedColorChanged USER true)
    /// 1: sunken face with an inset drop button; other values: flat face.
    Q_PROPERTY(qint32 Appearance READ Appearance WRITE setAppearance NOTIFY AppearanceChanged)
    /// A thin border around a flat face.
    Q_PROPERTY(
        bool ControlBorder READ ControlBorder WRITE setControlBorder NOTIFY ControlBorderChanged)
    Q_PROPERTY(OLE_COLOR BackColor READ BackColor WRITE setBackColor NOTIFY BackColorChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled NOTIFY EnabledChanged)
    /// Setting it shows its numeric value as SelectedColor, raising no event.
    Q_PROPERTY(QVariant ViewColor READ ViewColor WRITE setViewColor NOTIFY ViewColorChanged)
    /// Face text as "#RRGGBB" (true) or as the decimal colour number.
    Q_PROPERTY(bool DisplayHexValue READ DisplayHexValue WRITE setDisplayHexValue NOTIFY
            DisplayHexValueChanged)
    Q_PROPERTY(StdFont Font READ Font WRITE setFont NOTIFY FontChanged)
    Q_PROPERTY(bool ShowTransparent READ ShowTransparent WRITE setShowTransparent NOTIFY
            ShowTransparentChanged)
    Q_PROPERTY(
        bool ShowMoreColor READ ShowMoreColor WRITE setShowMoreColor NOTIFY ShowMoreColorChanged)
    /// Shows the "Normal" and "System" buttons.
    Q_PROPERTY(bool ShowNormalColor READ ShowNormalColor WRITE setShowNormalColor NOTIFY
            ShowNormalColorChanged)
    Q_PROPERTY(bool ShowCustomColor READ ShowCustomColor WRITE setShowCustomColor NOTIFY
            ShowCustomColorChanged)
    Q_PROPERTY(QString TextNormal READ TextNormal WRITE setTextNormal NOTIFY TextNormalChanged)
    Q_PROPERTY(QString TextSystem READ TextSystem WRITE setTextSystem NOTIFY TextSystemChanged)
    Q_PROPERTY(
        QString TextMoreColor READ TextMoreColor WRITE setTextMoreColor NOTIFY TextMoreColorChanged)
    /// Caption of the transparent cell and the face text of a transparent colour.
    Q_PROPERTY(QString TextTransparent READ TextTransparent WRITE setTextTransparent NOTIFY
            TextTransparentChanged)

public:
    static constexpr qint32 Transparent = -1;
    /// Most custom colours remembered; the ninth overwrites the first.
    static constexpr int MaxCustomColors = 8;

    explicit ColorSelector(QWidget* parent = nullptr);
    ~ColorSelector() override;

    qint32 SelectedColor() const { return m_selectedColor; }
    /// Stores and repaints; a colour other than -1 then raises SelectedHex
    /// and SelectedLong. Setting the same colour again does nothing.
    void setSelectedColor(qint32 New_SelectedColor);
    qint32 Appearance() const { return m_appearance; }
    void setAppearance(qint32 New_Appearance);
    bool ControlBorder() const { return m_controlBorder; }
    void setControlBorder(bool New_ControlBorder);
    OLE_COLOR BackColor() const { return m_backColor; }
    void setBackColor(OLE_COLOR New_BackColor);
    bool Enabled() const { return isEnabled(); }
    void setEnabled(bool New_Enabled);
    QVariant ViewColor() const { return m_viewColor; }
    /// RuntimeError 13 for a value that is no number.
    void setViewColor(const QVariant& New_ViewColor);
    bool DisplayHexValue() const { return m_displayHexValue; }
    void setDisplayHexValue(bool New_DisplayHexValue);
    /// The face's and the popup's font; a new control takes the host's ambient font.
    StdFont Font() const { return m_font; }
    using QWidget::setFont;
    void setFont(const StdFont& New_Font);
    bool ShowTransparent() const { return m_showTransparent; }
    void setShowTransparent(bool New_ShowTransparent);
    bool ShowMoreColor() const { return m_showMoreColor; }
    void setShowMoreColor(bool New_ShowMoreColor);
    bool ShowNormalColor() const { return m_showNormalColor; }
    void setShowNormalColor(bool New_ShowNormalColor);
    bool ShowCustomColor() const { return m_showCustomColor; }
    void setShowCustomColor(bool New_ShowCustomColor);
    QString TextNormal() const { return m_textNormal; }
    void setTextNormal(const QString& New_TextNormal);
    QString TextSystem() const { return m_textSystem; }
    void setTextSystem(const QString& New_TextSystem);
    QString TextMoreColor() const { return m_textMoreColor; }
    void setTextMoreColor(const QString& New_TextMoreColor);
    QString TextTransparent() const { return m_textTransparent; }
    void setTextTransparent(const QString& New_TextTransparent);

    /// "#RRGGBB" of the low three bytes of \a color (0x00BBGGRR): &H0080FF
    /// gives "#FF8000".
    Q_INVOKABLE QString Convert2Hex(qint32 color) const;
    /// Reads the last six characters of \a Codes as RRGGBB (hex digits in
    /// either case, any other character 0; fewer characters are read as
    /// they come) into SelectedColor, raising no event.
    Q_INVOKABLE void ClickColor(const QString& Codes);
    /// Lays the popup out for the Show properties and sizes it.
    Q_INVOKABLE void InitDesign();

    /// True while the popup shows the system colours.
    bool isSystemMode() const { return m_systemMode; }
    /// False once a colour was chosen from a cell or the dialog, true again
    /// after the dialog was cancelled.
    bool IsCanceled() const { return m_isCanceled; }
    /// The remembered custom colours, in cell order.
    QList<OLE_COLOR> CustomColors() const { return m_customColors; }
    /// Inset on the sunken face (Appearance 1), full height on a flat one.
    QRect dropButtonRect() const override;

    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) const override;

Q_SIGNALS:
    /// A colour other than transparent was set: its "#RRGGBB" text.
    void SelectedHex(QString Hex);
    /// Raised right after SelectedHex with the colour number.
    void SelectedLong(qint32 Color);
    /// The transparent cell was chosen.
    void SelectedTransparent();

    /// \name Change notices
    ///@{

    /// Each is raised once when its property's value changes, and not when the value it holds
    /// is written again. SelectedColorChanged also comes when the user chooses a colour (before
    /// SelectedHex), and when ViewColor or ClickColor set it, which raise no event. They come
    /// beside the events above.
    void SelectedColorChanged(qint32 selectedColor);
    void AppearanceChanged(qint32 appearance);
    void ControlBorderChanged(bool controlBorder);
    void BackColorChanged(OLE_COLOR backColor);
    void EnabledChanged(bool enabled);
    void ViewColorChanged(const QVariant& viewColor);
    void DisplayHexValueChanged(bool displayHexValue);
    void FontChanged(const StdFont& font);
    void ShowTransparentChanged(bool showTransparent);
    void ShowMoreColorChanged(bool showMoreColor);
    void ShowNormalColorChanged(bool showNormalColor);
    void ShowCustomColorChanged(bool showCustomColor);
    void TextNormalChanged(const QString& textNormal);
    void TextSystemChanged(const QString& textSystem);
    void TextMoreColorChanged(const QString& textMoreColor);
    void TextTransparentChanged(const QString& textTransparent);
    ///@}

protected:
    void aboutToShowPopup() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void onCellClicked(int cell);
    void chooseColor(qint32 color);
    void runColorDialog();
    void rememberCustomColor(OLE_COLOR color);
    void updatePopupContent();
    QString faceText() const;
    void storeSelectedColor(qint32 color);
    void setShowFlag(bool& flag, bool value, const char* key, void (ColorSelector::*notify)(bool));
    void setText(QString& text, const QString& value, const char* key,
        void (ColorSelector::*notify)(const QString&));

    ColorPopup* m_popup;
    qint32 m_selectedColor = 0xFFFFFF;
    qint32 m_appearance = 1;
    bool m_controlBorder = false;
    OLE_COLOR m_backColor = 0xFFFFFF;
    QVariant m_viewColor;
    bool m_displayHexValue = true;
    StdFont m_font;
    bool m_showTransparent = true;
    bool m_showMoreColor = true;
    bool m_showNormalColor = true;
    bool m_showCustomColor = true;
    QString m_textNormal;
    QString m_textSystem;
    QString m_textMoreColor;
    QString m_textTransparent;

    bool m_systemMode = false;
    bool m_isCanceled = true;
    QList<OLE_COLOR> m_customColors;
    int m_customWritePosition = 0; // 1-based slot written last, 0 before the first
    Q_DISABLE_COPY(ColorSelector)
};

} // namespace Tabulon
