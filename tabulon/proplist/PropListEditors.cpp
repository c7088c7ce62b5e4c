#include "PropListEditors.h"

#include "../calendar/Zel_DropCalendar.h"
#include "../colorselector/ColorSelector.h"
#include "../editors/Zel_BrowseButton.h"
#include "../editors/Zel_ComboButton.h"
#include "../editors/Zel_SpinButton.h"
#include "PropListLayout.h"
#include "ZelPropList_p.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <cmath>
#include <common/EventGuard.h>
#include <common/HostConvert.h>

namespace Tabulon {

namespace {

/// Gap between the value column's edge and the text box.
constexpr int TextBoxInset = 2;

/// The stored value of a combo entry: the text after the first "- " (the entry's index, as
/// the list appends " - i" to each host text).
QString comboValue(const QString& entry)
{
    const qsizetype dash = entry.indexOf(QLatin1String("- "));
    return dash < 0 ? entry : entry.mid(dash + 2);
}

/// Whether \a widget is \a container or lies in it, its drop-down windows included.
bool isInside(const QWidget* container, const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (widget == container)
            return true;
    }
    return false;
}

} // namespace

PropListEditors::PropListEditors(ZelPropListPrivate* owner, QWidget* surface)
    : d(owner)
    , m_textBox(new QLineEdit(surface))
    , m_spin(new Zel_SpinButton(surface))
    , m_combo(new Zel_ComboButton(surface))
    , m_browse(new Zel_BrowseButton(surface))
    , m_calendar(new Zel_DropCalendar(surface))
    , m_color(new ColorSelector(surface))
{
    m_textBox->setObjectName(QStringLiteral("txtEdit"));
    m_textBox->setFrame(false);
    m_spin->setObjectName(QStringLiteral("Zel_SpinButton1"));
    m_combo->setObjectName(QStringLiteral("Zel_ComboButton1"));
    m_browse->setObjectName(QStringLiteral("Zel_BrowseButton1"));
    m_calendar->setObjectName(QStringLiteral("Zel_DropCalendar1"));
    m_color->setObjectName(QStringLiteral("ColorSelector1"));
    // The editors sit on the list as a form's constituent controls do: flat, window-coloured.
    m_browse->setBackColor(Zel::WindowBackgroundColor);
    m_color->setAppearance(0);
    // A colour value is always "#RRGGBB": the list has nothing to store for transparent.
    m_color->setShowTransparent(false);
    for (QWidget* editor : editors()) {
        editor->hide();
        watch(editor);
    }

    const auto guarded = [](auto work) { Zel::guardEvent("ZelPropList", work); };
    connect(m_spin, &Zel_SpinButton::ValueUpdate, this,
        [=, this](qint32 value) { guarded([&] { spinValueUpdate(value); }); });
    connect(m_spin, &Zel_SpinButton::TextChange, this,
        [=, this](const QString& text) { guarded([&] { d->q->setTmp_Text(text); }); });
    connect(m_spin, &Zel_SpinButton::KeyDown, this,
        [=, this](qint16 keyCode, qint16) { guarded([&] { spinKeyDown(keyCode); }); });
    connect(m_combo, &Zel_ComboButton::ItemChosen, this,
        [=, this](const QString& text) { guarded([&] { comboChosen(text); }); });
    connect(m_browse, &Zel_BrowseButton::UpdateTExt, this,
        [=, this](const QString& text) { guarded([&] { d->q->setTmp_Text(text); }); });
    connect(m_browse, &Zel_BrowseButton::ChangeText, this, [=, this](const QString& text) {
        guarded([&] {
            d->commitValue(text);
            closeAll();
        });
    });
    connect(m_browse, &Zel_BrowseButton::OpenBrowse, this,
        [=, this] { guarded([&] { browseRequested(); }); });
    connect(m_calendar, &Zel_DropCalendar::ChangeDate, this,
        [=, this](const QDate& date) { guarded([&] { dateChosen(date); }); });
    connect(m_color, &ColorSelector::SelectedHex, this,
        [=, this](const QString& hex) { guarded([&] { d->commitValue(hex); }); });
}

PropListEditors::~PropListEditors() = default;

std::array<QWidget*, 6> PropListEditors::editors() const
{
    return { m_textBox, m_calendar, m_combo, m_browse, m_color, m_spin };
}

void PropListEditors::watch(QWidget* widget)
{
    // Keys and focus of the editor and of every part of it that can take the focus; a
    // drop-down window handles its own keys.
    widget->installEventFilter(this);
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        if (!child->isWindow())
            child->installEventFilter(this);
    }
}

bool PropListEditors::opensEditor(PropertyStyle style)
{
    switch (style) {
    case propNumber:
    case propString:
    case propBrowse:
    case propcombo:
    case propColor:
    case propcalendar:
        return true;
    default:
        return false;
    }
}

// --- opening ---

void PropListEditors::open(int row, const QRect& where, bool dropDown)
{
    const Item item = d->store.at(row); // a copy: the host's handlers may change the list
    switch (item.Style) {
    case propNumber: {
        m_spin->setControlDirty(false);
        m_spin->setMax(d->props.spinMaxValue);
        m_spin->setValue(item.Value.isEmpty() ? 0 : Zel::toLong(item.Value));
        d->q->setTmp_Text(item.Value);
        m_spinCommitted = false;
        placeEditor(m_spin, where);
        break;
    }
    case propString:
        m_textBox->setText(item.Value);
        m_textBox->setCursorPosition(int(item.Value.size()));
        placeTextBox(where);
        break;
    case propBrowse:
        m_browse->UserValue(item.Value);
        m_browse->TextLocked(item.Locked);
        placeEditor(m_browse, where);
        break;
    case propcombo:
        openCombo(item, where, dropDown);
        break;
    case propcalendar:
        openCalendar(item, where, dropDown);
        break;
    case propColor:
        openColor(item, where, dropDown);
        break;
    default:
        break; // the other styles are edited by the host, if at all
    }
}

void PropListEditors::openCombo(const Item& item, const QRect& where, bool dropDown)
{
    QStringList choices;
    QString key = item.Key;
    Q_EMIT d->q->ComboAddItem(choices, key);
    m_combo->Clear();
    for (qsizetype i = 0; i < choices.size(); ++i)
        m_combo->AddItem(choices.at(i) + QStringLiteral(" - ") + QString::number(i));
    m_combo->setSetText(item.Value);
    placeEditor(m_combo, where);
    if (dropDown)
        m_combo->ShowDropDown();
}

void PropListEditors::openCalendar(const Item& item, const QRect& where, bool dropDown)
{
    // A value that is no date opens on today; the item keeps its text until a day is chosen.
    QDate date = Zel::parseDate(item.Value);
    if (!date.isValid())
        date = QDate::currentDate();
    m_calendar->setCaptionDate(date);
    placeEditor(m_calendar, where);
    if (dropDown)
        m_calendar->showPopup();
}

void PropListEditors::openColor(const Item& item, const QRect& where, bool dropDown)
{
    m_color->ClickColor(item.Value);
    placeEditor(m_color, where);
    if (dropDown)
        m_color->showPopup();
}

void PropListEditors::placeEditor(QWidget* editor, const QRect& where)
{
    editor->setGeometry(where);
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
}

void PropListEditors::placeTextBox(const QRect& where)
{
    // Centred in the row on one line of the list font.
    const int textHeight = QFontMetrics(m_textBox->font()).height();
    const int rowTop = where.top() - 1;
    const int top = rowTop + int(std::floor((d->rowHeight - textHeight) / 2.0 + 0.5));
    setTextBoxColors(d->props.fontNormal, Zel::WindowBackgroundColor);
    placeEditor(m_textBox,
        QRect(where.left() + TextBoxInset, top, std::max(0, where.width() - TextBoxInset),
            textHeight));
}

void PropListEditors::setTextBoxColors(OLE_COLOR text, OLE_COLOR back)
{
    m_textBoxText = text;
    m_textBoxBack = back;
    applyPalette();
}

void PropListEditors::applyPalette()
{
    QPalette palette = m_textBox->palette();
    palette.setColor(QPalette::Text, Zel::toQColor(m_textBoxText, Qt::black));
    palette.setColor(QPalette::Base, Zel::toQColor(m_textBoxBack, Qt::white));
    m_textBox->setPalette(palette);
}

void PropListEditors::startTextEdit()
{
    const int row = d->listIndex;
    if (row < 0 || row >= d->store.count())
        return;
    closeAll();
    const PropListProperties& p = d->props;
    const int h = d->rowHeight;
    const int rowTop = h * (row - d->topIndex);
    const int listWidth = d->listWidth();
    QRect box;
    if (p.wordWrap) {
        box = QRect(p.listColumWidth, p.itemOffset + rowTop,
            listWidth - p.itemTextLeft - 2 * p.itemOffset, h - 2 * p.itemOffset);
    } else {
        const int textHeight = QFontMetrics(m_textBox->font()).height();
        box = QRect(p.itemOffset + p.itemTextLeft, int((h - textHeight) * 0.5) + rowTop,
            listWidth - p.itemTextLeft - 2 * p.itemOffset, textHeight);
    }
    // The box ends at the list's right edge instead of running on under the scroll bar.
    box.setRight(std::min(box.right(), listWidth - 1));

    // The current row's caption colour, on the background that colour is chosen for.
    const bool selected = d->store.isSelected(row);
    setTextBoxColors(
        selected ? p.fontSelected : p.fontNormal, selected ? p.backSelected : p.backNormal);
    m_textBox->setText(d->store.at(row).Value);
    m_textBox->selectAll();

    d->commitRow = row;
    d->editingRow = row;
    d->editorOpen = true;
    placeEditor(m_textBox, box);
    d->updateRow(row);
}

void PropListEditors::endTextEdit(bool commit)
{
    if (!m_textBox->isVisible())
        return;
    if (commit)
        d->commitValue(m_textBox->text());
    closeAll();
}

// --- closing ---

QWidget* PropListEditors::openEditor() const
{
    for (QWidget* editor : editors()) {
        if (editor->isVisibleTo(editor->parentWidget()))
            return editor;
    }
    return nullptr;
}

void PropListEditors::closeAll()
{
    d->closing = true;
    QWidget* editor = openEditor();
    // Keyboard users stay in the list when the editor they type in goes away.
    if (editor && isInside(editor, QApplication::focusWidget()))
        d->q->setFocus(Qt::OtherFocusReason);
    // Hiding a drop-down editor closes its popup too.
    for (QWidget* each : editors())
        each->hide();
    d->q->setTmp_Text(QString());
    const bool wasOpen = d->editorOpen;
    d->editorOpen = false;
    d->closing = false;
    if (wasOpen)
        d->updateRow(d->editingRow);
}

void PropListEditors::closeTextBox()
{
    if (m_textBox->isVisibleTo(m_textBox->parentWidget()))
        closeAll();
}

void PropListEditors::applyFont(const StdFont& font)
{
    m_textBox->setFont(font.toQFont());
    m_spin->setFont(font);
    m_combo->setFont(font);
    m_browse->setFont(font);
    m_calendar->setFont(font);
    m_color->setFont(font);
}

// --- values coming back ---

void PropListEditors::spinValueUpdate(qint32 value)
{
    if (m_spin->ControlDirty())
        return; // Enter has committed already
    d->q->setTmp_Text(QString::number(value));
    m_spinCommitted = false;
    d->commitValue(d->pendingValue);
}

void PropListEditors::spinKeyDown(qint16 keyCode)
{
    if (keyCode != 13)
        return;
    m_spinCommitted = true;
    m_spin->setControlDirty(true);
    d->commitValue(d->pendingValue);
    closeAll();
}

void PropListEditors::comboChosen(const QString& text)
{
    const int row = d->commitRow;
    if (row < 0 || row >= d->store.count())
        return;
    const QString value = comboValue(text);
    d->storeValue(row, value);
    Q_EMIT d->q->ComboChange(value, d->store.at(row).Key);
    d->commitValue(value);
}

void PropListEditors::browseRequested()
{
    const int row = d->commitRow;
    if (row < 0 || row >= d->store.count())
        return;
    const Item item = d->store.at(row);
    // Closed first, so a host that opens a dialog or the editor again finds the list settled.
    closeAll();
    Q_EMIT d->q->BrowseSelected(item.Value, item.Key);
}

void PropListEditors::dateChosen(const QDate& date)
{
    d->commitValue(Zel::shortDate(date));
}

// --- keys and focus ---

QWidget* PropListEditors::editorOf(QObject* watched) const
{
    for (QWidget* editor : editors()) {
        if (watched == editor || editor->isAncestorOf(qobject_cast<QWidget*>(watched)))
            return editor;
    }
    return nullptr;
}

bool PropListEditors::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::FocusOut)
        return false;
    QWidget* editor = editorOf(watched);
    if (!editor)
        return false;
    bool handled = false;
    Zel::guardEvent("ZelPropList", [&] {
        if (event->type() == QEvent::KeyPress)
            handled = editorKey(editor, static_cast<QKeyEvent*>(event));
        else
            editorFocusLost(editor, static_cast<QFocusEvent*>(event));
    });
    return handled;
}

bool PropListEditors::editorKey(QWidget* editor, QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Escape:
        closeAll();
        return true;
    case Qt::Key_Tab:
        if (modifiers != Qt::NoModifier)
            return false;
        moveEditor(1);
        return true;
    case Qt::Key_Backtab:
        moveEditor(-1);
        return true;
    case Qt::Key_Down:
        if (modifiers != Qt::AltModifier)
            return false;
        if (editor == m_combo)
            m_combo->ShowDropDown();
        else if (editor == m_calendar)
            m_calendar->showPopup();
        else if (editor == m_color)
            m_color->showPopup();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (editor != m_textBox)
            return false; // the other editors commit Enter themselves
        d->commitValue(m_textBox->text());
        closeAll();
        return true;
    default:
        return false;
    }
}

void PropListEditors::editorFocusLost(QWidget* editor, const QFocusEvent* event)
{
    // A drop-down list opening, or another window coming to the front, leaves the editor open.
    if (d->closing || event->reason() == Qt::PopupFocusReason
        || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    if (isInside(editor, QApplication::focusWidget()))
        return; // focus moved inside the editor
    if (editor == m_spin) {
        // After a step the spin editor stays open until the list closes it; after Enter it goes.
        if (!m_spinCommitted)
            return;
        m_spin->setControlDirty(false);
    }
    closeAll();
}

void PropListEditors::commitForMove()
{
    const int row = d->commitRow;
    if (row < 0 || row >= d->store.count())
        return;
    // Moving on commits what the editor holds, and raises nothing when it is unchanged.
    const QString stored = d->store.at(row).Value;
    QString value = stored;
    QWidget* editor = openEditor();
    if (editor == m_textBox)
        value = m_textBox->text();
    else if (editor == m_spin)
        value = d->pendingValue;
    else if (editor == m_browse)
        value = m_browse->text();
    if (value != stored)
        d->commitValue(value);
}

void PropListEditors::moveEditor(int direction)
{
    const int from = d->editingRow;
    commitForMove();
    const int next = d->editableRow(from + direction, direction);
    if (next < 0) {
        closeAll();
        return;
    }
    d->openFromKeyboard(next, false);
}

} // namespace Tabulon
