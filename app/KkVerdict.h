#pragma once

#include "chart/NumberStyle.h"
#include "source/SweepChecks.h"

#include <QString>

// What the status line says of a sweep's Kramers-Kronig check: "KK valid, largest residual
// 0.14 %", or where the residuals exceed the limit and what that points to ("KK: residuals up
// to 7.7 % below 1 Hz: drift?"). Nothing for a sweep not checked.
QString KkVerdict(const SweepCheck& check, const NumberStyle& numbers);
