#pragma once

#include <QAccessible>

class ZelPropList;

namespace Tabulon {

/// Makes \a list known to assistive tools: installs the list's accessible interface (a table
/// of name and value cells, one row per item) the first time a list is made, and announces
/// the list's changes of current row to them.
void watchAccessibility(ZelPropList* list);

/// Tells assistive tools that the value of row \a row changed.
void announceValue(ZelPropList* list, int row);

} // namespace Tabulon
