#include "Format.h"

#include "ContentSignature.h"
#include "NumberScanner.h"

#include <string>
#include <vector>

namespace {

std::string_view trimRight(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Whether a line starts like a row of numbers: a digit, or a sign or point before one.
bool looksLikeData(std::string_view line) {
    std::size_t i = line.find_first_not_of(" \t");
    if (i == std::string_view::npos)
        return false;
    if (line[i] == '+' || line[i] == '-')
        ++i;
    if (i < line.size() && line[i] == '.')
        ++i;
    return i < line.size() && number_scanning::IsDigit(line[i]);
}

// The lines of the head, without line ends; a last line that the head cut short is left out.
std::vector<std::string_view> linesOf(std::string_view text, bool wholeFile, char lineEnd) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t lf = text.find(lineEnd);
        if (lf == std::string_view::npos) {
            if (wholeFile)
                lines.push_back(trimRight(text));
            break;
        }
        std::string_view line = text.substr(0, lf);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(lf + 1);
    }
    return lines;
}

// The format of a table whose header is line `at` of `lines`: PalmSens and NOVA exports
// are told by their metadata rows and their own spelling of the names.
Format tableFormat(const std::vector<std::string_view>& lines, std::size_t at,
                   Separator separator) {
    bool palmSensMetadata = false;
    for (std::size_t i = 0; i < at; ++i)
        palmSensMetadata = palmSensMetadata || startsWith(lines[i], "Date and time:") ||
                           startsWith(lines[i], "Measurement:");
    ColumnMap map;
    ColumnNames names;
    MapHeader(lines[at], separator, map, &names);
    const auto name = [&names](ColumnRole role) { return names.name[static_cast<int>(role)]; };
    if (palmSensMetadata || name(ColumnRole::Frequency) == "freq / Hz")
        return Format::PalmSensCsv;
    if (name(ColumnRole::Frequency) == "Frequency (Hz)" &&
        (name(ColumnRole::Real) == "Z' (\xCE\xA9)" ||
         name(ColumnRole::Imaginary) == "-Z'' (\xCE\xA9)"))
        return Format::Nova;
    return Format::Csv;
}

// Whether the rows after a header read with its map: true when one of the first few lines
// that look like rows does (a garbled one may come first), or when none has come yet.
bool rowsFollow(const std::vector<std::string_view>& lines, std::size_t from, Separator separator,
                const ColumnMap& map) {
    constexpr int kRowsTried = 5;
    int tried = 0;
    for (std::size_t i = from; i < lines.size() && tried < kRowsTried; ++i) {
        if (!looksLikeData(lines[i]))
            continue;
        RowValues values;
        bool sawComma = false;
        if (ReadTableRow(lines[i], separator, separator != Separator::Comma, map, values, sawComma))
            return true;
        ++tried;
    }
    return tried == 0;
}

// Finds a header row before the first row of numbers, with the separator under which both
// the header maps and the first row that follows it reads.
bool findHeader(const std::vector<std::string_view>& lines, Detection& detection) {
    constexpr Separator kSeparators[] = {Separator::Tab, Separator::Semicolon, Separator::Comma,
                                         Separator::Blanks};
    for (std::size_t i = 0; i < lines.size() && !looksLikeData(lines[i]); ++i) {
        for (const Separator separator : kSeparators) {
            ColumnMap map;
            if (!MapHeader(lines[i], separator, map))
                continue;
            if (!rowsFollow(lines, i + 1, separator, map))
                continue;
            detection.format = tableFormat(lines, i, separator);
            detection.separator = separator;
            return true;
        }
    }
    return false;
}

// Whether the line before a table's first row is a header, its names as many as the row's
// fields; then `detection` refuses the file, naming them.
bool refusedForItsNames(std::string_view header, std::string_view row, Separator separator,
                        Detection& detection) {
    const std::vector<std::string_view> names = SplitCells(header, separator);
    if (names.size() < 3 || names.size() != SplitCells(row, separator).size())
        return false;
    std::string listed;
    for (const std::string_view name : names)
        listed += (listed.empty() ? "" : ", ") + std::string(name);
    detection.refusal = "its columns name no impedance (Z' and Z'', or |Z| and phase): " + listed;
    return true;
}

// Finds a table of three numbers a line without header that the plain format cannot read:
// comma-separated, or with decimal commas. A header whose names are not understood right
// above it refuses the file instead.
bool findHeaderlessTable(const std::vector<std::string_view>& lines, Detection& detection) {
    for (std::size_t at = 0; at < lines.size(); ++at) {
        const std::string_view line = lines[at];
        if (!looksLikeData(line))
            continue;
        double numbers[3];
        if (ScanThreeNumbers(line, numbers) == 3)
            return false;
        constexpr Separator kSeparators[] = {Separator::Comma, Separator::Semicolon, Separator::Tab,
                                             Separator::Blanks};
        const ColumnMap map = ColumnMap::ByPosition();
        for (const Separator separator : kSeparators) {
            RowValues values;
            bool sawComma = false;
            if (ReadTableRow(line, separator, separator != Separator::Comma, map, values,
                             sawComma)) {
                detection.format = Format::Csv;
                detection.separator = separator;
                detection.header = false;
                if (at > 0 && refusedForItsNames(lines[at - 1], line, separator, detection))
                    detection.header = true;
                return true;
            }
        }
        return false;
    }
    return false;
}

} // namespace

const char* FormatName(Format format) {
    switch (format) {
    case Format::Plain:
        return "plain";
    case Format::GamryDta:
        return "gamry-dta";
    case Format::BioLogicMpt:
        return "biologic-mpt";
    case Format::ZView:
        return "zview";
    case Format::Chi:
        return "chi";
    case Format::Nova:
        return "nova";
    case Format::PalmSensCsv:
        return "palmsens-csv";
    case Format::Csv:
        return "csv";
    case Format::BioLogicMpr:
        return "biologic-mpr";
    case Format::ZahnerIsm:
        return "zahner-ism";
    case Format::PalmSensSession:
        return "palmsens-pssession";
    }
    return "?";
}

std::span<const std::string_view> MeasurementFileEndings() {
    static constexpr std::string_view kEndings[] = {".txt", ".DTA", ".mpt", ".z",        ".csv",
                                                    ".tsv", ".mpr", ".ism", ".pssession"};
    return kEndings;
}

const char* MeasurementFilePatterns() {
    // The usual case first, then the other: a dialog may match names case by case.
    static const std::string patterns = [] {
        std::string text;
        for (const std::string_view ending : MeasurementFileEndings()) {
            std::string swapped(ending);
            for (char& c : swapped)
                c = static_cast<char>(c >= 'a' && c <= 'z'   ? c - 'a' + 'A'
                                      : c >= 'A' && c <= 'Z' ? c - 'A' + 'a'
                                                             : c);
            text += (text.empty() ? "*" : " *") + std::string(ending) + " *" + swapped;
        }
        return text;
    }();
    return patterns.c_str();
}

Detection DetectFormat(std::string_view head, bool wholeFile) {
    Detection detection;
    if (const Signature signature = RecogniseSignature(head); signature.known) {
        detection.format = signature.format;
        detection.refusal = signature.refusal;
        if (detection.format == Format::PalmSensSession)
            detection.encoding = GuessEncoding(head, wholeFile);
        return detection;
    }
    detection.encoding = GuessEncoding(head, wholeFile);
    std::string_view text = head.substr(detection.encoding.bomSize);
    std::string converted;
    const TextUnits units = UnitsOf(detection.encoding.encoding);
    if (units != TextUnits::Bytes) {
        AppendUtf8FromUtf16(text.substr(0, text.size() & ~std::size_t{1}),
                            units == TextUnits::Utf16BE, converted);
        text = converted;
    }
    if (text.find('\n') == std::string_view::npos && text.find('\r') != std::string_view::npos)
        detection.lineEnd = '\r';
    const std::vector<std::string_view> lines = linesOf(text, wholeFile, detection.lineEnd);
    if (lines.empty())
        return detection;

    const std::string_view first = trimRight(lines[0]);
    if (first == "EXPLAIN") {
        detection.format = Format::GamryDta;
        detection.separator = Separator::Tab;
    } else if (startsWith(first, "EC-Lab ASCII FILE") || startsWith(first, "BT-Lab ASCII FILE")) {
        detection.format = Format::BioLogicMpt;
        detection.separator = Separator::Tab;
    } else if (startsWith(first, "ZPLOT2 ASCII") ||
               (startsWith(first, "\"") && first.find("Data File") != std::string_view::npos)) {
        detection.format = Format::ZView;
        detection.separator = Separator::Tab;
    } else if (lines.size() > 1 && trimRight(lines[1]) == "A.C. Impedance") {
        detection.format = Format::Chi;
        detection.separator = Separator::Comma;
    } else if (!findHeader(lines, detection)) {
        findHeaderlessTable(lines, detection);
    }
    return detection;
}
