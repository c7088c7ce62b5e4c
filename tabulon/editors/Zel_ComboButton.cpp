#include "Zel_ComboButton.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <common/OleColor.h>

namespace Tabulon {

namespace {

constexpr int LabelLeft = 2;
const QString DefaultText = QStringLiteral("Label1");

} // namespace

Zel_ComboButton::Zel_ComboButton(QWidget* parent)
    : EditorControl(parent)
    , m_label(new QLabel(DefaultText, this))
{
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::StrongFocus);
    applyFont(Font().toQFont());
}

Zel_ComboButton::~Zel_ComboButton() = default;

QComboBox* Zel_ComboButton::ensureCombo()
{
    if (m_combo)
        return m_combo;
    // The list is made the first time it is needed; it is never shown itself, only its drop-down.
    m_combo = new QComboBox(this);
    m_combo->setObjectName(QStringLiteral("Combo1"));
    m_combo->hide();
    m_combo->setFont(m_label->font());
    connect(m_combo, &QComboBox::activated, this, &Zel_ComboButton::entryChosen);
    layoutChildren();
    return m_combo;
}

void Zel_ComboButton::AddItem(const QString& Item, qint32 Index)
{
    QComboBox* combo = ensureCombo();
    if (Index < 0 || Index > combo->count())
        combo->addItem(Item);
    else
        combo->insertItem(Index, Item);
}

void Zel_ComboButton::Clear()
{
    if (m_combo) {
        m_combo->hidePopup();
        m_combo->clear();
    }
    showText(QString());
}

void Zel_ComboButton::ShowDropDown()
{
    if (!m_combo || !isVisible())
        return;
    layoutChildren();
    m_combo->showPopup();
}

QString Zel_ComboButton::SetText() const
{
    return m_label->text();
}

void Zel_ComboButton::setSetText(const QString& New_SetText)
{
    if (showText(New_SetText))
        PropertyChanged(QStringLiteral("SetText"));
}

bool Zel_ComboButton::showText(const QString& text)
{
    if (text == m_label->text())
        return false;
    m_label->setText(text);
    Q_EMIT SetTextChanged(text);
    return true;
}

QStringList Zel_ComboButton::entries() const
{
    QStringList list;
    for (int i = 0; m_combo && i < m_combo->count(); ++i)
        list << m_combo->itemText(i);
    return list;
}

bool Zel_ComboButton::isDroppedDown() const
{
    return m_combo && m_combo->view()->isVisible();
}

void Zel_ComboButton::entryChosen(int index)
{
    showText(m_combo->itemText(index));
    Q_EMIT ItemChosen(m_label->text());
    Q_EMIT Click();
    layoutChildren();
}

// --- the drop button ---

void Zel_ComboButton::setPressed(bool pressed)
{
    if (pressed == m_pressed)
        return;
    m_pressed = pressed;
    update(rightButtonRect());
}

void Zel_ComboButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setPressed(rightButtonRect().contains(event->position().toPoint()));
}

void Zel_ComboButton::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        setPressed(rightButtonRect().contains(event->position().toPoint()));
}

void Zel_ComboButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool open = m_pressed;
    setPressed(false);
    if (open)
        ShowDropDown();
}

void Zel_ComboButton::hideEvent(QHideEvent* event)
{
    // The list never outlives its editor on screen.
    if (m_combo)
        m_combo->hidePopup();
    setPressed(false);
    EditorControl::hideEvent(event);
}

void Zel_ComboButton::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    paintFrame(painter, palette().color(QPalette::Base));
    paintButton(painter, rightButtonRect(), m_pressed, Glyph::DownArrow, QFont());
}

// --- layout and persistence ---

void Zel_ComboButton::applyFont(const QFont& font)
{
    m_label->setFont(font);
    if (m_combo)
        m_combo->setFont(font);
}

void Zel_ComboButton::layoutChildren()
{
    const QRect client = clientRect();
    const int labelHeight = std::min(client.height(), m_label->sizeHint().height());
    m_label->setGeometry(client.left() + LabelLeft,
        client.top() + (client.height() - labelHeight) / 2,
        std::max(0, client.width() - ButtonWidth - LabelLeft), labelHeight);
    // The list spans the control's width just below it, so its drop-down opens there.
    if (m_combo)
        m_combo->setGeometry(0, height(), width(), m_combo->sizeHint().height());
}

void Zel_ComboButton::InitProperties()
{
    applyCommon(CommonValues { true, 1, AmbientFont() });
    m_label->setText(DefaultText);
}

void Zel_ComboButton::ReadProperties(const PropertyBag& bag)
{
    const CommonValues common = readCommon(bag);
    const QString text = bag.readString(QStringLiteral("SetText"), DefaultText);
    applyCommon(common);
    m_label->setText(text);
    setBackgroundColor(Zel::WindowBackgroundColor);
}

void Zel_ComboButton::WriteProperties(PropertyBag& bag) const
{
    writeCommon(bag);
    bag.WriteProperty(QStringLiteral("SetText"), m_label->text(), DefaultText);
}

} // namespace Tabulon
