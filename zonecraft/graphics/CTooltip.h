#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <common/OleColor.h>

class CTooltipWindow;

/// One tip window that covers the whole client area of a parent widget:
/// while the pointer rests anywhere over that area, the tip shows; it hides
/// when the pointer leaves, a button is pressed, or it has been shown for a
/// while.
///
/// The fields take effect at the next Create. The tip window is a child of
/// the parent (a window of its own type), so it never outlives the parent;
/// Delete_TooltipFunction, a new Create and destruction of the CTooltip each
/// remove it.
class CTooltip
{
public:
    /// Tip looks (Style).
    enum TipStyle : qint32 { Rectangular = 0, Balloon = 1 };

    CTooltip();
    ~CTooltip();

    /// The widget whose client area the tip covers; none makes Create build no window.
    QWidget* HwndParentControl() const { return m_parent; }
    void setHwndParentControl(QWidget* New_HwndParentControl) { m_parent = New_HwndParentControl; }
    /// 0 rectangular, 1 balloon with a stem; other values are rectangular.
    qint32 Style() const { return m_style; }
    void setStyle(qint32 New_Style) { m_style = New_Style; }
    /// Centre the tip under the covered area instead of placing it at the pointer.
    bool Centered() const { return m_centered; }
    void setCentered(bool New_Centered) { m_centered = New_Centered; }
    /// Text colour; the system tip text colour (&H80000017) leaves the tip's own.
    OLE_COLOR ForeColor() const { return m_foreColor; }
    void setForeColor(OLE_COLOR New_ForeColor) { m_foreColor = New_ForeColor; }
    /// Background colour; the system tip colour (&H80000018) leaves the tip's own.
    OLE_COLOR BackColor() const { return m_backColor; }
    void setBackColor(OLE_COLOR New_BackColor) { m_backColor = New_BackColor; }
    /// An optional bold line above the text; "" shows none.
    QString Title() const { return m_title; }
    void setTitle(const QString& New_Title) { m_title = New_Title; }
    QString Text() const { return m_text; }
    void setText(const QString& New_Text) { m_text = New_Text; }
    /// Stored only: the tip keeps the line breaks of Text either way.
    bool MultiLine() const { return m_multiLine; }
    void setMultiLine(bool New_MultiLine) { m_multiLine = New_MultiLine; }

    static constexpr OLE_COLOR SystemToolTipForeColor() { return Zel::InfoTextColor; }
    static constexpr OLE_COLOR SystemToolTipBackColor() { return Zel::InfoBackgroundColor; }

    /// Removes a previous tip window, then, when a parent is set, builds a tip
    /// over the parent's client area as it is now (a later resize of the
    /// parent does not move it). True on success, also without a parent
    /// (then no window exists).
    bool Create();
    /// Removes the tip window, if any.
    void Delete_TooltipFunction();

    /// The tip window built by the last Create, or null.
    CTooltipWindow* tipWindow() const { return m_window; }

private:
    QPointer<QWidget> m_parent;
    qint32 m_style = Rectangular;
    bool m_centered = false;
    OLE_COLOR m_foreColor = Zel::InfoTextColor;
    OLE_COLOR m_backColor = Zel::InfoBackgroundColor;
    QString m_title;
    QString m_text;
    bool m_multiLine = true;
    QPointer<CTooltipWindow> m_window;
    Q_DISABLE_COPY(CTooltip)
};
