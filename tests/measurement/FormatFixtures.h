#pragma once

// Small measurement files in every format, written from the facts about each format (not
// copied from real files), all holding the same measurements.

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace fixtures {

// One measurement as the plain format holds it: f, Z', Z'' (Im(Z), negative when
// capacitive).
struct Measurement {
    double f, re, im;
};

// A sweep from high to low frequency: a slightly inductive point, then a capacitive arc.
inline const std::vector<Measurement>& Sweep() {
    static const std::vector<Measurement> sweep = {
        {100000, 20.5, 0.75},  {25000, 21.25, -3.75}, {3162.5, 35.5, -18},
        {1000, 48.125, -24.5}, {100, 60, -22.5},      {10, 71, -9.5},
        {1, 74.5, -12},        {0.1, 80.25, -20.75},  {0.015625, 92.5, -31.25},
    };
    return sweep;
}

// Shortest round-trip text, with a decimal comma when asked.
inline std::string Num(double v, bool decimalComma = false) {
    char text[64];
    std::string s(text, std::to_chars(text, text + sizeof text, v).ptr);
    if (decimalComma)
        for (char& c : s)
            if (c == '.')
                c = ',';
    return s;
}

// The same in scientific notation, as instruments write it ("2.5E+01").
inline std::string Sci(double v, bool decimalComma = false) {
    char text[64];
    std::string s(text,
                  std::to_chars(text, text + sizeof text, v, std::chars_format::scientific).ptr);
    for (char& c : s) {
        if (c == 'e')
            c = 'E';
        if (c == '.' && decimalComma)
            c = ',';
    }
    return s;
}

inline std::string Join(const std::vector<std::string>& lines, const std::string& eol,
                        bool finalEol = true) {
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i)
        out += lines[i] + (i + 1 < lines.size() || finalEol ? eol : "");
    return out;
}

// The plain format: f, Z', Z'' a line, separated by tabs.
inline std::string Plain(const std::vector<Measurement>& rows = Sweep()) {
    std::vector<std::string> lines;
    for (const auto& m : rows)
        lines.push_back(Num(m.f) + "\t" + Num(m.re) + "\t" + Num(m.im));
    return Join(lines, "\n");
}

struct GamryOptions {
    bool decimalComma = false;
    bool aborted = false; // EXPERIMENTABORTED and a further table after ZCURVE
    bool driftColumns = false;
    std::string eol = "\n";
};

// Gamry Framework .DTA (EISPOT): objects, an OCV table, then the ZCURVE table. cp1252: the
// degree sign is the byte 0xB0.
inline std::string Gamry(const std::vector<Measurement>& rows = Sweep(), GamryOptions o = {}) {
    const bool c = o.decimalComma;
    std::vector<std::string> lines = {
        "EXPLAIN",
        "TAG\tEISPOT",
        "TITLE\tLABEL\tPotentiostatic EIS\tTest &Identifier",
        "DATE\tLABEL\t4/23/2018\tDate",
        "VDC\tPOTEN\t" + Sci(-0.05, c) + "\tT\tDC &Voltage (V)",
        "FREQINIT\tQUANT\t" + Sci(100000, c) + "\tInitial Fre&q. (Hz)",
        "FREQFINAL\tQUANT\t" + Sci(0.015625, c) + "\tFinal Fre&q. (Hz)",
        "PTSPERDEC\tQUANT\t" + Sci(10, c) + "\tPoints/&decade",
        "OCVCURVE\tTABLE\t3",
        "\tPt\tT\tVf\tVm\tAch\tOver\tTemp",
        "\t#\ts\tV vs. Ref.\tV\tV\tbits\tdeg C",
    };
    for (int i = 0; i < 3; ++i)
        lines.push_back("\t" + std::to_string(i) + "\t" + Num(0.25 * i, c) + "\t" +
                        Sci(-0.3467, c) + "\t" + Sci(-0.3467, c) + "\t" + Sci(-5.6e-4, c) +
                        "\t..........a\t-327" + (c ? "," : ".") + "67");
    lines.push_back("ZCURVE\tTABLE");
    std::string names = "\tPt\tTime\tFreq\tZreal\tZimag\tZsig\tZmod\tZphz";
    std::string units = "\t#\ts\tHz\tohm\tohm\tV\tohm\t\xB0";
    if (o.driftColumns) {
        names += "\tZrealDrCor\tZimagDrCor\tZmodDrCor\tZphzDrCor";
        units += "\tohm\tohm\tohm\t\xB0";
    }
    lines.push_back(names + "\tIdc\tVdc\tIERange");
    lines.push_back(units + "\tA\tV\t#");
    int pt = 0;
    for (const auto& m : rows) {
        const double mod = std::hypot(m.re, m.im);
        const double phz = std::atan2(m.im, m.re) * 180 / 3.141592653589793;
        std::string row = "\t" + std::to_string(pt) + "\t" + std::to_string(10 + 3 * pt) + "\t" +
                          Num(m.f, c) + "\t" + Num(m.re, c) + "\t" + Num(m.im, c) + "\t1\t" +
                          Num(mod, c) + "\t" + Num(phz, c);
        if (o.driftColumns)
            row += "\t" + Num(m.re + 1000, c) + "\t" + Num(m.im - 1000, c) + "\t1\t2";
        lines.push_back(row + "\t" + Sci(-2.2e-6, c) + "\t" + Num(-0.341, c) + "\t7");
        ++pt;
    }
    if (o.aborted) {
        lines.push_back("EXPERIMENTABORTED\tTOGGLE\tT\tExperiment Aborted");
        lines.push_back("FRACURVE\tTABLE\t2");
        lines.push_back("\tPt\tTime\tFreq\tZreal\tZimag");
        lines.push_back("\t#\ts\tHz\tohm\tohm");
        lines.push_back("\t0\t1\t5\t999\t-999");
        lines.push_back("\t1\t2\t6\t998\t-998");
    }
    return Join(lines, o.eol);
}

struct MptOptions {
    bool decimalComma = false;
    int sweeps = 1;        // the rows split into this many cycles
    bool finalEol = false; // exports end without one
    bool threeElectrode = false;
};

// BioLogic EC-Lab ASCII export: `Nb header lines` counts up to the names; -Im(Z) already
// negated; cp1252 (µ = 0xB5).
inline std::string Mpt(const std::vector<Measurement>& rows = Sweep(), MptOptions o = {}) {
    const bool c = o.decimalComma;
    std::vector<std::string> settings = {"",
                                         "Potentio Electrochemical Impedance Spectroscopy",
                                         "",
                                         "Run on channel : 1 (SN 30924)",
                                         "Electrode surface area : 0.001 cm\xB2",
                                         "Cycle Definition : Charge/Discharge alternance",
                                         "Mode                Single sine",
                                         "fi                  1.000",
                                         "unit fi             MHz",
                                         "ff                  10.000",
                                         "unit ff             mHz",
                                         "Nd                  6",
                                         "Points              per decade",
                                         ""};
    std::string names = "freq/Hz\tRe(Z)/Ohm\t-Im(Z)/Ohm\t|Z|/Ohm\tPhase(Z)/deg\ttime/s\t"
                        "<Ewe>/V\t<I>/mA\tCs/\xB5"
                        "F\tcycle number\tI Range";
    if (o.threeElectrode)
        names += "\tRe(Zce)/Ohm\t-Im(Zce)/Ohm";
    names += "\t";
    std::vector<std::string> lines = {"EC-Lab ASCII FILE"};
    const size_t headerLines = 2 + settings.size() + 1;
    lines.push_back("Nb header lines : " + std::to_string(headerLines) + "                  ");
    lines.insert(lines.end(), settings.begin(), settings.end());
    lines.push_back(names);
    const size_t perSweep = (rows.size() + o.sweeps - 1) / o.sweeps;
    for (size_t i = 0; i < rows.size(); ++i) {
        const auto& m = rows[i];
        std::string row = Sci(m.f, c) + "\t" + Sci(m.re, c) + "\t" + Sci(-m.im, c) + "\t" +
                          Sci(std::hypot(m.re, m.im), c) + "\t" +
                          Sci(std::atan2(m.im, m.re) * 57.29577951308232, c) + "\t" +
                          Sci(0.5 + i, c) + "\t" + Sci(-2.8e-4, c) + "\t" + Sci(-0.046, c) + "\t" +
                          Sci(407.9, c) + "\t" + Sci(1.0 + double(i / perSweep), c) + "\t11";
        if (o.threeElectrode)
            row += "\t" + Sci(5555, c) + "\t" + Sci(-6666, c);
        lines.push_back(row);
    }
    return Join(lines, "\r\n", o.finalEol);
}

// ZPlot `ZPLOT2 ASCII`: the declared count is the planned sweep, not the rows present.
inline std::string ZPlot2(const std::vector<Measurement>& rows = Sweep()) {
    std::vector<std::string> lines = {
        "ZPLOT2 ASCII",
        "  Measured Data, ZPlot:       3.2c",
        "  Experiment Type:            Sweep Frequency, Control Voltage",
        "  Begin User Comments:        0",
        "  End User Comments:          0",
        "  Begin Experiment:           0",
        "    vs Freq-Initial:          100000",
        "    vs Freq-Final:            0.01",
        "  End Experiment:             0",
        "  Data Points:                56",
        "  Freq(Hz)\tAmpl\tBias\tTime(Sec)\tZ'(a)\tZ''(b)\tGD\tErr\tRange",
        "End Comments",
    };
    for (const auto& m : rows)
        lines.push_back(Sci(m.f) + "\t1.0000E-02\t0.0000E+00\t1.716000E+01\t" + Sci(m.re) + "\t" +
                        Sci(m.im) + "\t0.0000E+00\t0\t3");
    return Join(lines, "\r\n");
}

// Legacy ZPlot for Windows: quoted lines, a UTF-8 byte-order mark, rows separated by ", ".
inline std::string ZPlotLegacy(const std::vector<Measurement>& rows = Sweep()) {
    std::vector<std::string> lines = {
        "\xEF\xBB\xBF\"Z60W Data File: Version 1.1\"",
        "\"Raw Data\"",
        "\"Sweep Frequency: Control Voltage\"",
        "Date: 12-17-2019    Time: 16:24:35",
        "\"Frequency\"",
        "0,3,0,1,100000,0.005",
        "79",
        "\"  Freq(Hz)    Ampl     Bias   Time(Sec)   Z'(a)    Z''(b)    GD   Err   Range\"",
    };
    for (const auto& m : rows)
        lines.push_back(Sci(m.f) + ", 1.0000E-02, 0.0000E+00, 2.580000E+00, " + Sci(m.re) + ", " +
                        Sci(m.im) + ", 0.0000E+00, 0, 5");
    return Join(lines, "\n");
}

// CH Instruments "A.C. Impedance" text: a blank line between names and rows.
inline std::string Chi(const std::vector<Measurement>& rows = Sweep()) {
    std::vector<std::string> lines = {
        "Feb. 20, 2020   15:55:08",
        "A.C. Impedance",
        "File: c:\\data\\run7.bin",
        "Data Source:  Experiment",
        "Instrument Model:  CHI660E",
        "Header: ",
        "Note: ",
        "",
        "Init E (V) = 0",
        "High Frequency (Hz) = 1e+5",
        "Low Frequency (Hz) = 0.01",
        "Amplitude (V) = 0.005",
        "",
        "Freq/Hz, Z'/ohm, Z\"/ohm, Z/ohm, Phase/deg",
        "",
    };
    for (const auto& m : rows)
        lines.push_back(Sci(m.f) + ", " + Sci(m.re) + ", " + Sci(m.im) + ", " +
                        Sci(std::hypot(m.re, m.im)) + ", " +
                        Num(std::round(std::atan2(m.im, m.re) * 572.9577951308232) / 10));
    return Join(lines, "\n");
}

// Autolab NOVA ASCII export: `;`, decimal commas, UTF-8 (Ω), -Z'' already negated.
inline std::string Nova(const std::vector<Measurement>& rows = Sweep()) {
    std::vector<std::string> lines = {"Index;Frequency (Hz);Z' (\xCE\xA9);-Z'' (\xCE\xA9);"
                                      "Z (\xCE\xA9);-Phase (\xC2\xB0);Time (s)"};
    int index = 1;
    for (const auto& m : rows) {
        lines.push_back(std::to_string(index) + ";" + Num(m.f, true) + ";" + Num(m.re, true) + ";" +
                        Num(-m.im, true) + ";" + Num(std::hypot(m.re, m.im), true) + ";" +
                        Num(-std::atan2(m.im, m.re) * 57.29577951308232, true) + ";" +
                        Num(1.5 * index, true));
        ++index;
    }
    return Join(lines, "\r\n");
}

// The UTF-16 LE form (with its byte-order mark) of UTF-8 text that is ASCII but for the
// characters used here (°, Ω).
inline std::string Utf16LE(const std::string& utf8) {
    std::string out = "\xFF\xFE";
    for (size_t i = 0; i < utf8.size(); ++i) {
        unsigned code = static_cast<unsigned char>(utf8[i]);
        if (code == 0xC2 || code == 0xCE) { // two-byte characters
            code = ((code & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F);
            ++i;
        }
        out += static_cast<char>(code & 0xFF);
        out += static_cast<char>(code >> 8);
    }
    return out;
}

// PalmSens PSTrace CSV export: UTF-16 LE with BOM, CRLF, metadata rows, a title row and the
// names per curve; the rows split over two curves.
inline std::string PalmSens(const std::vector<Measurement>& rows = Sweep()) {
    std::vector<std::string> lines = {
        "Date and time:,2024-03-01 10:15:00",
        "Notes:",
        "Measurement:,Impedance Spectroscopy",
    };
    const size_t half = rows.size() / 2;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i == 0 || i == half) {
            lines.push_back("CH " + std::to_string(i == 0 ? 1 : 2) + ": Fixed at 5 freqs");
            lines.push_back("freq / Hz,neg. Phase / \xC2\xB0,Idc / uA,Z / Ohm,Z' / Ohm,-Z'' / Ohm,"
                            "Cs / F");
        }
        const auto& m = rows[i];
        lines.push_back(Num(m.f) + "," + Num(-std::atan2(m.im, m.re) * 57.29577951308232) +
                        ",0.5," + Num(std::hypot(m.re, m.im)) + "," + Num(m.re) + "," + Num(-m.im) +
                        ",1E-06");
    }
    return Utf16LE(Join(lines, "\r\n"));
}

// A CSV file with a header row, separated by `separator`, with decimal commas when asked.
inline std::string Csv(const std::string& header, char separator, bool decimalComma = false,
                       bool negatedImag = false, const std::vector<Measurement>& rows = Sweep()) {
    std::vector<std::string> lines = {header};
    const std::string sep(1, separator);
    for (const auto& m : rows)
        lines.push_back(Num(m.f, decimalComma) + sep + Num(m.re, decimalComma) + sep +
                        Num(negatedImag ? -m.im : m.im, decimalComma) + sep + "7");
    return Join(lines, "\n");
}

// Comma-separated f, Z', Z'' without header.
inline std::string HeaderlessCsv(const std::vector<Measurement>& rows = Sweep()) {
    std::vector<std::string> lines;
    for (const auto& m : rows)
        lines.push_back(Num(m.f) + "," + Num(m.re) + "," + Num(m.im));
    return Join(lines, "\n");
}

// One file of each format, named, all holding `rows`.
struct NamedFile {
    const char* format; // what --info calls it
    const char* name;   // a file name for it
    std::string content;
};

inline std::vector<NamedFile> EveryFormat(const std::vector<Measurement>& rows = Sweep()) {
    GamryOptions commaGamry;
    commaGamry.decimalComma = true;
    commaGamry.aborted = true;
    commaGamry.eol = "\r\n";
    MptOptions commaMpt;
    commaMpt.decimalComma = true;
    commaMpt.sweeps = 3;
    return {
        {"plain", "plain.txt", Plain(rows)},
        {"gamry-dta", "eis.DTA", Gamry(rows)},
        {"gamry-dta", "aborted-comma.DTA", Gamry(rows, commaGamry)},
        {"biologic-mpt", "eis.mpt", Mpt(rows)},
        {"biologic-mpt", "sweeps-comma.mpt", Mpt(rows, commaMpt)},
        {"zview", "zplot2.z", ZPlot2(rows)},
        {"zview", "legacy.z", ZPlotLegacy(rows)},
        {"chi", "chi.txt", Chi(rows)},
        {"nova", "nova.txt", Nova(rows)},
        {"palmsens-csv", "palmsens.csv", PalmSens(rows)},
        {"csv", "eclab.csv", Csv("freq/Hz,Re(Z)/Ohm,-Im(Z)/Ohm,time/s", ',', false, true, rows)},
        {"csv", "semicolon.csv", Csv("f;Zre;Zim;n", ';', true, false, rows)},
        {"csv", "tabs.tsv", Csv("Frequency (Hz)\tZ' (Ohm)\tZ'' (Ohm)\tT", '\t', true, false, rows)},
        {"csv", "noheader.csv", HeaderlessCsv(rows)},
        {"plain", "bom.txt", "\xEF\xBB\xBF" + Plain(rows)},
    };
}

} // namespace fixtures
