#pragma once

class Zonecraft;

namespace zc {

/// Makes \a map known to assistive tools: installs the control's accessible interface (each
/// hotspot a child with its key as name and its box as rectangle) the first time a control is
/// made, and announces changes of the selected hotspot to them.
void watchAccessibility(Zonecraft* map);

} // namespace zc
