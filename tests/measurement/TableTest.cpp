#include "measurement/Table.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Columns, NamesAreUnderstoodWithTheirUnitsAndSigns) {
    using R = ColumnRole;
    struct Case {
        const char* cell;
        R role;
        bool negated;
        double scale;
    };
    const Case cases[] = {
        {"Freq", R::Frequency, false, 1},
        {"freq/Hz", R::Frequency, false, 1},
        {"Frequency (Hz)", R::Frequency, false, 1},
        {"freq / Hz", R::Frequency, false, 1},
        {"  Freq(Hz)", R::Frequency, false, 1},
        {"f [kHz]", R::Frequency, false, 1e3},
        {"Zreal", R::Real, false, 1},
        {"Re(Z)/Ohm", R::Real, false, 1},
        {"Z' (\xCE\xA9)", R::Real, false, 1},
        {"Z'(a)", R::Real, false, 1},
        {"Z_re [mOhm]", R::Real, false, 1e-3},
        {"real / kohm", R::Real, false, 1e3},
        {"Zimag", R::Imaginary, false, 1},
        {"Z''(b)", R::Imaginary, false, 1},
        {"Z\"/ohm", R::Imaginary, false, 1},
        {"-Im(Z)/Ohm", R::Imaginary, true, 1},
        {"-Z'' (\xCE\xA9)", R::Imaginary, true, 1},
        {"\xE2\x88\x92Z''", R::Imaginary, true, 1},
        {"neg. Z''", R::Imaginary, true, 1},
        {"|Z|/Ohm", R::Magnitude, false, 1},
        {"Z/ohm", R::Magnitude, false, 1},
        {"Zmod", R::Magnitude, false, 1},
        {"Phase(Z)/deg", R::Phase, false, 1},
        {"Zphz", R::Phase, false, 1},
        {"-Phase (\xC2\xB0)", R::Phase, true, 1},
        {"neg. Phase / \xC2\xB0", R::Phase, true, 1},
        {"phi (rad)", R::Phase, false, 180 / 3.141592653589793},
        {"cycle number", R::Cycle, false, 1},
        {"Re(Zce)/Ohm", R::None, false, 1},
        {"-Im(Zwe-ce)/Ohm", R::None, true, 1},
        {"ZrealDrCor", R::None, false, 1},
        {"Time", R::None, false, 1},
        {"-Zreal", R::None, true, 1},
        {"\"Z'\"", R::Real, false, 1},
    };
    for (const auto& tc : cases) {
        const ColumnMeaning m = UnderstandColumn(tc.cell);
        EXPECT_EQ(m.role, tc.role) << tc.cell;
        EXPECT_EQ(m.negated, tc.negated) << tc.cell;
        EXPECT_DOUBLE_EQ(m.scale, tc.scale) << tc.cell;
    }
}

TEST(Columns, AHeaderNeedsBothPartsOrMagnitudeAndPhase) {
    ColumnMap map;
    EXPECT_TRUE(
        MapHeader("\tPt\tTime\tFreq\tZreal\tZimag\tZsig\tZmod\tZphz\t", Separator::Tab, map));
    EXPECT_EQ(map.column[static_cast<int>(ColumnRole::Frequency)], 3);
    EXPECT_FALSE(map.polar());
    EXPECT_FALSE(map.has(ColumnRole::Magnitude)) << "real and imaginary parts win";

    EXPECT_TRUE(MapHeader("f;|Z|;phase", Separator::Semicolon, map));
    EXPECT_TRUE(map.polar());
    EXPECT_TRUE(MapHeader("Zre Zim", Separator::Blanks, map)) << "no frequency is needed";

    EXPECT_FALSE(MapHeader("f,Zre", Separator::Comma, map));
    EXPECT_FALSE(MapHeader("f,|Z|", Separator::Comma, map));
    EXPECT_FALSE(MapHeader("f,Zre,Zim", Separator::Tab, map));
    EXPECT_FALSE(MapHeader("", Separator::Comma, map));
}

TEST(Columns, RowsNeedTheUsedFieldsAndNumbersInThem) {
    ColumnMap map;
    ASSERT_TRUE(MapHeader("f\tZre\tZim\tt", Separator::Tab, map));
    struct Case {
        const char* row;
        bool read;
        double f, re, im;
    };
    const Case cases[] = {
        {"1\t2\t3\t4", true, 1, 2, 3},
        {"1\t2\t3\tword", true, 1, 2, 3},
        {"1\t2\t3\t4\t5\t6", true, 1, 2, 3},
        {"1\t2\t3", true, 1, 2, 3},
        {"1\t2", false, 0, 0, 0},
        {"1\t2\t3\t", true, 1, 2, 3},
        {"1\t\t3\t4", false, 0, 0, 0},
        {" 1 \t 2 \t\"3\"\t4", true, 1, 2, 3},
        {"1\t2x\t3\t4", false, 0, 0, 0},
        {"1,5\t2\t3\t4", true, 1.5, 2, 3},
    };
    for (const auto& tc : cases) {
        RowValues values;
        bool sawComma = false;
        EXPECT_EQ(ReadTableRow(tc.row, Separator::Tab, true, map, values, sawComma), tc.read)
            << tc.row;
        if (tc.read) {
            EXPECT_EQ(values.value[static_cast<int>(ColumnRole::Frequency)], tc.f) << tc.row;
            EXPECT_EQ(values.value[static_cast<int>(ColumnRole::Real)], tc.re) << tc.row;
            EXPECT_EQ(values.value[static_cast<int>(ColumnRole::Imaginary)], tc.im) << tc.row;
        }
    }
}

TEST(Columns, FieldsAreFoundAtEveryOffsetAndLength) {
    // Rows of 14 fields of every width from 0 to 20 characters, the used ones anywhere:
    // what a plain split finds, the reader finds.
    for (int used = 0; used + 2 < 14; ++used) {
        std::string header;
        for (int i = 0; i < 14; ++i)
            header += std::string(i ? "," : "") + (i == used       ? "f"
                                                   : i == used + 1 ? "Zre"
                                                   : i == used + 2 ? "Zim"
                                                                   : "x");
        ColumnMap map;
        ASSERT_TRUE(MapHeader(header, Separator::Comma, map));
        for (int width = 0; width <= 20; ++width) {
            std::string row;
            for (int i = 0; i < 14; ++i) {
                std::string cell =
                    i >= used && i <= used + 2 ? std::to_string(i + 1) : std::string(width, 'w');
                row += (i ? "," : "") + cell;
            }
            RowValues values;
            bool sawComma = false;
            ASSERT_TRUE(ReadTableRow(row, Separator::Comma, false, map, values, sawComma)) << row;
            EXPECT_EQ(values.value[static_cast<int>(ColumnRole::Frequency)], used + 1) << row;
            EXPECT_EQ(values.value[static_cast<int>(ColumnRole::Real)], used + 2) << row;
            EXPECT_EQ(values.value[static_cast<int>(ColumnRole::Imaginary)], used + 3) << row;
            // Without its last field a row stays one unless that field is used; with one more
            // it is one.
            const std::string shorter = row.substr(0, row.rfind(','));
            EXPECT_EQ(ReadTableRow(shorter, Separator::Comma, false, map, values, sawComma),
                      used + 2 < 13)
                << shorter;
            EXPECT_TRUE(
                ReadTableRow(row + ",extra", Separator::Comma, false, map, values, sawComma));
        }
    }
}

} // namespace
