#include "Encoding.h"

#include <cstring>

namespace {

void appendCodePoint(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

constexpr char32_t kReplacement = 0xFFFD;

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

EncodingGuess GuessEncoding(std::string_view head, bool wholeFile) {
    if (startsWith(head, "\xEF\xBB\xBF"))
        return {TextEncoding::Utf8Bom, 3};
    if (startsWith(head, "\xFF\xFE"))
        return {TextEncoding::Utf16LE, 2};
    if (startsWith(head, "\xFE\xFF"))
        return {TextEncoding::Utf16BE, 2};
    return {IsUtf8(head, !wholeFile) ? TextEncoding::Utf8 : TextEncoding::Cp1252, 0};
}

TextUnits UnitsOf(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf16LE:
        return TextUnits::Utf16LE;
    case TextEncoding::Utf16BE:
        return TextUnits::Utf16BE;
    default:
        return TextUnits::Bytes;
    }
}

const char* EncodingName(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8:
        return "utf-8";
    case TextEncoding::Utf8Bom:
        return "utf-8 (BOM)";
    case TextEncoding::Utf16LE:
        return "utf-16le (BOM)";
    case TextEncoding::Utf16BE:
        return "utf-16be (BOM)";
    case TextEncoding::Cp1252:
        return "cp1252";
    }
    return "?";
}

int Utf8SequenceLength(std::string_view s) {
    const auto byte = [&s](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    int length;
    char32_t code;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    for (int i = 1; i < length; ++i) {
        if (static_cast<size_t>(i) == s.size())
            return -1;
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond U+10FFFF.
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

bool IsUtf8(std::string_view bytes, bool mayBeCut) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p != end) {
        // ASCII, the bulk of any measurement file, eight bytes at a time.
        std::uint64_t word;
        if (end - p >= 8 && (std::memcpy(&word, p, 8), (word & 0x8080808080808080ULL) == 0)) {
            p += 8;
            continue;
        }
        const int length = Utf8SequenceLength(
            std::string_view(reinterpret_cast<const char*>(p), static_cast<size_t>(end - p)));
        if (length <= 0)
            return length < 0 && mayBeCut;
        p += length;
    }
    return true;
}

void AppendUtf8FromUtf16(std::string_view bytes, bool bigEndian, std::string& out) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t units = bytes.size() / 2;
    auto unitAt = [&](std::size_t i) -> char32_t {
        const unsigned char a = p[2 * i], b = p[2 * i + 1];
        return bigEndian ? static_cast<char32_t>(a << 8 | b) : static_cast<char32_t>(b << 8 | a);
    };
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = unitAt(i);
        if (unit < 0x80) {
            out += static_cast<char>(unit);
        } else if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units && unitAt(i + 1) >= 0xDC00 &&
                   unitAt(i + 1) <= 0xDFFF) {
            appendCodePoint(0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00), out);
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            appendCodePoint(kReplacement, out);
        } else {
            appendCodePoint(unit, out);
        }
    }
    if (bytes.size() % 2 != 0)
        appendCodePoint(kReplacement, out);
}

void AppendUtf8FromCp1252(std::string_view bytes, std::string& out) {
    // 0x80 to 0x9F; 0 where cp1252 assigns nothing.
    static constexpr char16_t kHigh[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80)
            out += ch;
        else if (c < 0xA0)
            appendCodePoint(kHigh[c - 0x80] != 0 ? kHigh[c - 0x80] : kReplacement, out);
        else
            appendCodePoint(c, out);
    }
}
