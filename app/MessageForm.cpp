#include "MessageForm.h"

QString LowerFirstLetter(const QString& text) {
    if (text.size() < 2 || !text[0].isUpper() || text[1].isUpper())
        return text;
    return text[0].toLower() + text.mid(1);
}
