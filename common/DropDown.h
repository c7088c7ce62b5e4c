#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <common/zelcommon_export.h>

class QFocusEvent;
class QWidget;

/// Placement of the drop-down windows that editors open under themselves.
namespace Zel {

/// The top-left corner, in screen coordinates, of a drop-down of \a size for
/// a control covering \a control on a screen whose usable area is \a screen:
/// under the control, or above it when it would run off the bottom; its left
/// edge at the control's, moved left so its right edge stays on the screen
/// (and never past the screen's left edge).
ZELCOMMON_EXPORT QPoint dropDownPosition(
    const QRect& control, const QSize& size, const QRect& screen);

/// Moves \a popup to dropDownPosition for \a control on the screen that holds
/// the control's centre.
ZELCOMMON_EXPORT void placeDropDown(QWidget* popup, const QWidget* control);

/// True when the focus loss \a event of an editor only moves the focus to
/// its open \a popup (the popup opening, or a click in it): the editor has not
/// been left, so the popup stays open.
ZELCOMMON_EXPORT bool focusStaysWithPopup(const QFocusEvent* event, const QWidget* popup);

} // namespace Zel
