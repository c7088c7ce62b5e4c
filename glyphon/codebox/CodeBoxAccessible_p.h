#pragma once

class Zel_CodeBox;

/// Makes \a box known to assistive tools: installs the box's accessible interface (a list of
/// its rows, each with its text and line number) the first time a box is made, and announces
/// the box's changes of current row to them.
void watchCodeBoxAccessibility(Zel_CodeBox* box);
