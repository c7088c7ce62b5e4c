#include "Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>

namespace Zel {

namespace {

constexpr int ButtonMask = 0x7;
constexpr int IconMask = 0x70;
constexpr int YesNoCancel = 3;

QMessageBox::StandardButtons buttonsFor(int style)
{
    switch (style & ButtonMask) {
    case vbOKCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case vbYesNo:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon iconFor(int style)
{
    switch (style & IconMask) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbQuestion:
        return QMessageBox::Question;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

/// The answer of a box that cannot be shown: the one that goes ahead with nothing.
int cautiousAnswer(int style)
{
    switch (style & ButtonMask) {
    case vbOKCancel:
    case YesNoCancel:
        return vbCancel;
    case vbYesNo:
        return vbNo;
    default:
        return vbOK;
    }
}

int resultFor(int button)
{
    switch (button) {
    case QMessageBox::Cancel:
        return vbCancel;
    case QMessageBox::Yes:
        return vbYes;
    case QMessageBox::No:
        return vbNo;
    default:
        return vbOK;
    }
}

bool haveWidgets()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

int defaultMessageBox(const QString& prompt, int style, const QString& title)
{
    if (!haveWidgets())
        return cautiousAnswer(style);
    QMessageBox box(iconFor(style),
        title.isEmpty() ? QGuiApplication::applicationDisplayName() : title, prompt,
        buttonsFor(style));
    box.exec();
    // A box closed without a button (Escape, the title bar) gives the cautious answer.
    QAbstractButton* clicked = box.clickedButton();
    return clicked ? resultFor(box.standardButton(clicked)) : cautiousAnswer(style);
}

bool defaultColorDialog(OLE_COLOR& color, QWidget* parent)
{
    if (!haveWidgets())
        return false;
    const QColor initial = toQColor(color);
    const QColor chosen
        = QColorDialog::getColor(initial.isValid() ? initial : QColor(Qt::black), parent);
    if (!chosen.isValid())
        return false;
    color = fromQColor(chosen);
    return true;
}

MessageBoxHook& messageBoxHook()
{
    static MessageBoxHook hook = defaultMessageBox;
    return hook;
}

ColorDialogHook& colorDialogHook()
{
    static ColorDialogHook hook = defaultColorDialog;
    return hook;
}

} // namespace

MessageBoxHook setMessageBoxHook(MessageBoxHook hook)
{
    MessageBoxHook previous = std::move(messageBoxHook());
    messageBoxHook() = hook ? std::move(hook) : MessageBoxHook(defaultMessageBox);
    return previous;
}

ColorDialogHook setColorDialogHook(ColorDialogHook hook)
{
    ColorDialogHook previous = std::move(colorDialogHook());
    colorDialogHook() = hook ? std::move(hook) : ColorDialogHook(defaultColorDialog);
    return previous;
}

int MsgBox(const QString& prompt, int style, const QString& title)
{
    // A copy, so a hook that replaces itself while running stays alive.
    const MessageBoxHook hook = messageBoxHook();
    return hook(prompt, style, title);
}

bool chooseColor(OLE_COLOR& color, QWidget* parent)
{
    const ColorDialogHook hook = colorDialogHook();
    return hook(color, parent);
}

} // namespace Zel
