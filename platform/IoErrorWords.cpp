#include "IoErrorWords.h"

QString IoErrorWords(const IoError& error) {
    return QString::fromLocal8Bit(IoErrorText(error));
}
