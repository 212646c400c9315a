#include "measurement/Format.h"
#include "FormatFixtures.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <sstream>

namespace {

TEST(Detection, TellsEveryFormatFromItsContent) {
    for (const auto& file : fixtures::EveryFormat()) {
        SCOPED_TRACE(file.name);
        EXPECT_STREQ(FormatName(DetectFormat(file.content, true).format), file.format);
    }
}

TEST(Detection, TablesAndTheirSeparators) {
    struct Case {
        const char* name;
        std::string content;
        Format format;
        Separator separator;
        bool header;
    };
    const Case cases[] = {
        {"empty", "", Format::Plain, Separator::Blanks, true},
        {"plain", "1 2 3\n4 5 6\n", Format::Plain, Separator::Blanks, true},
        {"plain with decimal commas after a good line", "1 1 -1\n3 2,5 -2,5\n", Format::Plain,
         Separator::Blanks, true},
        {"plain after comment lines with commas", "# instrument X\n# run 7\nfreq,Zre,Zim\n1 2 3\n",
         Format::Plain, Separator::Blanks, true},
        {"tab header over blank-separated rows", "Freq/Hz\tZre/Ohm\tZim/Ohm\n1 0.1 -0.02\n",
         Format::Csv, Separator::Blanks, true},
        {"tab-separated", "f\tZre\tZim\n1\t2\t3\n", Format::Csv, Separator::Tab, true},
        {"semicolons", "f;Zre;Zim\n1,5;2;3\n", Format::Csv, Separator::Semicolon, true},
        {"commas", "f,Zre,Zim\n1.5,2,3\n", Format::Csv, Separator::Comma, true},
        {"header only, still being written", "f,Zre,Zim\n", Format::Csv, Separator::Comma, true},
        {"blank-separated header", "f Zre Zim\n1 2 3\n", Format::Csv, Separator::Blanks, true},
        {"comma-separated without header", "1.5,2,3\n", Format::Csv, Separator::Comma, false},
        {"semicolons and decimal commas without header", "1,5;2,5;3,5\n", Format::Csv,
         Separator::Semicolon, false},
        {"tabs and decimal commas without header", "1,5\t2,5\t3,5\n", Format::Csv, Separator::Tab,
         false},
        {"two numbers a line stay plain", "1,5;2,5\n", Format::Plain, Separator::Blanks, true},
        {"words only", "hello world\n", Format::Plain, Separator::Blanks, true},
        {"NOVA", "Index;Frequency (Hz);Z' (\xCE\xA9);-Z'' (\xCE\xA9)\n1;1000;2,5;3\n", Format::Nova,
         Separator::Semicolon, true},
        {"NOVA by tabs", "Frequency (Hz)\tZ' (\xCE\xA9)\t-Z'' (\xCE\xA9)\n1000\t2,5\t3\n",
         Format::Nova, Separator::Tab, true},
        {"PalmSens names", "freq / Hz,Z' / Ohm,-Z'' / Ohm\n1,2,3\n", Format::PalmSensCsv,
         Separator::Comma, true},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        const Detection d = DetectFormat(tc.content, true);
        EXPECT_EQ(d.format, tc.format);
        if (tc.format != Format::Plain) {
            EXPECT_EQ(d.separator, tc.separator);
            EXPECT_EQ(d.header, tc.header);
        }
    }
}

TEST(Detection, SignatureLinesNameTheInstrumentFormats) {
    struct Case {
        std::string content;
        Format format;
    };
    const Case cases[] = {
        {"EXPLAIN\r\nTAG\tEISPOT\r\n", Format::GamryDta},
        {"\xEF\xBB\xBF"
         "EXPLAIN\nTAG\tEISGALV\n",
         Format::GamryDta},
        {"EC-Lab ASCII FILE\nNb header lines : 3\n", Format::BioLogicMpt},
        {"BT-Lab ASCII FILE\nNb header lines : 3\n", Format::BioLogicMpt},
        {"ZPLOT2 ASCII\n", Format::ZView},
        {"\"ZPlotW Data File: Version 3.2c\"\n", Format::ZView},
        {"\xEF\xBB\xBF\"Z60W Data File: Version 1.1\"\n", Format::ZView},
        {"Feb. 20, 2020   15:55:08\nA.C. Impedance\n", Format::Chi},
        {"explain\n1 2 3\n", Format::Plain},
    };
    for (const auto& tc : cases)
        EXPECT_EQ(DetectFormat(tc.content, true).format, tc.format) << tc.content;
}

TEST(Detection, NeverLooksFurtherThanTheHeadItIsGiven) {
    // A header beyond the head is not seen: lines cut at the head's end are left out.
    const std::string head = "f,Zre,Z";
    EXPECT_EQ(DetectFormat(head, false).format, Format::Plain);
    EXPECT_EQ(DetectFormat(head + "im\n", false).format, Format::Csv);
}

TEST(Detection, TheMeasurementFilePatternsNameBothCases) {
    std::istringstream patterns(MeasurementFilePatterns());
    std::set<std::string> listed{std::istream_iterator<std::string>(patterns), {}};
    for (const char* pattern :
         {"*.DTA", "*.dta", "*.mpt", "*.MPT", "*.z", "*.Z", "*.txt", "*.TXT", "*.csv", "*.CSV",
          "*.tsv", "*.TSV", "*.mpr", "*.MPR", "*.ism", "*.ISM", "*.pssession", "*.PSSESSION"})
        EXPECT_TRUE(listed.contains(pattern)) << pattern;
}

} // namespace
