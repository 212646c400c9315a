#pragma once

#include "analysis/KkOptions.h"

#include <optional>

class QWidget;

// Edit › Options: how the Kramers-Kronig check fits and judges the sweeps shown, starting
// from `current`; nothing when cancelled.
std::optional<KkOptions> AskForKkOptions(QWidget* parent, const KkOptions& current);
