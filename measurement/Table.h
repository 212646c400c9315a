#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <string_view>
#include <vector>

// Tables of named columns: how a header line is split and what its names mean, and how a
// row of the table is read. Plain values only, so a reader's state stays copyable.

// What separates the fields of a line. Blanks: any run of spaces and tabs.
enum class Separator : std::uint8_t { Tab, Semicolon, Comma, Blanks };

const char* SeparatorName(Separator separator);

// What a column holds, as far as a Nyquist or Bode diagram goes.
enum class ColumnRole : std::uint8_t { None, Frequency, Real, Imaginary, Magnitude, Phase, Cycle };
inline constexpr int kColumnRoles = 7;

// One header name, understood: its role, whether it is negated (`-Im(Z)`, `-Z''`,
// `neg. Phase`), and the factor its unit needs to give ohm, hertz or degrees.
struct ColumnMeaning {
    ColumnRole role = ColumnRole::None;
    bool negated = false;
    double scale = 1.0;
};

// Understands one header cell: case-insensitive names with the units stripped from `( )`,
// `[ ]` or after `/` (see the README's file format section for the names).
ColumnMeaning UnderstandColumn(std::string_view cell);

// The columns of a table that a reader uses, found by name in its header line.
struct ColumnMap {
    // Columns beyond this many are never used (they still count as fields).
    static constexpr int kMaxColumns = 64;

    // Where each role's column is, or -1.
    std::int8_t column[kColumnRoles] = {-1, -1, -1, -1, -1, -1, -1};
    // Each role's unit factor, and for the imaginary part and the phase whether the column
    // holds the negated value.
    double scale[kColumnRoles] = {1, 1, 1, 1, 1, 1, 1};
    bool negated[kColumnRoles] = {};
    // The role of each of the first kMaxColumns columns, and the last column used.
    ColumnRole roleAt[kMaxColumns] = {};
    std::int8_t lastUsed = -1;
    // Fields up to the header's last name; 0 without header.
    std::uint32_t named = 0;

    bool has(ColumnRole role) const { return column[static_cast<int>(role)] >= 0; }
    // Magnitude and phase stand in for the real and imaginary parts.
    bool polar() const { return !has(ColumnRole::Real) || !has(ColumnRole::Imaginary); }
    // The map of a table without header: f, Z', Z'' by position.
    static ColumnMap ByPosition();
};

// The cells a header's used columns have, for telling the user (views into the line).
struct ColumnNames {
    std::string_view name[kColumnRoles];
};

// The cells of `line` split at `separator`, trimmed as header names are.
std::vector<std::string_view> SplitCells(std::string_view line, Separator separator);

// Splits `line` at `separator` and maps its names. True when it names the real and
// imaginary parts, or the magnitude and phase, of the impedance (the frequency is optional);
// with real and imaginary parts, magnitude and phase are not used.
bool MapHeader(std::string_view line, Separator separator, ColumnMap& map,
               ColumnNames* names = nullptr);

// The numbers of one row, by role (those of roles the map does not use are left alone).
struct RowValues {
    double value[kColumnRoles];
};

// Reads the used columns of one row. False when a used field is missing or not a number. With
// `decimalComma`, a comma in a number is its decimal point. `sawComma` is set when a number was
// read that way.
bool ReadTableRow(std::string_view line, Separator separator, bool decimalComma,
                  const ColumnMap& map, RowValues& values, bool& sawComma);

// Whether `line` has fewer fields than the header of `map` names: the start of a row whose
// writing stopped, when it is the last line and has no line end.
bool FewerFieldsThanNamed(std::string_view line, Separator separator, const ColumnMap& map);

// Impedance (f, Z', -Z'') from a row's values, as the map means them.
struct Impedance {
    double frequency, real, negImag;
};
inline Impedance ToImpedance(const ColumnMap& map, const RowValues& values) {
    auto scaled = [&](ColumnRole role) {
        const int r = static_cast<int>(role);
        const double v = values.value[r];
        return map.scale[r] == 1.0 ? v : v * map.scale[r];
    };
    Impedance z;
    z.frequency = map.has(ColumnRole::Frequency) ? scaled(ColumnRole::Frequency)
                                                 : std::numeric_limits<double>::quiet_NaN();
    if (!map.polar()) {
        z.real = scaled(ColumnRole::Real);
        const double imag = scaled(ColumnRole::Imaginary);
        z.negImag = map.negated[static_cast<int>(ColumnRole::Imaginary)] ? imag : -imag;
        return z;
    }
    const double magnitude = scaled(ColumnRole::Magnitude);
    double degrees = scaled(ColumnRole::Phase);
    if (map.negated[static_cast<int>(ColumnRole::Phase)])
        degrees = -degrees;
    const double radians = degrees * (std::numbers::pi / 180.0);
    z.real = magnitude * std::cos(radians);
    z.negImag = -(magnitude * std::sin(radians));
    return z;
}

// Blanks and one pair of double quotes around a cell removed.
std::string_view TrimCell(std::string_view cell);
