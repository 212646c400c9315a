#include "ContentSignature.h"

#include "Encoding.h"

#include <algorithm>

namespace {

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Three bytes of 0xFF after two zero bytes, then 0xFE or 0xFF: the marker Thales writes first.
bool isZahnerIsm(std::string_view head) {
    return head.size() >= 12 && startsWith(head, std::string_view("\0\0\xFF\xFF\xFF", 5)) &&
           (head[5] == '\xFE' || head[5] == '\xFF');
}

// UTF-16LE with its byte-order mark, one JSON object naming PalmSens' session type.
bool isPalmSensSession(std::string_view head) {
    if (!startsWith(head, "\xFF\xFE"))
        return false;
    std::string text;
    AppendUtf8FromUtf16(head.substr(2, std::min<std::size_t>(head.size() - 2, 512) & ~1u), false,
                        text);
    const std::size_t brace = text.find_first_not_of(" \t\r\n");
    return brace != std::string::npos && text[brace] == '{' &&
           text.find("PalmSens.DataFiles") != std::string::npos;
}

struct Magic {
    std::string_view bytes;
    const char* what;
};

// Text in UTF-32 (whose byte-order marks come before UTF-16's), compressed data and archives,
// then images; each names what it is.
constexpr Magic kNotMeasurements[] = {
    {std::string_view("\xFF\xFE\0\0", 4), "text in UTF-32, an encoding Korvane does not read"},
    {std::string_view("\0\0\xFE\xFF", 4), "text in UTF-32, an encoding Korvane does not read"},
    {std::string_view("\x1F\x8B", 2), "compressed data: gzip"},
    {std::string_view("\x1F\x9D", 2), "compressed data: compress"},
    {"PK\x03\x04", "compressed data: zip"},
    {"PK\x05\x06", "compressed data: zip"},
    {"PK\x07\x08", "compressed data: zip"},
    {"BZh", "compressed data: bzip2"},
    {std::string_view("\xFD\x37\x7A\x58\x5A\0", 6), "compressed data: xz"},
    {"\x28\xB5\x2F\xFD", "compressed data: zstd"},
    {"7z\xBC\xAF\x27\x1C", "compressed data: 7z"},
    {"Rar!\x1A\x07", "compressed data: rar"},
    {"\x04\x22\x4D\x18", "compressed data: lz4"},
    {"LZIP", "compressed data: lzip"},
    {"\x89PNG\r\n\x1A\n", "image: PNG"},
    {"\xFF\xD8\xFF", "image: JPEG"},
    {"GIF87a", "image: GIF"},
    {"GIF89a", "image: GIF"},
    {std::string_view("II*\0", 4), "image: TIFF"},
    {std::string_view("MM\0*", 4), "image: TIFF"},
    {std::string_view("\0\0\1\0", 4), "image: icon"},
    {"%PDF-", "PDF document"},
};

// "BM" alone starts many a text line; a bitmap's reserved header bytes are zero as well.
bool isBitmap(std::string_view head) {
    return head.size() >= 14 && startsWith(head, "BM") &&
           head.substr(6, 4) == std::string_view("\0\0\0\0", 4);
}

// Text holds few control characters besides its blanks and line ends; binary data without a
// zero byte in its head still has them by the dozen.
bool mostlyControls(std::string_view head) {
    std::size_t controls = 0;
    for (const char c : head) {
        const auto byte = static_cast<unsigned char>(c);
        controls += (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f' &&
                     byte != '\v' && byte != 0x1A) ||
                    byte == 0x7F;
    }
    return controls > 8 && controls > head.size() / 32;
}

Signature refused(std::string what) {
    return {true, Format::Plain, "not a measurement file (" + std::move(what) + ")"};
}

} // namespace

Signature RecogniseSignature(std::string_view head) {
    if (startsWith(head, "BIO-LOGIC MODULAR FILE"))
        return {true, Format::BioLogicMpr, {}};
    if (isZahnerIsm(head))
        return {true, Format::ZahnerIsm, {}};
    if (isPalmSensSession(head))
        return {true, Format::PalmSensSession, {}};
    for (const Magic& magic : kNotMeasurements)
        if (startsWith(head, magic.bytes))
            return refused(magic.what);
    if (isBitmap(head))
        return refused("image: BMP");
    if (head.size() >= 12 && startsWith(head, "RIFF") && head.substr(8, 4) == "WEBP")
        return refused("image: WebP");
    // Text in UTF-16 has zero bytes, and says so by its byte-order mark.
    const bool utf16 = startsWith(head, "\xFF\xFE") || startsWith(head, "\xFE\xFF");
    if (!utf16 && (head.find('\0') != std::string_view::npos || mostlyControls(head)))
        return refused("binary data of unknown layout");
    return {};
}
