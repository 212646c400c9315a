#include "ArgumentText.h"

#include "measurement/Encoding.h"

#include <algorithm>

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

} // namespace

QString ArgumentText(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    while (!bytes.empty()) {
        if (const int length = std::max(Utf8SequenceLength(bytes), 0)) {
            text += QString::fromUtf8(bytes.data(), static_cast<qsizetype>(length));
            bytes.remove_prefix(length);
        } else {
            text += QChar(kEscapeBase + static_cast<unsigned char>(bytes.front()));
            bytes.remove_prefix(1);
        }
    }
    return text;
}

std::string ArgumentBytes(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        const bool pair =
            QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pair) {
            bytes += QString(text.constData() + i, 2).toUtf8().toStdString();
            ++i;
        } else if (unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF) {
            bytes += static_cast<char>(unit - kEscapeBase);
        } else {
            bytes += QString(text[i]).toUtf8().toStdString();
        }
    }
    return bytes;
}
