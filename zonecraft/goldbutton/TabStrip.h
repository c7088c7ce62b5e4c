#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QWidget>
#include <common/StdPicture.h>
#include <vector>

class GoldButton;
class Zonecraft;

namespace zc {

/// The row of sheet-like tabs in the bottom-left corner of a Zonecraft,
/// left of its horizontal scroll bar, and the control's role as a
/// container.
///
/// Tabs are numbered from 1 and only accumulate. Each is a GoldButton in the
/// tab look, element i of the buttons named "GoldButton1" (element 0 exists
/// from the start and holds no tab). A tab may be bound to a host widget that
/// shows while the tab is the current one. Widgets the host places inside the
/// control ("contained controls") fill the area above the tab row.
class TabStrip : public QObject
{
public:
    /// Room a caption gets beside its text, without and with a picture.
    enum Metrics { CaptionPadding = 15, PicturePadding = 25, RowHeight = 20 };

    /// Every child \a control has now is its own; any widget it gets later
    /// from the host is a contained control.
    explicit TabStrip(Zonecraft* control);
    ~TabStrip() override;

    void addTab(
        const QString& name, const QString& caption, QWidget* form, const StdPicture& picture);
    /// Places and shows the tab buttons in the row of the horizontal bar.
    void redrawTabs();
    /// Gives tab \a index the selected look and makes it current; no event.
    /// Throws RuntimeError 340 when no such button exists.
    void selectTabButton(qint32 index);
    /// Sizes the contained controls to fill the area above the tab row.
    void resizeContainedControls();

    /// Selects a drawing tab (any object offering Selected, Draw and IsAt),
    /// deselecting the previous one; null deselects.
    void selectingTab(QObject* obj);
    QList<QObject*> drawingTabs() const;
    void setDrawingTabs(const QList<QObject*>& tabs);
    QObject* selectedTab() const { return m_selectedTab; }
    /// The last drawing tab whose IsAt accepts (x, y), or null.
    QObject* drawingTabAt(QPointF pos) const;

    int count() const { return int(m_tabs.size()); }
    qint32 currentTab() const { return m_current; }
    /// Tab \a index's width in pixels (1 … count()).
    qint32 tabWidth(qint32 index) const { return m_tabs[size_t(index - 1)].width; }
    /// The sum of the tab widths; 0 without tabs.
    qint32 totalWidth() const { return m_totalWidth; }
    /// Button element \a index (0 … count()).
    GoldButton* button(qint32 index) const { return m_buttons[size_t(index)]; }
    /// The widgets the host placed in the control, in their container order.
    QList<QWidget*> containedControls() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Tab
    {
        QString name;
        QString caption;
        qint32 width = 0;
        StdPicture picture;
        QPointer<QWidget> form;
    };

    GoldButton* makeButton(qint32 index);
    void computeWidths();
    void activate(qint32 index);
    int rowTop() const;

    Zonecraft* const m_control;
    std::vector<Tab> m_tabs;
    std::vector<GoldButton*> m_buttons;
    qint32 m_current = 0;
    qint32 m_totalWidth = 0;
    QSet<const QObject*> m_ownChildren;
    QWidget* m_firstCell = nullptr; // the outline under the first tab
    QList<QPointer<QObject>> m_drawingTabs;
    QPointer<QObject> m_selectedTab;
};

} // namespace zc
