#pragma once

#include <QAccessible>

class ZelPropList;

namespace Tabulon {

/// Makes \a list known to assistive tools: installs the list's accessible interface (a table
/// of name and value cells, one row per item) the first time a list is made, and announces
/// the list's changes of current row to them.
void watchAccessibility(ZelPropList* list);

/// Tells assistive tools that rows \a first .. \a last were inserted or removed, or (ModelReset)
/// that the list was emptied.
void announceRows(ZelPropList* list, QAccessibleTableModelChangeEvent::ModelChangeType change,
    int first = -1, int last = -1);

/// Tells assistive tools that the value of row \a row changed.
void announceValue(ZelPropList* list, int row);

} // namespace Tabulon
