#pragma once

#include "analysis/CircuitFit.h"
#include "analysis/KkOptions.h"
#include "chart/ChartModel.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <string_view>

// What the command line asks for. Without arguments: the dialog, as always.
struct CommandLine {
    enum class Action { ShowDialog, Snapshot, Export, Info, Kk, Fit, Help, Version, Error };
    Action action = Action::ShowDialog;
    std::string file; // the measurement file, if one was given: the argument's own bytes
    std::vector<std::string> files; // every file given, `file` first, overlaid
    // the picture a snapshot writes (PNG, SVG or PDF by its ending) or the CSV file an export
    // writes, "-" for standard output
    std::string output;
    bool intoFolder = false; // `output` is a folder (it ends in /) that takes a CSV file a FILE
    bool plus = false;
    bool equal = false; // equal scales
    bool bode = false;  // the Bode diagram rather than the Nyquist diagram
    QSize size{534, 392};
    bool classic = false;           // the classic look, pixel for pixel
    double dpi = kScreenDpi;        // a snapshot's resolution
    double fontPt = kTextPt;        // the size of every text, in points
    bool lines = false;             // each sweep's points joined
    std::optional<double> markerPt; // the dots' diameter, in points
    QString error;                  // what is wrong, for Action::Error
    unsigned threads = 0;           // how many a whole read may use; 0: one a core
    bool kk = false;                // the Kramers-Kronig check of each sweep, alone or in an export
    KkOptions kkOptions;
    bool fit = false; // --fit: printed alone, or in an export's columns or a snapshot's lines
    Circuit circuit;  // the circuit --fit fits to each sweep
    FitOptions fitOptions;
};

// Reads the arguments as ArgumentText gives them, the program's name first. Needs no
// application object.
CommandLine ParseCommandLine(const QStringList& arguments);

// Whether `name` (without its dashes) names one of Korvane's options.
bool IsOwnOption(std::string_view name);

// The usage text that --help prints.
QString UsageText();
