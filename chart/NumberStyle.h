#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// How the numbers a person reads are written: the decimal mark and the minus sign. The
// window takes its decimal mark from its locale; files, --info and the export keep the C
// form and never come here. Every method writes the number whole, in this style, whatever
// the C library's locale.
struct NumberStyle {
    std::string decimalMark = ".";
    std::string minus = "\u2212";

    // The shortest text that reads back as the same double.
    std::string Shortest(double value) const;
    // The shortest text that reads back as the same float32, for a value a file stores so.
    std::string ShortestFloat32(float value) const;
    // `decimals` digits after the mark, as printf's %.*f.
    std::string Fixed(double value, int decimals) const;
    // `digits` significant digits, as printf's %.*g.
    std::string Significant(double value, int digits) const;
    // `decimals` digits after the mark and an exponent, as printf's %.*e.
    std::string Scientific(double value, int decimals) const;
    std::string Whole(std::int64_t value) const;

  private:
    // Text in the C form ("-1.5e-07") written in this style.
    std::string styled(std::string_view c) const;
};

// The C form, a point and the hyphen-minus, as the classic readout writes numbers.
inline const NumberStyle kAsciiNumbers{".", "-"};
