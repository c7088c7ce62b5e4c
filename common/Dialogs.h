#pragma once

#include "OleColor.h"

#include <QString>
#include <common/zelcommon_export.h>
#include <functional>

class QWidget;

/// Modal dialogs behind replaceable hooks, so tests and hosts never block.
namespace Zel {

/// The host's message box button and icon flags, and its answers.
enum MsgBoxStyle {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
/// The button a message box was closed with.
enum MsgBoxResult { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

/// Shows \a prompt; returns the button pressed (an MsgBoxResult).
using MessageBoxHook = std::function<int(const QString& prompt, int style, const QString& title)>;
/// Asks the user for a colour starting from \a color; returns false when cancelled.
using ColorDialogHook = std::function<bool(OLE_COLOR& color, QWidget* parent)>;

/// Replaces the message box; an empty hook restores the QMessageBox one.
/// Returns the previous hook.
ZELCOMMON_EXPORT MessageBoxHook setMessageBoxHook(MessageBoxHook hook);
/// Replaces the colour dialog; an empty hook restores the QColorDialog one.
ZELCOMMON_EXPORT ColorDialogHook setColorDialogHook(ColorDialogHook hook);

/// Shows a message box through the current hook. The default hook, without a
/// QApplication, answers Cancel (or No, or OK for an OK-only box) unseen.
ZELCOMMON_EXPORT int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = {});
/// Runs the colour dialog through the current hook.
ZELCOMMON_EXPORT bool chooseColor(OLE_COLOR& color, QWidget* parent = nullptr);

} // namespace Zel
