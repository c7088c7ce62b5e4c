#pragma once

#include <QDate>
#include <common/DropDownControl.h>
#include <common/OleColor.h>

class QLabel;
class PictureBox;

namespace Tabulon {

class clsCalendar;

/// The in-place date editor: the date as text with a drop button at the
/// right; the button opens a 180 x 180 month calendar ("picPopup", a
/// Qt::Popup window owned by the editor) under the control, or above it
/// where the screen has no room. The month buttons browse without closing;
/// pressing a day shows it in the face, raises ChangeDate and closes the
/// popup on release. Escape, a focus loss, hiding or moving the editor close
/// the popup. Alt+Down and F4 open it from the keyboard; in it the arrow
/// keys move the day, Page Up/Page Down the month, Home/End go to the month's
/// first and last day, and Enter or Space takes the day as a click does.
class Zel_DropCalendar : public DropDownControl
{
    Q_OBJECT
    Q_PROPERTY(OLE_COLOR BackColor READ BackColor WRITE setBackColor NOTIFY BackColorChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(StdFont Font READ Font WRITE setFont NOTIFY FontChanged)
    /// 0: no border, 1: a fixed single line.
    Q_PROPERTY(qint16 BorderApperance READ BorderApperance WRITE setBorderApperance NOTIFY
            BorderApperanceChanged)
    /// The shown date; invalid while the face shows no date. A day chosen in the popup sets it.
    Q_PROPERTY(
        QDate CaptionDate READ CaptionDate WRITE setCaptionDate NOTIFY CaptionDateChanged USER true)

public:
    /// Width of the drop button at the right of the face.
    static constexpr int DropButtonWidth = 18;
    /// Size of the calendar popup.
    static constexpr int PopupSize = 180;

    explicit Zel_DropCalendar(QWidget* parent = nullptr);
    ~Zel_DropCalendar() override;

    OLE_COLOR BackColor() const { return m_backColor; }
    void setBackColor(OLE_COLOR New_BackColor);
    bool Enabled() const { return isEnabled(); }
    void setEnabled(bool New_Enabled);
    /// The face's font; a new control takes the host's ambient font.
    StdFont Font() const;
    using QWidget::setFont;
    void setFont(const StdFont& New_Font);
    qint16 BorderApperance() const { return m_borderApperance; }
    /// RuntimeError 380 for values other than 0 and 1.
    void setBorderApperance(qint16 New_BorderApperance);
    /// The face's text read as a date in the short date format.
    QDate CaptionDate() const;
    /// Shows \a New_CaptionDate in the short date format and makes the
    /// calendar show its month with the day selected.
    void setCaptionDate(const QDate& New_CaptionDate);

    /// The month calendar drawn in the popup.
    clsCalendar* calendar() const { return m_calendar; }
    QRect dropButtonRect() const override;

    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) const override;

Q_SIGNALS:
    /// A day was pressed in the popup.
    void ChangeDate(QDate SelectedDate);

    /// \name Change notices
    ///@{

    /// Each is raised once when its property's value changes (CaptionDate also when a day is
    /// chosen in the popup, before ChangeDate), and not when the value it holds is written
    /// again. They come beside ChangeDate.
    void BackColorChanged(OLE_COLOR backColor);
    void EnabledChanged(bool enabled);
    void FontChanged(const StdFont& font);
    void BorderApperanceChanged(qint16 borderApperance);
    void CaptionDateChanged(const QDate& captionDate);
    ///@}

protected:
    void aboutToShowPopup() override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void onDateClicked(const QDate& date);
    void onPopupKey(int& keyCode);
    void showDay(const QDate& date);
    void showCaption(const QDate& date);
    void applyFont();
    void applyTextColor();
    void placeLabel();

    QLabel* m_label;
    PictureBox* m_popup;
    clsCalendar* m_calendar;
    OLE_COLOR m_backColor = 0xFFFFFF;
    StdFont m_font;
    qint16 m_borderApperance = 0;
    QDate m_keyboardDay; // the day the keys move in the open popup
    Q_DISABLE_COPY(Zel_DropCalendar)
};

} // namespace Tabulon
