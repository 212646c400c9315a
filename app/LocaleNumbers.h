#pragma once

#include "chart/NumberStyle.h"

#include <QLocale>

// How the window writes numbers under `locale`: with its decimal mark and the real minus
// sign.
NumberStyle LocaleNumbers(const QLocale& locale);
