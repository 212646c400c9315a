#include "OutputMarks.h"

#include <cstdint>
#include <string>

namespace {

uint32_t bigEndian32(std::string_view bytes) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[static_cast<size_t>(i)]);
    return value;
}

std::string latin1(const QString& text) {
    return text.toLatin1().toStdString();
}

} // namespace

bool PngMarked(std::string_view head) {
    constexpr std::string_view signature = "\x89PNG\r\n\x1a\n";
    if (!head.starts_with(signature))
        return false;
    const std::string mark = std::string(kPngMarkKey) + '\0' + latin1(kMarkAuthor);
    // Chunk by chunk: length, type, data and check sum. The writer puts its text before the
    // image data.
    for (size_t at = signature.size(); head.size() - at >= 12;) {
        const uint32_t length = bigEndian32(head.substr(at));
        const std::string_view type = head.substr(at + 4, 4);
        if (type == "IDAT" || type == "IEND" || length > head.size() - at - 12)
            return false;
        if (type == "tEXt" && head.substr(at + 8, length) == mark)
            return true;
        at += 12 + length;
    }
    return false;
}

bool SvgMarked(std::string_view head) {
    return head.find("<desc>" + latin1(kSvgMark) + "</desc>") != std::string_view::npos;
}

bool PdfMarked(std::string_view head) {
    // The writer puts the document's information first, its strings in UTF-16 with a
    // byte-order mark.
    std::string creator = "/Creator (\xFE\xFF";
    for (const char c : latin1(kMarkAuthor))
        creator += {'\0', c};
    creator += ')';
    return head.starts_with("%PDF-") && head.find(creator) != std::string_view::npos;
}
