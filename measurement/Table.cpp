#include "Table.h"

#include "NumberScanner.h"

#include <algorithm>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

bool endsWithIgnoringCase(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() &&
           equalsIgnoringCase(text.substr(text.size() - tail.size()), tail);
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The names each role goes by, lower case, units already stripped.
struct RoleNames {
    ColumnRole role;
    std::string_view names[10];
};
constexpr RoleNames kRoleNames[] = {
    {ColumnRole::Frequency, {"f", "freq", "frequency"}},
    {ColumnRole::Real, {"z'", "zre", "z_re", "zreal", "re(z)", "real", "z_real", "zprime"}},
    {ColumnRole::Imaginary,
     {"z''", "z\"", "zim", "z_im", "zimag", "im(z)", "imag", "z_imag", "zbis"}},
    {ColumnRole::Magnitude, {"|z|", "z", "zmod", "mod"}},
    {ColumnRole::Phase, {"phase", "zphz", "phi", "phase(z)"}},
    {ColumnRole::Cycle, {"cycle number"}},
};

ColumnRole roleOfName(std::string_view name) {
    for (const auto& entry : kRoleNames)
        for (std::string_view candidate : entry.names)
            if (!candidate.empty() && equalsIgnoringCase(name, candidate))
                return entry.role;
    return ColumnRole::None;
}

// The factor of an SI prefix written before a unit, or 0 when it is none.
double prefixFactor(std::string_view prefix) {
    if (prefix.empty())
        return 1.0;
    if (prefix == "k" || prefix == "K")
        return 1e3;
    if (prefix == "M")
        return 1e6;
    if (prefix == "G")
        return 1e9;
    if (prefix == "m")
        return 1e-3;
    if (prefix == "u" || prefix == "\xC2\xB5" || prefix == "\xB5" || prefix == "\xCE\xBC")
        return 1e-6;
    return 0.0;
}

// What a unit multiplies its role's values by to give ohm, hertz or degrees; 1 when the
// unit is not understood.
double unitScale(ColumnRole role, std::string_view unit) {
    unit = trimBlanks(unit);
    auto prefixed = [&unit](std::initializer_list<std::string_view> bases) {
        for (std::string_view base : bases)
            if (endsWithIgnoringCase(unit, base)) {
                const double factor = prefixFactor(unit.substr(0, unit.size() - base.size()));
                return factor != 0.0 ? factor : 1.0;
            }
        return 1.0;
    };
    switch (role) {
    case ColumnRole::Real:
    case ColumnRole::Imaginary:
    case ColumnRole::Magnitude:
        return prefixed({"ohm", "\xCE\xA9", "\xE2\x84\xA6"});
    case ColumnRole::Frequency:
        return prefixed({"hz"});
    case ColumnRole::Phase:
        if (equalsIgnoringCase(unit, "rad") || equalsIgnoringCase(unit, "radian") ||
            equalsIgnoringCase(unit, "radians"))
            return 180.0 / std::numbers::pi;
        return 1.0;
    default:
        return 1.0;
    }
}

std::string_view trimCellSlowly(std::string_view cell);

// Blanks and one pair of quotes around a cell removed; most cells have none.
inline std::string_view trimCell(std::string_view cell) {
    if (!cell.empty() && static_cast<unsigned char>(cell.front()) > ' ' && cell.front() != '"' &&
        static_cast<unsigned char>(cell.back()) > ' ' && cell.back() != '"')
        return cell;
    return trimCellSlowly(cell);
}

template <typename Visit>
void forEachCell(std::string_view line, Separator separator, Visit visit) {
    if (separator == Separator::Blanks) {
        std::size_t i = 0;
        for (;;) {
            while (i < line.size() && isBlank(line[i]))
                ++i;
            if (i == line.size())
                return;
            const std::size_t start = i;
            while (i < line.size() && !isBlank(line[i]))
                ++i;
            if (!visit(line.substr(start, i - start)))
                return;
        }
    }
    const char mark = separator == Separator::Tab         ? '\t'
                      : separator == Separator::Semicolon ? ';'
                                                          : ',';
    for (;;) {
        const std::size_t stop = line.find(mark);
        if (!visit(line.substr(0, stop)) || stop == std::string_view::npos)
            return;
        line.remove_prefix(stop + 1);
    }
}

// The bits set in `word`, without a call (no popcnt instruction is assumed).
std::uint32_t bitCount(std::uint64_t word) {
    word = word - ((word >> 1) & 0x5555555555555555ULL);
    word = (word & 0x3333333333333333ULL) + ((word >> 2) & 0x3333333333333333ULL);
    word = (word + (word >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<std::uint32_t>((word * 0x0101010101010101ULL) >> 56);
}

// Where the separators of a row are. The ends of the first `kept` fields are written to
// `ends`; the search stops once `wanted` separators are found. Returns how many were found
// (at least `wanted`, or all there are). Sixteen bytes at a time where SSE2 is there: the
// fields are short, and a call of memchr for each costs more than the search.
std::uint32_t findSeparators(const char* p, const char* end, char mark, std::uint32_t kept,
                             std::uint32_t wanted, const char** ends) {
    std::uint32_t found = 0;
#ifdef __SSE2__
    const __m128i marks = _mm_set1_epi8(mark);
    auto take = [&](const char* at, unsigned bits) {
        for (; bits != 0; bits &= bits - 1) {
            if (found < kept)
                ends[found] = at + std::countr_zero(bits);
            ++found;
        }
    };
    auto marksIn = [&marks](const char* at) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, marks)));
    };
    const char* const start = p;
    // Up to 64 bytes at a time: one bit per byte that is a separator. The ends wanted come
    // first, the rest is only counted.
    while (found < wanted && end - p >= 16) {
        std::uint64_t mask = 0;
        std::ptrdiff_t bytes = 0;
        for (; bytes < 64 && end - p - bytes >= 16; bytes += 16)
            mask |= static_cast<std::uint64_t>(marksIn(p + bytes)) << bytes;
        for (; mask != 0 && found < kept; mask &= mask - 1)
            ends[found++] = p + std::countr_zero(mask);
        found += bitCount(mask);
        p += bytes;
    }
    // The rest in one load that ends at the line's end, its bytes already seen masked out.
    if (found < wanted && p != end && end - start >= 16) {
        const char* last = end - 16;
        take(last, marksIn(last) & (0xFFFFu << (p - last)));
        p = end;
    }
#endif
    for (; found < wanted && p != end; ++p)
        if (*p == mark) {
            if (found < kept)
                ends[found] = p;
            ++found;
        }
    return found;
}

} // namespace

const char* SeparatorName(Separator separator) {
    switch (separator) {
    case Separator::Tab:
        return "tab";
    case Separator::Semicolon:
        return "semicolon";
    case Separator::Comma:
        return "comma";
    case Separator::Blanks:
        return "blanks";
    }
    return "?";
}

std::string_view TrimCell(std::string_view cell) {
    return trimCell(cell);
}

namespace {
std::string_view trimCellSlowly(std::string_view cell) {
    cell = trimBlanks(cell);
    if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"')
        cell = trimBlanks(cell.substr(1, cell.size() - 2));
    return cell;
}
} // namespace

ColumnMeaning UnderstandColumn(std::string_view cell) {
    std::string_view name = TrimCell(cell);
    ColumnMeaning meaning;
    // A leading minus (ASCII or U+2212) or "neg." marks a negated quantity.
    if (!name.empty() && name.front() == '-') {
        meaning.negated = true;
        name.remove_prefix(1);
    } else if (name.substr(0, 3) == "\xE2\x88\x92") {
        meaning.negated = true;
        name.remove_prefix(3);
    } else if (name.size() > 4 && equalsIgnoringCase(name.substr(0, 4), "neg.")) {
        meaning.negated = true;
        name.remove_prefix(4);
    }
    name = trimBlanks(name);
    std::string_view unit;
    if (const std::size_t slash = name.rfind('/'); slash != std::string_view::npos) {
        unit = name.substr(slash + 1);
        name = trimBlanks(name.substr(0, slash));
    }
    ColumnRole role = roleOfName(name);
    if (role == ColumnRole::None && !name.empty() && (name.back() == ')' || name.back() == ']')) {
        const char open = name.back() == ')' ? '(' : '[';
        if (const std::size_t at = name.rfind(open); at != std::string_view::npos && at > 0) {
            unit = name.substr(at + 1, name.size() - at - 2);
            name = trimBlanks(name.substr(0, at));
            role = roleOfName(name);
        }
    }
    meaning.role = role;
    meaning.scale = unitScale(role, unit);
    // Only the imaginary part and the phase are read negated; a minus elsewhere makes no
    // sense for a Nyquist diagram, so such a column is left unused.
    if (meaning.negated && role != ColumnRole::Imaginary && role != ColumnRole::Phase)
        meaning.role = ColumnRole::None;
    return meaning;
}

std::vector<std::string_view> SplitCells(std::string_view line, Separator separator) {
    std::vector<std::string_view> cells;
    forEachCell(line, separator, [&](std::string_view cell) {
        cells.push_back(TrimCell(cell));
        return cells.size() < ColumnMap::kMaxColumns;
    });
    return cells;
}

ColumnMap ColumnMap::ByPosition() {
    ColumnMap map;
    const ColumnRole roles[3] = {ColumnRole::Frequency, ColumnRole::Real, ColumnRole::Imaginary};
    for (int i = 0; i < 3; ++i) {
        map.column[static_cast<int>(roles[i])] = static_cast<std::int8_t>(i);
        map.roleAt[i] = roles[i];
    }
    map.lastUsed = 2;
    return map;
}

bool FewerFieldsThanNamed(std::string_view line, Separator separator, const ColumnMap& map) {
    std::uint32_t fields = 0;
    forEachCell(line, separator, [&](std::string_view) { return ++fields < map.named; });
    return fields < map.named;
}

bool MapHeader(std::string_view line, Separator separator, ColumnMap& out, ColumnNames* names) {
    ColumnMap map;
    ColumnNames found;
    std::uint32_t index = 0, lastFilled = 0;
    forEachCell(line, separator, [&](std::string_view cell) {
        const std::string_view trimmed = TrimCell(cell);
        if (!trimmed.empty())
            lastFilled = index + 1;
        if (index < ColumnMap::kMaxColumns && !trimmed.empty()) {
            const ColumnMeaning meaning = UnderstandColumn(trimmed);
            const int role = static_cast<int>(meaning.role);
            if (meaning.role != ColumnRole::None && map.column[role] < 0) {
                map.column[role] = static_cast<std::int8_t>(index);
                map.scale[role] = meaning.scale;
                map.negated[role] = meaning.negated;
                found.name[role] = trimmed;
            }
        }
        ++index;
        return true;
    });
    const bool cartesian = map.has(ColumnRole::Real) && map.has(ColumnRole::Imaginary);
    const bool polar = map.has(ColumnRole::Magnitude) && map.has(ColumnRole::Phase);
    if (lastFilled < 2 || (!cartesian && !polar))
        return false;
    if (cartesian)
        for (ColumnRole unused : {ColumnRole::Magnitude, ColumnRole::Phase}) {
            map.column[static_cast<int>(unused)] = -1;
            found.name[static_cast<int>(unused)] = {};
        }
    else
        for (ColumnRole unused : {ColumnRole::Real, ColumnRole::Imaginary}) {
            map.column[static_cast<int>(unused)] = -1;
            found.name[static_cast<int>(unused)] = {};
        }
    for (int role = 1; role < kColumnRoles; ++role)
        if (map.column[role] >= 0) {
            map.roleAt[map.column[role]] = static_cast<ColumnRole>(role);
            map.lastUsed = std::max(map.lastUsed, map.column[role]);
        }
    map.named = lastFilled;
    out = map;
    if (names != nullptr)
        *names = found;
    return true;
}

bool ReadTableRow(std::string_view line, Separator separator, bool decimalComma,
                  const ColumnMap& map, RowValues& values, bool& sawComma) {
    const char* p = line.data();
    const char* const end = p + line.size();
    // Fields beyond the last column used may be missing: a header can name more columns than
    // its rows fill (EC-Lab names Ewe-Ece/V and never writes it).
    const auto needed = static_cast<std::uint32_t>(std::max<int>(map.lastUsed, 0)) + 1;
    std::uint32_t index = 0;
    auto take = [&](const char* from, const char* to) {
        if (index >= ColumnMap::kMaxColumns || map.roleAt[index] == ColumnRole::None)
            return true;
        const std::string_view cell =
            trimCell(std::string_view(from, static_cast<std::size_t>(to - from)));
        const FieldNumber read =
            ScanField(cell, decimalComma, values.value[static_cast<int>(map.roleAt[index])]);
        sawComma = sawComma || read == FieldNumber::Comma;
        return read != FieldNumber::None;
    };
    if (separator == Separator::Blanks) {
        for (;;) {
            while (p != end && isBlank(*p))
                ++p;
            if (p == end)
                return false;
            const char* stop = p;
            while (stop != end && !isBlank(*stop))
                ++stop;
            if (!take(p, stop))
                return false;
            if (++index >= needed)
                return true;
            p = stop;
        }
    }
    const char mark = separator == Separator::Tab         ? '\t'
                      : separator == Separator::Semicolon ? ';'
                                                          : ',';
    // The ends of the fields up to the last one used.
    const std::uint32_t kept = needed;
    const std::uint32_t separatorsNeeded = needed - 1;
    const char* ends[ColumnMap::kMaxColumns];
    const std::uint32_t found =
        findSeparators(p, end, mark, kept, std::max(separatorsNeeded, kept), ends);
    if (found < separatorsNeeded)
        return false;
    for (int role = 1; role < kColumnRoles; ++role) {
        const int column = map.column[role];
        if (column < 0)
            continue;
        const char* from = column == 0 ? p : ends[column - 1] + 1;
        const char* to = static_cast<std::uint32_t>(column) < found ? ends[column] : end;
        index = static_cast<std::uint32_t>(column);
        if (!take(from, to))
            return false;
    }
    return true;
}
