#include "ZelPropList.h"

#include "DescriptionPane.h"
#include "PropListAccessible.h"
#include "PropListEditors.h"
#include "PropListLayout.h"
#include "PropListSurface.h"
#include "ZelPropList_p.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <common/AccessibleControl.h>
#include <common/Dialogs.h>
#include <common/EventGuard.h>
#include <common/HostConvert.h>
#include <common/HostInput.h>
#include <common/MousePointer.h>
#include <common/RuntimeError.h>

using namespace Tabulon;
namespace Layout = Tabulon::PropListLayout;

namespace {

/// Reports an error caught in a mouse handler the way the host would see it;
/// "subscript out of range" is ignored.
void reportHandlerError(int number, const char* where)
{
    if (number != RuntimeError::SubscriptOutOfRange)
        Zel::MsgBox(QString::fromLatin1(where));
}

} // namespace

// ---------------------------------------------------------------------------
// ZelPropListPrivate: layout and painting

ZelPropListPrivate::ZelPropListPrivate(ZelPropList* q)
    : q(q)
{ }

ZelPropListPrivate::~ZelPropListPrivate() = default;

void ZelPropListPrivate::applyFont()
{
    // Rows use the font's name and size only; headers add bold.
    QFont f = props.font.toQFont();
    f.setBold(false);
    f.setItalic(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    listFont = f;
    boldFont = f;
    boldFont.setBold(true);
    textHeight = QFontMetrics(listFont).height();
    label1->setFont(boldFont);
    label2->setFont(listFont);
    editors->applyFont(props.font);
}

int ZelPropListPrivate::innerWidth() const
{
    return q->contentsRect().width();
}

int ZelPropListPrivate::innerHeight() const
{
    return q->contentsRect().height();
}

int ZelPropListPrivate::listWidth() const
{
    return store.count() > visibleRows ? innerWidth() - props.scrollBarWidth : innerWidth();
}

void ZelPropListPrivate::layout()
{
    if (props.itemHeightAuto) {
        rowHeight = Layout::AutoRowHeight;
        textOffset = Layout::autoTextOffset(textHeight);
    } else {
        rowHeight = Layout::rowHeight(false, props.itemHeight, textHeight);
    }
    const QRect inner = q->contentsRect();
    laidOutSize = inner.size();
    const int listHeight
        = props.showDescription ? inner.height() - descriptionHeight : inner.height();
    visibleRows = Layout::visibleRows(listHeight, rowHeight);
    const int surfaceHeight = props.showDescription ? visibleRows * rowHeight : inner.height();
    surface->setGeometry(inner.x(), inner.y(), inner.width(), surfaceHeight);
    scrollBar->setGeometry(inner.x() + inner.width() - props.scrollBarWidth, inner.y(),
        props.scrollBarWidth, surfaceHeight);
    scrollBar->hide();
    barShown = false;
    syncScrollBar();
    layoutDescription();
    closeEditors();
    fullRepaint();
}

void ZelPropListPrivate::ensureLayout()
{
    // A hidden widget gets its resize event only when shown; hosts size and
    // fill a list before that.
    if (q->contentsRect().size() != laidOutSize)
        layout();
}

void ZelPropListPrivate::layoutDescription()
{
    if (!props.showDescription) {
        pane->hide();
        label1->clear();
        label2->clear();
        return;
    }
    const QRect inner = q->contentsRect();
    pane->setGeometry(
        inner.x(), inner.y() + surface->height() + 1, inner.width(), descriptionHeight);
    const int captionHeight = QFontMetrics(boldFont).height();
    label1->setGeometry(4, 4, std::max(0, inner.width() - 8), captionHeight);
    // The description label follows the pane's height, so a taller pane shows more text.
    label2->setGeometry(4, 4 + captionHeight, std::max(0, inner.width() - 8),
        std::max(0, descriptionHeight - captionHeight - 5));
    pane->show();
    pane->update();
}

void ZelPropListPrivate::queueRangeSync()
{
    // Adding many items recomputes the range once, when control returns to the event loop.
    if (rangeSyncQueued)
        return;
    rangeSyncQueued = true;
    QMetaObject::invokeMethod(
        q, [this] { syncScrollBar(); }, Qt::QueuedConnection);
}

void ZelPropListPrivate::syncScrollBar()
{
    rangeSyncQueued = false;
    const int count = store.count();
    const bool needed = count > visibleRows;
    if (needed != barShown) {
        barShown = needed;
        scrollBar->setVisible(needed);
        surface->update();
    }
    scrollBar->setPageStep(std::max(1, visibleRows));
    scrollBar->setMaximum(Layout::maxTopIndex(count, visibleRows));
}

void ZelPropListPrivate::updateRow(int row)
{
    if (row < topIndex || row >= topIndex + visibleRows)
        return;
    surface->update(Layout::rowRect(row, topIndex, rowHeight, surface->width()));
}

void ZelPropListPrivate::updateVisibleRows()
{
    surface->update();
}

void ZelPropListPrivate::fullRepaint()
{
    marks.clear();
    surface->update();
}

RowPaintContext ZelPropListPrivate::paintContext() const
{
    RowPaintContext c;
    c.rowHeight = rowHeight;
    c.textOffset = textOffset;
    c.topIndex = topIndex;
    c.listWidth = listWidth();
    c.surfaceWidth = surface->width();
    c.columnWidth = props.listColumWidth;
    c.itemOffset = props.itemOffset;
    c.itemTextLeft = props.itemTextLeft;
    c.wordWrap = props.wordWrap;
    c.enabled = q->isEnabled();
    c.gridLines = props.gridLines;
    c.coolXP = props.visualStyle == Style::CoolXP;
    c.editingRow = editorOpen ? editingRow : -1;
    c.font = listFont;
    c.boldFont = boldFont;
    c.backNormal = Zel::toQColor(props.backNormal, Qt::black);
    c.backSelected = Zel::toQColor(props.backSelected, Qt::black);
    c.backDisabled = Zel::toQColor(props.backDisabled, Qt::black);
    c.fontNormal = Zel::toQColor(props.fontNormal, Qt::black);
    c.fontSelected = Zel::toQColor(props.fontSelected, Qt::black);
    c.gridColor = Zel::toQColor(props.gridColor, Qt::black);
    c.windowBackground = Zel::toQColor(Zel::WindowBackgroundColor, Qt::black);
    c.windowText = Zel::toQColor(Zel::WindowTextColor, Qt::black);
    c.buttonFace = Zel::toQColor(Zel::ButtonFaceColor, Qt::black);
    c.buttonShadow = Zel::toQColor(Zel::ButtonShadowColor, Qt::black);
    c.visualColor = std::max(0, Zel::TranslateColor(props.visualColor));
    c.buttonFaceRgb = buttonFaceRgb;
    c.headerBackPicture = props.headerBackPicture.image();
    return c;
}

void ZelPropListPrivate::paintSurface(QPainter& painter, const QRect& exposed) const
{
    painter.fillRect(exposed, Zel::toQColor(props.backNormal, Qt::black));
    if (!q->UserMode()) {
        // Design time: the control's name and a focus rectangle around the first row.
        painter.setFont(listFont);
        painter.setPen(Zel::toQColor(props.fontNormal, Qt::black));
        painter.drawText(QRect(props.itemTextLeft, props.itemOffset, surface->width(), rowHeight),
            Qt::AlignLeft | Qt::AlignTop, q->objectName());
        painter.setPen(QPen(Zel::toQColor(Zel::WindowTextColor, Qt::black), 1, Qt::DotLine));
        painter.drawRect(0, 0, surface->width() - 1, rowHeight - 1);
        return;
    }
    const int count = store.count();
    if (count > 0 && visibleRows > 0) {
        const RowPaintContext context = paintContext();
        const int first = std::max(topIndex, Layout::rowAt(exposed.top(), rowHeight, topIndex));
        const int last = std::min({ topIndex + visibleRows - 1, count - 1,
            Layout::rowAt(exposed.bottom(), rowHeight, topIndex) });
        for (int row = first; row <= last; ++row)
            PropListPainter::paintRow(painter, context, store.at(row), row, store.isSelected(row));
    }
    for (const Mark& mark : marks) {
        if (mark.filled) {
            painter.fillRect(QRect(mark.line.p1(), mark.line.p2()).normalized(), mark.color);
        } else {
            painter.setPen(mark.color);
            painter.drawLine(mark.line);
        }
    }
}

void ZelPropListPrivate::applyEnabled()
{
    const QColor text
        = Zel::toQColor(q->isEnabled() ? Zel::ButtonTextColor : Zel::ButtonShadowColor, Qt::black);
    for (QLabel* label : { label1, label2 }) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, text);
        label->setPalette(palette);
    }
    scrollBar->setEnabled(q->isEnabled());
    updateVisibleRows();
}

void ZelPropListPrivate::applyCursor()
{
    surface->setCursor(Zel::cursorForPointer(props.mousePointer, props.mouseIcon));
}

void ZelPropListPrivate::applyBorder()
{
    const int margin = props.borderStyle == BorderS::Border ? 1 : 0;
    q->setContentsMargins(margin, margin, margin, margin);
}

// ---------------------------------------------------------------------------
// selection and scrolling

void ZelPropListPrivate::checkIndex(int index) const
{
    if (index < 0 || index >= store.count())
        throw RuntimeError(RuntimeError::InvalidPropertyArrayIndex);
}

bool ZelPropListPrivate::isSelectable(int row) const
{
    if (row < 0 || row >= store.count())
        return false;
    const Item& item = store.at(row);
    return item.Style != propHeader && item.Status != ItemDisabled;
}

void ZelPropListPrivate::assignListIndex(int index)
{
    closeTextEditor();
    const int count = store.count();
    if (count == 0 || index < 0) {
        listIndex = -1;
        lastY = -1;
    } else {
        listIndex = index;
    }
    if (previousIndex >= 0 && previousIndex < count) {
        store.setSelected(previousIndex, false);
        updateRow(previousIndex);
    }
    if (listIndex >= 0) {
        store.setSelected(listIndex, true);
        updateRow(listIndex);
    }
    previousIndex = listIndex;

    if (scrollIntoView) {
        if (listIndex >= 0) {
            syncScrollBar();
            if (listIndex < topIndex)
                assignTopIndex(listIndex);
            else if (listIndex > topIndex + visibleRows - 1)
                assignTopIndex(
                    std::min(listIndex - visibleRows + 1, Layout::maxTopIndex(count, visibleRows)));
        }
    } else {
        // The first assignment after an insert or removal keeps the view where it is.
        scrollIntoView = true;
    }
    q->PropertyChanged(QStringLiteral("ListIndex"));
    reportIndexes();
    Q_EMIT q->ListIndexChange();
}

void ZelPropListPrivate::assignTopIndex(int top)
{
    scrollBar->setValue(top);
    topIndex = scrollBar->value();
    q->PropertyChanged(QStringLiteral("TopIndex"));
    reportIndexes();
    Q_EMIT q->TopIndexChange();
}

void ZelPropListPrivate::reportIndexes()
{
    if (listIndex != reportedListIndex) {
        reportedListIndex = listIndex;
        Q_EMIT q->ListIndexChanged(listIndex);
    }
    const int top = scrollBar->value();
    if (top != reportedTopIndex) {
        reportedTopIndex = top;
        Q_EMIT q->TopIndexChanged(top);
    }
}

void ZelPropListPrivate::scrollBarMoved(int value)
{
    topIndex = value;
    reportIndexes();
    if (value == storedTop)
        return;
    storedTop = value;
    lastY = -1;
    closeEditors();
    fullRepaint();
    Q_EMIT q->Scroll();
}

void ZelPropListPrivate::shiftRowsFrom(int position, int delta)
{
    for (int* row : { &listIndex, &previousIndex, &editingRow, &commitRow }) {
        if (*row >= position && *row >= 0)
            *row += delta;
    }
}

void ZelPropListPrivate::removedRow(int position)
{
    if (editingRow == position)
        closeEditors();
    for (int* row : { &listIndex, &previousIndex, &editingRow, &commitRow }) {
        if (*row == position)
            *row = -1;
        else if (*row > position)
            --*row;
    }
}

// ---------------------------------------------------------------------------
// mouse

void ZelPropListPrivate::surfacePress(QMouseEvent* event)
{
    try {
        const QPointF pos = event->position();
        const int y = int(std::floor(pos.y()));
        const int row = Layout::rowAt(y, rowHeight, topIndex);
        if (!isSelectable(row))
            return;
        store.setSelected(row, true);
        lastY = y;
        assignListIndex(row);
        mouseHeld = true;
        suppressClick = false;
        Q_EMIT q->MouseDown(Zel::hostButton(event->button()), Zel::hostShift(event->modifiers()),
            float(pos.x()), float(pos.y()));
    } catch (const RuntimeError& error) {
        reportHandlerError(error.number(), "MouseDown");
    }
}

void ZelPropListPrivate::surfaceMove(QMouseEvent* event)
{
    try {
        const QPointF pos = event->position();
        const int y = int(std::floor(pos.y()));
        dragY = y;
        if (y > innerHeight()) {
            startAutoScroll(1);
        } else if (y < 0) {
            startAutoScroll(-1);
        } else if (std::floor(double(y) / rowHeight) != std::floor(double(lastY) / rowHeight)
            && (props.hoverSelection || event->buttons() != Qt::NoButton)) {
            const int row = Layout::rowAt(y, rowHeight, topIndex);
            if (!isSelectable(row))
                return;
            assignListIndex(row);
            lastY = y;
        }
        Q_EMIT q->MouseMove(Zel::hostButtons(event->buttons()), Zel::hostShift(event->modifiers()),
            float(pos.x()), float(pos.y()));
    } catch (const RuntimeError& error) {
        reportHandlerError(error.number(), "MOUSEMOVE");
    }
}

void ZelPropListPrivate::surfaceRelease(QMouseEvent* event)
{
    mouseHeld = false;
    autoScrollTimer.stop();
    autoScrollDirection = 0;
    if (listIndex == -1)
        return;
    const QPointF pos = event->position();
    commitRow = listIndex;
    showDescriptionOf(listIndex);
    q->ActivateStyle(listIndex);
    Q_EMIT q->MouseUp(Zel::hostButton(event->button()), Zel::hostShift(event->modifiers()),
        float(pos.x()), float(pos.y()));
    // A release that ends a double-click is no second click.
    if (!suppressClick && listIndex != -1)
        Q_EMIT q->Click();
    suppressClick = false;
}

void ZelPropListPrivate::surfaceDoubleClick(QMouseEvent* event)
{
    const int row = Layout::rowAt(int(std::floor(event->position().y())), rowHeight, topIndex);
    if (isSelectable(row) && row != listIndex)
        assignListIndex(row);
    mouseHeld = true;
    suppressClick = true;
    if (listIndex != -1)
        Q_EMIT q->DblClick();
}

void ZelPropListPrivate::surfaceWheel(QWheelEvent* event)
{
    // The wheel scrolls the list as the scroll bar would.
    if (barShown && scrollBar->isEnabled())
        QCoreApplication::sendEvent(scrollBar, event);
    else
        event->ignore();
}

void ZelPropListPrivate::startAutoScroll(int direction)
{
    if (!mouseHeld || autoScrollDirection == direction)
        return;
    // The pace is fixed from the drag position where the scroll starts.
    autoScrollDirection = direction;
    autoScrollTimer.start(Layout::autoScrollInterval(dragY, innerHeight()));
    autoScrollStep();
}

void ZelPropListPrivate::autoScrollStep()
{
    const bool up = autoScrollDirection < 0;
    const bool outside = up ? dragY < 0 : dragY > innerHeight() - 1;
    if (!mouseHeld || !outside || autoScrollDirection == 0) {
        autoScrollTimer.stop();
        autoScrollDirection = 0;
        return;
    }
    // Step to the next row the mouse may make current; headers and disabled rows are passed over.
    const int count = store.count();
    int row = listIndex;
    if (up && row <= 0)
        return;
    do {
        row += up ? -1 : 1;
    } while (row >= 0 && row < count && !isSelectable(row));
    if (row >= 0 && row < count)
        assignListIndex(row);
}

void ZelPropListPrivate::showDescriptionOf(int row)
{
    if (!props.showDescription || row < 0 || row >= store.count())
        return;
    label1->setText(store.at(row).Caption);
    label2->setText(store.at(row).Description);
}

// ---------------------------------------------------------------------------
// description splitter

void ZelPropListPrivate::panePress(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = pane->mapTo(q, event->position().toPoint());
    splitter.SplitterMouseDown(q, p.x(), p.y());
}

void ZelPropListPrivate::paneMove(QMouseEvent* event)
{
    const QPoint p = pane->mapTo(q, event->position().toPoint());
    splitter.SplitterContainer_MouseMove(p.x(), p.y());
}

void ZelPropListPrivate::paneRelease(QMouseEvent* event)
{
    const QPoint p = pane->mapTo(q, event->position().toPoint());
    if (!splitter.SplitterContainer_MouseUp(p.x(), p.y()))
        return;
    const int y = splitter.clampedPointer().y() - q->contentsRect().y();
    descriptionHeight = std::max(0, innerHeight() - y - 5);
    layout();
}

// ---------------------------------------------------------------------------
// editors

QRect ZelPropListPrivate::editorRect(int row) const
{
    const int x = props.listColumWidth + (store.at(row).Icon.isNull() ? 1 : Layout::ValueIndent);
    const int top = rowHeight * (listIndex - topIndex) + 1;
    return QRect(x, top, std::max(0, listWidth() - x), std::max(0, rowHeight - 1));
}

void ZelPropListPrivate::activate(int row, bool dropDown)
{
    closeEditors();
    // The editor is placed over the current row and commits to the commit row, so an item
    // opened by the host becomes both first: its value never lands in another row.
    if (row != listIndex)
        assignListIndex(row);
    ensureRowVisible(row);
    commitRow = row;
    const QRect where = editorRect(row);
    Q_EMIT q->KeySelected(store.at(row).Key);
    if (row >= store.count()) {
        // The host removed the item while it was being selected.
        Q_EMIT q->ErrorTracker(RuntimeError::SubscriptOutOfRange);
        return;
    }
    editorOpen = true;
    try {
        editors->open(row, where, dropDown);
        editingRow = row;
    } catch (const RuntimeError& error) {
        editors->closeAll();
        Q_EMIT q->ErrorTracker(error.number());
    }
    updateRow(row);
}

void ZelPropListPrivate::closeEditors()
{
    editors->closeAll();
}

void ZelPropListPrivate::closeTextEditor()
{
    editors->closeTextBox();
}

void ZelPropListPrivate::storeValue(int row, const QString& value)
{
    store.at(row).Value = value;
    if (!props.lockRedraw)
        updateRow(row);
}

void ZelPropListPrivate::commitValue(const QString& value)
{
    if (commitRow < 0 || commitRow >= store.count())
        throw RuntimeError(RuntimeError::SubscriptOutOfRange);
    const int row = commitRow;
    storeValue(row, value);
    Q_EMIT q->ChangeItem(store.at(row).Value, store.at(row).Key);
}

// ---------------------------------------------------------------------------
// keyboard

int ZelPropListPrivate::selectableRow(int from, int direction) const
{
    for (int row = from; row >= 0 && row < store.count(); row += direction) {
        if (isSelectable(row))
            return row;
    }
    return -1;
}

int ZelPropListPrivate::editableRow(int from, int direction) const
{
    for (int row = selectableRow(from, direction); row >= 0;
         row = selectableRow(row + direction, direction)) {
        if (PropListEditors::opensEditor(store.at(row).Style))
            return row;
    }
    return -1;
}

void ZelPropListPrivate::ensureRowVisible(int row)
{
    if (row < 0 || visibleRows <= 0)
        return;
    syncScrollBar();
    if (row < topIndex)
        assignTopIndex(row);
    else if (row > topIndex + visibleRows - 1)
        assignTopIndex(
            std::min(row - visibleRows + 1, Layout::maxTopIndex(store.count(), visibleRows)));
}

void ZelPropListPrivate::moveCurrentTo(int row)
{
    if (row < 0 || row == listIndex)
        return;
    assignListIndex(row);
    ensureRowVisible(row);
    showDescriptionOf(row);
}

void ZelPropListPrivate::openFromKeyboard(int row, bool dropDown)
{
    moveCurrentTo(row);
    commitRow = row;
    showDescriptionOf(row);
    activate(row, dropDown);
}

bool ZelPropListPrivate::navigationKey(QKeyEvent* event)
{
    const int count = store.count();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool none = listIndex < 0;
    // Page moves land on the row a page away, or the nearest selectable one before it.
    const auto pageTarget = [&](int direction) {
        const int target
            = std::clamp(listIndex + direction * std::max(1, visibleRows), 0, count - 1);
        const int row = selectableRow(target, -direction);
        return row >= 0 && row != listIndex ? row : selectableRow(target, direction);
    };
    switch (event->key()) {
    case Qt::Key_Up:
        moveCurrentTo(none ? selectableRow(0, 1) : selectableRow(listIndex - 1, -1));
        return true;
    case Qt::Key_Down:
        if (modifiers == Qt::AltModifier) {
            if (listIndex >= 0)
                openFromKeyboard(listIndex, true);
            return true;
        }
        moveCurrentTo(none ? selectableRow(0, 1) : selectableRow(listIndex + 1, 1));
        return true;
    case Qt::Key_PageUp:
        moveCurrentTo(none ? selectableRow(0, 1) : pageTarget(-1));
        return true;
    case Qt::Key_PageDown:
        moveCurrentTo(none ? selectableRow(0, 1) : pageTarget(1));
        return true;
    case Qt::Key_Home:
        moveCurrentTo(selectableRow(0, 1));
        return true;
    case Qt::Key_End:
        moveCurrentTo(selectableRow(count - 1, -1));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        if (listIndex >= 0)
            openFromKeyboard(listIndex, false);
        return true;
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------
// ZelPropList

ZelPropList::ZelPropList(QWidget* parent)
    : UserControl(parent)
    , d(std::make_unique<ZelPropListPrivate>(this))
{
    // Tab reaches the list too: it has a keyboard of its own.
    setFocusPolicy(Qt::StrongFocus);
    d->surface = new PropListSurface(d.get(), this);
    d->editors = std::make_unique<PropListEditors>(d.get(), d->surface);
    d->scrollBar = new QScrollBar(Qt::Vertical, this);
    d->scrollBar->setObjectName(QStringLiteral("sbUC"));
    watchAccessibility(this);
    d->scrollBar->setMinimum(0);
    d->scrollBar->setMaximum(0);
    d->scrollBar->hide();
    d->pane = new DescriptionPane(d.get(), this);
    d->label1 = new QLabel(d->pane);
    d->label1->setObjectName(QStringLiteral("Label1"));
    d->label2 = new QLabel(d->pane);
    d->label2->setObjectName(QStringLiteral("Label2"));
    d->label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    d->label2->setWordWrap(true);
    for (QLabel* label : { d->label1, d->label2 })
        label->setAttribute(Qt::WA_TransparentForMouseEvents);

    d->splitter.setOrientation(Lib_SplitterBar::Horizontal);
    d->splitter.setBorder(2, Layout::SplitterBorder);
    d->splitter.setBorder(4, Layout::SplitterBorder);
    d->splitter.setUseInternalAjustments(true);
    d->splitter.setSplitObject(d->pane);

    d->autoScrollTimer.setObjectName(QStringLiteral("autoScrollTimer"));
    connect(&d->autoScrollTimer, &QTimer::timeout, this,
        [this] { Zel::guardEvent("ZelPropList", [this] { d->autoScrollStep(); }); });
    connect(d->scrollBar, &QScrollBar::valueChanged, this,
        [this](int value) { Zel::guardEvent("ZelPropList", [&] { d->scrollBarMoved(value); }); });

    connect(this, &UserControl::userModeChanged, this, [this] { d->fullRepaint(); });

    d->buttonFaceRgb = std::max(0, Zel::TranslateColor(Zel::ButtonFaceColor));
    d->props.font = AmbientFont();
    d->applyFont();
    d->applyBorder();
    d->applyEnabled();
    d->layout();
}

ZelPropList::~ZelPropList() = default;

// --- items ---

void ZelPropList::AddItem(const QString& Key, const QString& Caption, PropertyStyle Style,
    const QString& Value, const QString& Description, const StdPicture& Icon, bool Locked)
{
    d->ensureLayout();
    const int position = d->store.append(
        Item { Key, Caption, Style, Value, Description, Icon, ItemEnabled, Locked });
    d->queueRangeSync();
    if (position < d->topIndex + d->visibleRows)
        d->updateRow(position);
    if (position >= 0)
        Zel::announceRows(this, QAccessibleTableModelChangeEvent::RowsInserted, position, position);
}

void ZelPropList::InsertItem(qint32 Index, const QVariant& Text, qint16 Icon, qint16 IconSelected)
{
    d->ensureLayout();
    Q_UNUSED(Icon)
    Q_UNUSED(IconSelected)
    const int count = d->store.count();
    if (count == 0 || Index < 0 || Index > count)
        throw RuntimeError(RuntimeError::InvalidPropertyArrayIndex);
    QString key;
    do {
        key = QStringLiteral("InsertedItem#%1").arg(d->nextInsertNumber++);
    } while (d->store.containsKey(key));
    QString caption;
    if (Text.isValid() && !Text.isNull())
        caption = Zel::toText(Text);
    d->store.insert(Index,
        Item { key, caption, propString, QString(), QString(), StdPicture(), ItemEnabled, false });
    d->shiftRowsFrom(Index, 1);
    d->scrollIntoView = false;
    d->syncScrollBar();
    d->updateVisibleRows();
    d->reportIndexes();
    Zel::announceRows(this, QAccessibleTableModelChangeEvent::RowsInserted, Index, Index);
}

bool ZelPropList::ModifyItem(const QString& Key, const QVariant& Value)
{
    const int position = d->store.indexOf(Key);
    if (position < 0)
        return false;
    d->closeEditors();
    if (!Value.isValid())
        return true; // Empty equals 0: nothing is stored.
    if (Value.typeId() == QMetaType::Nullptr)
        return false;
    QString text;
    double number;
    try {
        if (Value.typeId() == QMetaType::QString) {
            text = Value.toString();
            if (!Zel::isNumeric(text))
                return false;
            number = Zel::toDouble(text);
        } else {
            number = Zel::toDouble(Value);
            text = Zel::toText(Value);
        }
    } catch (const RuntimeError&) {
        return false;
    }
    if (number != 0 || text == QLatin1String("0")) {
        d->store.at(position).Value = text;
        if (!d->props.lockRedraw)
            d->updateRow(position);
        announceValue(this, position);
    }
    return true;
}

void ZelPropList::RemoveItem(const QString& Key)
{
    d->ensureLayout();
    const int position = d->store.remove(Key);
    d->removedRow(position);
    d->scrollIntoView = false;
    d->syncScrollBar();
    d->fullRepaint();
    d->reportIndexes();
    if (position >= 0)
        Zel::announceRows(this, QAccessibleTableModelChangeEvent::RowsRemoved, position, position);
}

void ZelPropList::Clear()
{
    d->closeEditors();
    d->scrollBar->hide();
    d->barShown = false;
    d->store.clear();
    QApplication::beep();
    d->previousIndex = -1;
    d->listIndex = -1;
    d->storedTop = -1;
    d->editingRow = -1;
    d->commitRow = -1;
    {
        // The emptied range pulls the bar back to 0; that is no scroll the host should hear of.
        const QSignalBlocker quiet(d->scrollBar);
        d->syncScrollBar();
    }
    d->topIndex = d->scrollBar->value();
    d->fullRepaint();
    d->reportIndexes();
    Zel::announceRows(this, QAccessibleTableModelChangeEvent::ModelReset);
}

qint32 ZelPropList::ListCount() const
{
    return d->store.count();
}

qint32 ZelPropList::SelectedCount() const
{
    return d->store.selectedCount();
}

QString ZelPropList::ItemText(qint32 Index) const
{
    d->checkIndex(Index);
    return d->store.at(Index).Value;
}

void ZelPropList::setItemText(qint32 Index, const QString& New_ItemText)
{
    d->checkIndex(Index);
    d->store.at(Index).Value = New_ItemText;
    if (!d->props.lockRedraw)
        d->updateRow(Index);
    announceValue(this, Index);
}

qint16 ZelPropList::ItemIcon(qint32 Index) const
{
    d->checkIndex(Index);
    return d->store.at(Index).Icon.isNull() ? 0 : d->store.iconHandle(Index);
}

void ZelPropList::setItemIcon(qint32 Index, qint16 New_ItemIcon)
{
    d->checkIndex(Index);
    if (d->store.at(Index).Icon.isNull())
        throw RuntimeError(
            RuntimeError::InvalidProcedureCall, tr("Item %1 has no icon.").arg(Index));
    d->store.setIconHandle(Index, New_ItemIcon);
    if (!d->props.lockRedraw)
        d->updateRow(Index);
}

bool ZelPropList::ItemSelected(qint32 Index) const
{
    d->checkIndex(Index);
    return d->store.isSelected(Index);
}

void ZelPropList::setItemSelected(qint32 Index, bool New_ItemSelected)
{
    d->ensureLayout();
    d->checkIndex(Index);
    if (New_ItemSelected)
        d->assignListIndex(Index);
}

void ZelPropList::ItemStatus(const QString& Key, Itembehavior Status)
{
    const int position = d->store.indexOf(Key);
    if (position < 0)
        return;
    d->store.at(position).Status = Status == ItemDisabled ? ItemDisabled : ItemEnabled;
    if (!d->props.lockRedraw)
        d->updateRow(position);
}

qint32 ZelPropList::ItemIndex(const QString& Key) const
{
    return d->store.indexOf(Key);
}

Item ZelPropList::GetItem(qint32 Index) const
{
    d->checkIndex(Index);
    return d->store.at(Index);
}

QString ZelPropList::HexToRGB(const QString& HexValue, const QString& delimiter) const
{
    return PropListPainter::hexToRgb(HexValue, delimiter);
}

qint32 ZelPropList::TranslateColor(OLE_COLOR Clr, qint32 hpal) const
{
    Q_UNUSED(hpal) // Qt resolves system colours through the application palette.
    return Zel::TranslateColor(Clr);
}

// --- whole control ---

void ZelPropList::Refresh()
{
    // A host may have edited the font object in place.
    const int oldHeight = d->textHeight;
    const QFont oldFont = d->listFont;
    d->applyFont();
    if (d->textHeight != oldHeight || d->listFont != oldFont)
        d->layout();
    d->syncScrollBar();
    d->fullRepaint();
}

void ZelPropList::LockUpdate(bool Locked)
{
    Q_UNUSED(Locked) // Both values repaint the visible rows.
    d->updateVisibleRows();
}

void ZelPropList::LoseProperty()
{
    d->closeEditors();
}

void ZelPropList::DescriptionResize()
{
    d->layout();
}

void ZelPropList::RaiseFocus() { }

void ZelPropList::ActivateStyle(qint32 Index)
{
    d->ensureLayout();
    if (Index < 0 || Index >= d->store.count()) {
        Q_EMIT ErrorTracker(RuntimeError::SubscriptOutOfRange);
        return;
    }
    d->activate(Index, false);
}

void ZelPropList::StartEdit2()
{
    d->ensureLayout();
    d->editors->startTextEdit();
}

void ZelPropList::EndEdit(bool Modify)
{
    d->editors->endTextEdit(Modify);
}

void ZelPropList::UpdateChangeEvent(const QString& Value)
{
    d->commitValue(Value);
}

void ZelPropList::DrawLine(
    qint32 X1, qint32 Y1, qint32 X2, qint32 Y2, OLE_COLOR Color, const QVariant& Filled)
{
    bool filled;
    if (Filled.typeId() == QMetaType::Bool) {
        filled = Filled.toBool();
    } else {
        bool ok = false;
        const double value = Filled.toDouble(&ok);
        if (!ok || (value != 0 && value != -1))
            return;
        filled = value == -1;
    }
    QLine line(X1, Y1, X2, Y2);
    if (!filled) {
        // The end point itself is not drawn.
        if (line.p1() == line.p2())
            return;
        const int dx = (X2 > X1) - (X2 < X1);
        const int dy = (Y2 > Y1) - (Y2 < Y1);
        if (std::abs(X2 - X1) >= std::abs(Y2 - Y1))
            line.setP2(QPoint(X2 - dx, Y2 - (X2 - X1 == 0 ? dy : 0)));
        else
            line.setP2(QPoint(X2 - (Y2 - Y1 == 0 ? dx : 0), Y2 - dy));
    }
    d->marks.push_back({ line, Zel::toQColor(Color, Qt::black), filled });
    d->surface->update(QRect(line.p1(), line.p2()).normalized().adjusted(-1, -1, 1, 1));
}

// --- properties ---

bool ZelPropList::Enabled() const
{
    // The control's own state: a disabled parent greys it without changing what the host set.
    return !testAttribute(Qt::WA_ForceDisabled);
}

void ZelPropList::setEnabled(bool New_Enabled)
{
    if (Enabled() == New_Enabled)
        return;
    QWidget::setEnabled(New_Enabled);
    PropertyChanged(QStringLiteral("Enabled"));
    Q_EMIT EnabledChanged(Enabled());
}

qint16 ZelPropList::ScrollBarWidth() const
{
    return d->props.scrollBarWidth;
}

void ZelPropList::setScrollBarWidth(qint16 New_ScrollBarWidth)
{
    qint16 value = New_ScrollBarWidth <= 8 ? qint16(9) : New_ScrollBarWidth;
    if (value > width() / 2)
        value = qint16(width() / 2);
    if (!setIfChanged(d->props.scrollBarWidth, value, QStringLiteral("ScrollBarWidth")))
        return;
    d->layout();
    Q_EMIT ScrollBarWidthChanged(ScrollBarWidth());
}

StdFont ZelPropList::Font() const
{
    return d->props.font;
}

void ZelPropList::setFont(const StdFont& New_Font)
{
    if (d->props.font.isSameObject(New_Font)) {
        // The host may have edited the object it assigned before.
        Refresh();
        return;
    }
    d->props.font = New_Font;
    PropertyChanged(QStringLiteral("Font"));
    d->applyFont();
    d->layout();
    Q_EMIT FontChanged(Font());
}

#define ZEL_COLOR_PROPERTY(Name, member, repaint)                                                  \
    OLE_COLOR ZelPropList::Name() const                                                            \
    {                                                                                              \
        return d->props.member;                                                                    \
    }                                                                                              \
    void ZelPropList::set##Name(OLE_COLOR New_##Name)                                              \
    {                                                                                              \
        if (!setIfChanged(                                                                         \
                d->props.member, New_##Name, QStringLiteral(#Name), &ZelPropList::Name##Changed))  \
            return;                                                                                \
        if (repaint)                                                                               \
            d->updateVisibleRows();                                                                \
    }

ZEL_COLOR_PROPERTY(FontNormal, fontNormal, true)
ZEL_COLOR_PROPERTY(FontSelected, fontSelected, true)
ZEL_COLOR_PROPERTY(BackNormal, backNormal, true)
ZEL_COLOR_PROPERTY(BackDisabled, backDisabled, true)
ZEL_COLOR_PROPERTY(BackSelected, backSelected, true)
ZEL_COLOR_PROPERTY(BackSelectedG1, backSelectedG1, false)
ZEL_COLOR_PROPERTY(BackSelectedG2, backSelectedG2, false)
ZEL_COLOR_PROPERTY(BoxBorder, boxBorder, false)
ZEL_COLOR_PROPERTY(GridColor, gridColor, true)
ZEL_COLOR_PROPERTY(VisualColor, visualColor, true)
#undef ZEL_COLOR_PROPERTY

#define ZEL_PLAIN_PROPERTY(Type, Name, member, repaint)                                            \
    Type ZelPropList::Name() const                                                                 \
    {                                                                                              \
        return d->props.member;                                                                    \
    }                                                                                              \
    void ZelPropList::set##Name(Type New_##Name)                                                   \
    {                                                                                              \
        if (!setIfChanged(                                                                         \
                d->props.member, New_##Name, QStringLiteral(#Name), &ZelPropList::Name##Changed))  \
            return;                                                                                \
        if (repaint)                                                                               \
            d->updateVisibleRows();                                                                \
    }

ZEL_PLAIN_PROPERTY(qint16, BoxRadius, boxRadius, true)
ZEL_PLAIN_PROPERTY(bool, HoverSelection, hoverSelection, false)
ZEL_PLAIN_PROPERTY(bool, WordWrap, wordWrap, true)
ZEL_PLAIN_PROPERTY(qint16, ItemTextLeft, itemTextLeft, true)
ZEL_PLAIN_PROPERTY(bool, ShowMenu, showMenu, false)
ZEL_PLAIN_PROPERTY(Tabulon::GridLines, ShowGridLines, gridLines, true)
ZEL_PLAIN_PROPERTY(qint32, ListColumWidth, listColumWidth, true)
ZEL_PLAIN_PROPERTY(Tabulon::Style, VisualStyle, visualStyle, true)
ZEL_PLAIN_PROPERTY(qint32, SpinMaxValue, spinMaxValue, false)
#undef ZEL_PLAIN_PROPERTY

qint16 ZelPropList::BoxOffset() const
{
    return d->props.boxOffset;
}

void ZelPropList::setBoxOffset(qint16 New_BoxOffset)
{
    if (New_BoxOffset > d->rowHeight / 2
        || !setIfChanged(d->props.boxOffset, New_BoxOffset, QStringLiteral("BoxOffset")))
        return;
    d->updateVisibleRows();
    Q_EMIT BoxOffsetChanged(BoxOffset());
}

bool ZelPropList::LockRedraw() const
{
    return d->props.lockRedraw;
}

void ZelPropList::setLockRedraw(bool New_LockRedraw)
{
    if (!setIfChanged(d->props.lockRedraw, New_LockRedraw, QStringLiteral("LockRedraw")))
        return;
    if (!New_LockRedraw)
        d->fullRepaint();
    Q_EMIT LockRedrawChanged(LockRedraw());
}

bool ZelPropList::Focus() const
{
    return d->props.focus;
}

void ZelPropList::setFocus(bool New_Focus)
{
    if (!setIfChanged(d->props.focus, New_Focus, QStringLiteral("Focus")))
        return;
    if (!New_Focus)
        d->updateRow(d->listIndex);
    Q_EMIT FocusChanged(Focus());
}

qint16 ZelPropList::ItemHeight() const
{
    return qint16(std::max<int>(d->props.itemHeight, d->textHeight));
}

void ZelPropList::setItemHeight(qint16 New_ItemHeight)
{
    if (!setIfChanged(d->props.itemHeight, New_ItemHeight, QStringLiteral("ItemHeight")))
        return;
    d->layout();
    Q_EMIT ItemHeightChanged(ItemHeight());
}

bool ZelPropList::ItemHeightAuto() const
{
    return d->props.itemHeightAuto;
}

void ZelPropList::setItemHeightAuto(bool New_ItemHeightAuto)
{
    if (!setIfChanged(
            d->props.itemHeightAuto, New_ItemHeightAuto, QStringLiteral("ItemHeightAuto")))
        return;
    d->layout();
    Q_EMIT ItemHeightAutoChanged(ItemHeightAuto());
}

qint16 ZelPropList::ItemOffset() const
{
    return d->props.itemOffset;
}

void ZelPropList::setItemOffset(qint16 New_ItemOffset)
{
    if (New_ItemOffset > d->rowHeight
        || !setIfChanged(d->props.itemOffset, New_ItemOffset, QStringLiteral("ItemOffset")))
        return;
    d->updateVisibleRows();
    Q_EMIT ItemOffsetChanged(ItemOffset());
}

StdPicture ZelPropList::SelectionPicture() const
{
    return d->props.selectionPicture;
}

void ZelPropList::setSelectionPicture(const StdPicture& New_SelectionPicture)
{
    setIfChanged(d->props.selectionPicture, New_SelectionPicture,
        QStringLiteral("SelectionPicture"), &ZelPropList::SelectionPictureChanged);
}

qint16 ZelPropList::MousePointer() const
{
    return d->props.mousePointer;
}

void ZelPropList::setMousePointer(qint16 New_MousePointer)
{
    if (!setIfChanged(d->props.mousePointer, New_MousePointer, QStringLiteral("MousePointer")))
        return;
    d->applyCursor();
    Q_EMIT MousePointerChanged(MousePointer());
}

StdPicture ZelPropList::MouseIcon() const
{
    return d->props.mouseIcon;
}

void ZelPropList::setMouseIcon(const StdPicture& New_MouseIcon)
{
    if (!setIfChanged(d->props.mouseIcon, New_MouseIcon, QStringLiteral("MouseIcon")))
        return;
    d->applyCursor();
    Q_EMIT MouseIconChanged(MouseIcon());
}

bool ZelPropList::ShowDescription() const
{
    return d->props.showDescription;
}

void ZelPropList::setShowDescription(bool New_ShowDescription)
{
    if (!setIfChanged(
            d->props.showDescription, New_ShowDescription, QStringLiteral("ShowDescription")))
        return;
    d->layout();
    Q_EMIT ShowDescriptionChanged(ShowDescription());
}

StdPicture ZelPropList::HeaderBackPicture() const
{
    return d->props.headerBackPicture;
}

void ZelPropList::setHeaderBackPicture(const StdPicture& New_HeaderBackPicture)
{
    if (!setIfChanged(
            d->props.headerBackPicture, New_HeaderBackPicture, QStringLiteral("HeaderBackPicture")))
        return;
    d->updateVisibleRows();
    Q_EMIT HeaderBackPictureChanged(HeaderBackPicture());
}

BorderS ZelPropList::BorderStyle() const
{
    return d->props.borderStyle;
}

void ZelPropList::setBorderStyle(BorderS New_BorderStyle)
{
    if (!setIfChanged(d->props.borderStyle, New_BorderStyle, QStringLiteral("BorderStyle")))
        return;
    d->applyBorder();
    d->layout();
    update();
    Q_EMIT BorderStyleChanged(BorderStyle());
}

qint32 ZelPropList::ListIndex() const
{
    return d->listIndex;
}

void ZelPropList::setListIndex(qint32 New_ListIndex)
{
    d->ensureLayout();
    if (New_ListIndex < -1 || New_ListIndex >= d->store.count())
        throw RuntimeError(RuntimeError::InvalidPropertyValue);
    d->assignListIndex(New_ListIndex);
}

qint32 ZelPropList::TopIndex() const
{
    d->ensureLayout();
    d->syncScrollBar();
    return d->scrollBar->value();
}

void ZelPropList::setTopIndex(qint32 New_TopIndex)
{
    d->ensureLayout();
    d->syncScrollBar();
    if (New_TopIndex < 0 || New_TopIndex > Layout::maxTopIndex(d->store.count(), d->visibleRows))
        throw RuntimeError(RuntimeError::InvalidPropertyValue);
    d->assignTopIndex(New_TopIndex);
}

QString ZelPropList::Tmp_Text() const
{
    return d->pendingValue;
}

void ZelPropList::setTmp_Text(const QString& New_Tmp_Text)
{
    if (d->pendingValue == New_Tmp_Text)
        return;
    d->pendingValue = New_Tmp_Text;
    Q_EMIT Tmp_TextChanged(Tmp_Text());
}

int ZelPropList::rowHeight() const
{
    d->ensureLayout();
    return d->rowHeight;
}

int ZelPropList::visibleRowCount() const
{
    d->ensureLayout();
    return d->visibleRows;
}

int ZelPropList::descriptionHeight() const
{
    d->ensureLayout();
    return d->descriptionHeight;
}

// --- persistence ---

void ZelPropList::InitProperties()
{
    d->props.font = AmbientFont();
    d->props.selectionPicture = StdPicture();
    d->applyFont();
    d->layout();
}

void ZelPropList::ReadProperties(const PropertyBag& bag)
{
    // Everything is read before anything changes, so a bad stored value
    // (error 13) leaves the control as it was.
    const PropListProperties def;
    PropListProperties r;
    const bool enabled = bag.readBoolean(QStringLiteral("Enabled"), true);
    r.scrollBarWidth = std::max<qint16>(
        bag.readInteger(QStringLiteral("ScrollBarWidth"), def.scrollBarWidth), 9);
    r.font = bag.readFont(QStringLiteral("Font"), AmbientFont());
    r.fontNormal = bag.readColor(QStringLiteral("FontNormal"), def.fontNormal);
    r.fontSelected = bag.readColor(QStringLiteral("FontSelected"), def.fontSelected);
    r.backNormal = bag.readColor(QStringLiteral("BackNormal"), def.backNormal);
    r.backDisabled = bag.readColor(QStringLiteral("BackDisabled"), def.backDisabled);
    r.backSelected = bag.readColor(QStringLiteral("BackSelected"), def.backSelected);
    r.backSelectedG1 = bag.readColor(QStringLiteral("BackSelectedG1"), def.backSelectedG1);
    r.backSelectedG2 = bag.readColor(QStringLiteral("BackSelectedG2"), def.backSelectedG2);
    r.boxBorder = bag.readColor(QStringLiteral("BoxBorder"), def.boxBorder);
    r.boxOffset = bag.readInteger(QStringLiteral("BoxOffset"), def.boxOffset);
    r.boxRadius = bag.readInteger(QStringLiteral("BoxRadius"), def.boxRadius);
    r.lockRedraw = bag.readBoolean(QStringLiteral("LockRedraw"), def.lockRedraw);
    r.focus = bag.readBoolean(QStringLiteral("Focus"), def.focus);
    r.hoverSelection = bag.readBoolean(QStringLiteral("HoverSelection"), def.hoverSelection);
    r.wordWrap = bag.readBoolean(QStringLiteral("WordWrap"), def.wordWrap);
    r.itemHeight = bag.readInteger(QStringLiteral("ItemHeight"), def.itemHeight);
    r.itemHeightAuto = bag.readBoolean(QStringLiteral("ItemHeightAuto"), def.itemHeightAuto);
    r.itemOffset = bag.readInteger(QStringLiteral("ItemOffset"), def.itemOffset);
    r.itemTextLeft = bag.readInteger(QStringLiteral("ItemTextLeft"), def.itemTextLeft);
    r.selectionPicture = bag.readPicture(QStringLiteral("SelectionPicture"));
    r.showMenu = bag.readBoolean(QStringLiteral("ShowMenu"), def.showMenu);
    r.mousePointer = bag.readInteger(QStringLiteral("MousePointer"), def.mousePointer);
    r.mouseIcon = bag.readPicture(QStringLiteral("MouseIcon"));
    const qint32 grid = bag.readLong(QStringLiteral("ShowGridLines"), qint32(def.gridLines));
    r.gridLines = grid == 1 ? GridLines::Solid : grid == 2 ? GridLines::dotted : GridLines::None;
    r.gridColor = bag.readColor(QStringLiteral("GridColor"), def.gridColor);
    r.listColumWidth = bag.readLong(QStringLiteral("ListColumWidth"), def.listColumWidth);
    r.showDescription = bag.readBoolean(QStringLiteral("ShowDescription"), def.showDescription);
    // A stored Boolean True (-1) counts as CoolXP too.
    const qint32 visualStyle = bag.readLong(QStringLiteral("VisualStyle"), qint32(def.visualStyle));
    r.visualStyle = visualStyle != 0 ? Style::CoolXP : Style::Standard;
    r.visualColor = bag.readColor(QStringLiteral("VisualColor"), def.visualColor);
    r.headerBackPicture = bag.readPicture(QStringLiteral("HeaderBackPicture"));
    const qint16 border = bag.readInteger(QStringLiteral("BorderStyle"), qint16(def.borderStyle));
    r.borderStyle = border == 0 ? BorderS::NoBorder : BorderS::Border;
    r.spinMaxValue = bag.readLong(QStringLiteral("SpinMaxValue"), def.spinMaxValue);

    d->props = r;
    QWidget::setEnabled(enabled);
    if (d->listIndex >= 0 && d->listIndex < d->store.count())
        d->store.setSelected(d->listIndex, false);
    d->listIndex = -1;
    d->previousIndex = -1;
    d->storedTop = -1;
    d->applyCursor();
    d->applyBorder();
    d->applyFont();
    d->applyEnabled();
    d->layout();
    d->reportIndexes();
}

void ZelPropList::WriteProperties(PropertyBag& bag) const
{
    const PropListProperties def;
    const PropListProperties& p = d->props;
    const auto picture = [](const StdPicture& picture) { return QVariant::fromValue(picture); };
    bag.WriteProperty(QStringLiteral("Enabled"), Enabled(), true);
    bag.WriteProperty(QStringLiteral("ScrollBarWidth"), p.scrollBarWidth, def.scrollBarWidth);
    bag.WriteProperty(
        QStringLiteral("Font"), QVariant::fromValue(p.font), QVariant::fromValue(AmbientFont()));
    bag.writeColor(QStringLiteral("FontNormal"), p.fontNormal, def.fontNormal);
    bag.writeColor(QStringLiteral("FontSelected"), p.fontSelected, def.fontSelected);
    bag.writeColor(QStringLiteral("BackNormal"), p.backNormal, def.backNormal);
    bag.writeColor(QStringLiteral("BackDisabled"), p.backDisabled, def.backDisabled);
    bag.writeColor(QStringLiteral("BackSelected"), p.backSelected, def.backSelected);
    bag.writeColor(QStringLiteral("BackSelectedG1"), p.backSelectedG1, def.backSelectedG1);
    bag.writeColor(QStringLiteral("BackSelectedG2"), p.backSelectedG2, def.backSelectedG2);
    bag.writeColor(QStringLiteral("BoxBorder"), p.boxBorder, def.boxBorder);
    bag.WriteProperty(QStringLiteral("BoxOffset"), p.boxOffset, def.boxOffset);
    bag.WriteProperty(QStringLiteral("BoxRadius"), p.boxRadius, def.boxRadius);
    bag.WriteProperty(QStringLiteral("LockRedraw"), p.lockRedraw, def.lockRedraw);
    bag.WriteProperty(QStringLiteral("Focus"), p.focus, def.focus);
    bag.WriteProperty(QStringLiteral("HoverSelection"), p.hoverSelection, def.hoverSelection);
    bag.WriteProperty(QStringLiteral("WordWrap"), p.wordWrap, def.wordWrap);
    bag.WriteProperty(QStringLiteral("ItemHeight"), p.itemHeight, def.itemHeight);
    bag.WriteProperty(QStringLiteral("ItemHeightAuto"), p.itemHeightAuto, def.itemHeightAuto);
    bag.WriteProperty(QStringLiteral("ItemOffset"), p.itemOffset, def.itemOffset);
    bag.WriteProperty(QStringLiteral("ItemTextLeft"), p.itemTextLeft, def.itemTextLeft);
    bag.WriteProperty(QStringLiteral("SelectionPicture"), picture(p.selectionPicture),
        picture(def.selectionPicture));
    bag.WriteProperty(QStringLiteral("ShowMenu"), p.showMenu, def.showMenu);
    bag.WriteProperty(QStringLiteral("MousePointer"), p.mousePointer, def.mousePointer);
    bag.WriteProperty(QStringLiteral("MouseIcon"), picture(p.mouseIcon), picture(def.mouseIcon));
    bag.WriteProperty(QStringLiteral("ShowGridLines"), qint32(p.gridLines), qint32(def.gridLines));
    bag.writeColor(QStringLiteral("GridColor"), p.gridColor, def.gridColor);
    bag.WriteProperty(QStringLiteral("ListColumWidth"), p.listColumWidth, def.listColumWidth);
    bag.WriteProperty(QStringLiteral("ShowDescription"), p.showDescription, def.showDescription);
    bag.WriteProperty(
        QStringLiteral("VisualStyle"), qint32(p.visualStyle), qint32(def.visualStyle));
    bag.writeColor(QStringLiteral("VisualColor"), p.visualColor, def.visualColor);
    bag.WriteProperty(QStringLiteral("HeaderBackPicture"), picture(p.headerBackPicture),
        picture(def.headerBackPicture));
    bag.WriteProperty(
        QStringLiteral("BorderStyle"), qint16(p.borderStyle), qint16(def.borderStyle));
    bag.WriteProperty(QStringLiteral("SpinMaxValue"), p.spinMaxValue, def.spinMaxValue);
}

// --- events ---

void ZelPropList::resizeEvent(QResizeEvent* event)
{
    UserControl::resizeEvent(event);
    d->layout();
}

void ZelPropList::changeEvent(QEvent* event)
{
    UserControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        d->applyEnabled();
    } else if (event->type() == QEvent::PaletteChange) {
        // The header face and the description labels hold colours resolved
        // from the palette they were set up under.
        d->buttonFaceRgb = std::max(0, Zel::TranslateColor(Zel::ButtonFaceColor));
        d->applyEnabled();
        // So does an open text box.
        if (d->editors)
            d->editors->applyPalette();
        d->surface->update();
    }
}

void ZelPropList::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    if (d->props.borderStyle != BorderS::Border)
        return;
    QPainter painter(this);
    painter.setPen(Zel::toQColor(Zel::WindowFrameColor, Qt::black));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ZelPropList::keyPressEvent(QKeyEvent* event)
{
    Q_EMIT KeyDown(Zel::hostKeyCode(event->key()), Zel::hostShift(event->modifiers()));
    const QString typed = event->text();
    if (typed.size() == 1 && typed.front().unicode() < 0x80 && typed.front().unicode() >= 8)
        Q_EMIT KeyPress(qint16(typed.front().unicode()));
    bool handled = false;
    Zel::guardEvent("ZelPropList", [&] { handled = d->navigationKey(event); });
    if (!handled)
        UserControl::keyPressEvent(event);
}

void ZelPropList::keyReleaseEvent(QKeyEvent* event)
{
    Q_EMIT KeyUp(Zel::hostKeyCode(event->key()), Zel::hostShift(event->modifiers()));
    UserControl::keyReleaseEvent(event);
}

void ZelPropList::focusInEvent(QFocusEvent* event)
{
    UserControl::focusInEvent(event);
    d->hasFocus = true;
}

void ZelPropList::focusOutEvent(QFocusEvent* event)
{
    UserControl::focusOutEvent(event);
    d->hasFocus = false;
    d->updateRow(d->listIndex);
}
