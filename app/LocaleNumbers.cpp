#include "LocaleNumbers.h"

NumberStyle LocaleNumbers(const QLocale& locale) {
    NumberStyle numbers;
    numbers.decimalMark = locale.decimalPoint().toStdString();
    return numbers;
}
