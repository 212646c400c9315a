#pragma once

#include <optional>
#include <vector>

class QWidget;

// View › Sweeps › Choose: a checkable list of the sweeps 1 to `count`, those of `chosen`
// checked (all when none are); the sweeps checked, ascending, or nothing when cancelled or
// when none is checked.
std::optional<std::vector<int>> AskForSweeps(QWidget* parent, int count,
                                             const std::vector<int>& chosen);
