#include "TabStrip.h"

#include "../control/Zonecraft.h"
#include "GoldButton.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>
#include <common/RuntimeError.h>

namespace zc {

namespace {

constexpr int ControlArrayElementMissing = 340;

/// The black outline of the first tab's cell, under the tab buttons.
class TabCell : public QWidget
{
public:
    explicit TabCell(QWidget* parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

/// Calls a host object's IsAt(X, Y), whatever numeric types it takes.
bool invokeIsAt(QObject* obj, QPointF pos)
{
    const QMetaObject* meta = obj->metaObject();
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.name() != "IsAt" || method.parameterCount() != 2)
            continue;
        QVariant x(pos.x());
        QVariant y(pos.y());
        if (!x.convert(method.parameterMetaType(0)) || !y.convert(method.parameterMetaType(1)))
            continue;
        bool result = false;
        method.invoke(obj, Qt::DirectConnection, QGenericReturnArgument("bool", &result),
            QGenericArgument(method.parameterTypeName(0).constData(), x.constData()),
            QGenericArgument(method.parameterTypeName(1).constData(), y.constData()));
        return result;
    }
    return false;
}

void drawTab(QObject* tab, bool selected)
{
    tab->setProperty("Selected", selected);
    QMetaObject::invokeMethod(tab, "Draw", Qt::DirectConnection);
}

} // namespace

TabStrip::TabStrip(Zonecraft* control)
    : m_control(control)
{
    QWidget* surface = control;
    for (const QObject* child : surface->children())
        m_ownChildren.insert(child);
    m_firstCell = new TabCell(surface);
    m_ownChildren.insert(m_firstCell);
    m_buttons.push_back(makeButton(0));
    surface->installEventFilter(this);
}

TabStrip::~TabStrip() = default;

GoldButton* TabStrip::makeButton(qint32 index)
{
    auto* button = new GoldButton(m_control);
    button->setObjectName(QStringLiteral("GoldButton1"));
    button->setIndex(index);
    button->InitProperties();
    // The tab look: masked icons on the button face.
    button->setButtonStyle(4);
    button->setMaskColor(0xFF00FF);
    button->setPictureBackColor(0x8000000F);
    button->setUseMaskColor(true);
    button->hide();
    m_ownChildren.insert(button);
    if (index > 0)
        connect(button, &GoldButton::Click, this, [this, index] { activate(index); });
    return button;
}

void TabStrip::addTab(
    const QString& name, const QString& caption, QWidget* form, const StdPicture& picture)
{
    Tab tab;
    tab.name = name;
    tab.caption = caption;
    tab.form = form;
    tab.picture = picture;
    m_tabs.push_back(std::move(tab));
    computeWidths();
    GoldButton* button = makeButton(count());
    m_buttons.push_back(button);
    if (!picture.isNull())
        button->setPicture(picture);
}

void TabStrip::computeWidths()
{
    const QFontMetricsF metrics(m_control->font());
    m_totalWidth = 0;
    for (Tab& tab : m_tabs) {
        const double padding = tab.picture.isNull() ? CaptionPadding : PicturePadding;
        tab.width = qint32(std::lround(metrics.horizontalAdvance(tab.caption) + padding));
        m_totalWidth += tab.width;
    }
}

int TabStrip::rowTop() const
{
    const QWidget* surface = m_control;
    if (const auto* bar
        = surface->findChild<QScrollBar*>(QStringLiteral("HScroll1"), Qt::FindDirectChildrenOnly))
        return bar->y();
    return surface->height() - RowHeight;
}

void TabStrip::redrawTabs()
{
    const int top = rowTop();
    if (!m_tabs.empty()) {
        // The outline runs one pixel past the first cell on the right and below.
        m_firstCell->setGeometry(0, top, m_tabs.front().width + 1, RowHeight + 1);
        m_firstCell->show();
        m_firstCell->lower();
    }
    int x = 0;
    for (int i = 1; i <= count(); ++i) {
        const Tab& tab = m_tabs[size_t(i - 1)];
        GoldButton* button = m_buttons[size_t(i)];
        button->setGeometry(x, top, tab.width, RowHeight);
        button->setCaption(tab.caption);
        button->show();
        button->raise();
        x += tab.width;
    }
}

void TabStrip::activate(qint32 index)
{
    bool raised = false;
    const QPointer<QObject> alive(this);
    if (index != m_current) {
        m_buttons[size_t(m_current)]->ResetButton();
        const Tab& tab = m_tabs[size_t(index - 1)];
        if (!tab.form) {
            Q_EMIT m_control->TabClicked(tab.name);
            raised = true;
            if (!alive)
                return;
            for (QWidget* widget : containedControls())
                widget->setVisible(false);
        } else {
            if (m_current > 0) {
                if (QWidget* previous = m_tabs[size_t(m_current - 1)].form)
                    previous->setVisible(false);
            }
            tab.form->setVisible(true);
        }
        m_current = index;
    }
    if (!raised)
        Q_EMIT m_control->TabClicked(m_tabs[size_t(index - 1)].name);
}

void TabStrip::selectTabButton(qint32 index)
{
    if (index < 0 || index >= qint32(m_buttons.size()))
        throw RuntimeError(
            ControlArrayElementMissing, QStringLiteral("There is no tab button %1").arg(index));
    // The tab that loses its place loses its selected look too, so one tab
    // at most looks selected.
    if (index != m_current)
        m_buttons[size_t(m_current)]->ResetButton();
    GoldButton* button = m_buttons[size_t(index)];
    button->setSelectedState(2);
    button->update();
    m_current = index;
}

QList<QWidget*> TabStrip::containedControls() const
{
    QList<QWidget*> out;
    for (QObject* child : m_control->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && !widget->isWindow() && !m_ownChildren.contains(child))
            out << widget;
    }
    return out;
}

void TabStrip::resizeContainedControls()
{
    const QWidget* surface = m_control;
    const QRect inner = surface->contentsRect();
    for (QWidget* widget : containedControls())
        widget->setGeometry(0, 0, inner.width(), inner.height() - RowHeight - 1);
}

// Drawing tabs

QList<QObject*> TabStrip::drawingTabs() const
{
    QList<QObject*> out;
    for (const auto& tab : m_drawingTabs)
        if (tab)
            out << tab.data();
    return out;
}

void TabStrip::setDrawingTabs(const QList<QObject*>& tabs)
{
    m_drawingTabs.clear();
    for (QObject* tab : tabs)
        m_drawingTabs << QPointer<QObject>(tab);
}

QObject* TabStrip::drawingTabAt(QPointF pos) const
{
    for (auto it = m_drawingTabs.crbegin(); it != m_drawingTabs.crend(); ++it) {
        if (*it && invokeIsAt(it->data(), pos))
            return it->data();
    }
    return nullptr;
}

void TabStrip::selectingTab(QObject* obj)
{
    if (m_selectedTab)
        drawTab(m_selectedTab, false);
    m_selectedTab = obj;
    if (obj) {
        drawTab(obj, true);
        m_control->update();
    }
}

bool TabStrip::eventFilter(QObject* watched, QEvent* event)
{
    // A press on the control's own surface, outside its children.
    if (watched == m_control && event->type() == QEvent::MouseButtonPress
        && !m_drawingTabs.isEmpty()) {
        selectingTab(drawingTabAt(static_cast<QMouseEvent*>(event)->position()));
    }
    return false;
}

} // namespace zc
