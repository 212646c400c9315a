#pragma once

#include "source/SweepFits.h"

#include <QString>

#include <optional>

class QWidget;

// What the window fits to every sweep shown: a circuit as written, empty for none, and the
// weighting (a FitWeight).
struct FitSetting {
    QString circuit;
    int weight = 0;
};

// Analysis › Fit Circuit…: a preset or a circuit typed in, checked as it is typed, and the
// weighting, starting from `current`; nothing when cancelled.
std::optional<FitSetting> AskForFitCircuit(QWidget* parent, const FitSetting& current);

// What the reads fit for `setting`: nothing for no circuit or one that does not parse.
FitChoice ChoiceOf(const FitSetting& setting);
