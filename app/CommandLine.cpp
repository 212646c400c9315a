#include "CommandLine.h"

#include "ArgumentText.h"
#include "MessageForm.h"
#include "analysis/KramersKronig.h"
#include "measurement/ParallelRead.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <array>
#include <cmath>
#include <optional>

namespace {

struct Parser {
    Parser() {
        parser.setApplicationDescription(
            QStringLiteral("Shows an impedance measurement file as a Nyquist diagram and reads "
                           "it again every 2 seconds."));
        parser.addPositionalArgument(
            QStringLiteral("FILE"),
            QStringLiteral("The measurement file to show; several are overlaid."),
            QStringLiteral("[FILE...]"));
        for (const QCommandLineOption* option : options())
            parser.addOption(*option);
    }
    // Every option, in the order the help lists them.
    std::array<const QCommandLineOption*, 26> options() const {
        return {&snapshot, &exportData, &info,    &plus,       &equal,   &bode,     &size,
                &dpi,      &fontSize,   &lines,   &markerSize, &classic, &kk,       &kkFit,
                &kkMu,     &kkM,        &kkLimit, &kkCap,      &fit,     &fitGuess, &fitWeight,
                &fitRange, &fitExport,  &threads, &help,       &version};
    }
    QCommandLineParser parser;
    QCommandLineOption snapshot{QStringLiteral("snapshot"),
                                QStringLiteral("Write the diagram of FILE to OUT and quit, "
                                               "without opening a window. OUT ends in .png, "
                                               ".svg or .pdf; - writes a PNG to standard "
                                               "output."),
                                QStringLiteral("OUT")};
    QCommandLineOption exportData{QStringLiteral("export"),
                                  QStringLiteral("Write every measurement of FILE to OUT as CSV "
                                                 "(f, Z', -Z'', |Z|, phase, line) and quit, "
                                                 "without opening a window; - writes to "
                                                 "standard output."),
                                  QStringLiteral("OUT")};
    QCommandLineOption info{QStringLiteral("info"),
                            QStringLiteral("Print what Korvane understands of FILE (format, "
                                           "points, first and last values) and quit.")};
    QCommandLineOption plus{QStringLiteral("plus"),
                            QStringLiteral("Start -Z'' at zero or below, in the window "
                                           "(View > Start -Z'' at Zero) and the snapshot; "
                                           "with --classic, tick the \"+\" box.")};
    QCommandLineOption equal{QStringLiteral("equal"),
                             QStringLiteral("Equal scales: one ohm as long across as up, in "
                                            "the window (View > Equal Scales) and the "
                                            "snapshot.")};
    QCommandLineOption bode{QStringLiteral("bode"),
                            QStringLiteral("Show the Bode diagram: |Z| and the phase against "
                                           "the frequency.")};
    QCommandLineOption size{QStringLiteral("size"),
                            QStringLiteral("The snapshot's size in pixels (default 534x392)."),
                            QStringLiteral("WxH")};
    QCommandLineOption dpi{QStringLiteral("dpi"),
                           QStringLiteral("The snapshot's resolution in dots per inch (default "
                                          "96): a PNG records it, an SVG or PDF is --size "
                                          "at it in physical size."),
                           QStringLiteral("N")};
    QCommandLineOption fontSize{QStringLiteral("font-size"),
                                QStringLiteral("The size of all text in points (default 9)."),
                                QStringLiteral("PT")};
    QCommandLineOption lines{QStringLiteral("lines"),
                             QStringLiteral("Join each sweep's points in the order measured.")};
    QCommandLineOption markerSize{QStringLiteral("marker-size"),
                                  QStringLiteral("The dots' diameter in points (default 3)."),
                                  QStringLiteral("PT")};
    QCommandLineOption classic{QStringLiteral("classic"),
                               QStringLiteral("Draw the classic picture: exact extents in ten "
                                              "divisions, red, green and blue, as Korvane "
                                              "always drew it.")};
    QCommandLineOption kk{QStringLiteral("kk"),
                          QStringLiteral("Print the linear Kramers-Kronig check of each sweep of "
                                         "FILE and quit; with --export, add the fit and its "
                                         "residuals to each row; with --snapshot, draw the "
                                         "residuals under the diagram.")};
    QCommandLineOption kkFit{QStringLiteral("kk-fit"),
                             QStringLiteral("What the check fits: complex (the default), real "
                                            "or imag parts."),
                             QStringLiteral("TYPE")};
    QCommandLineOption kkMu{QStringLiteral("kk-mu"),
                            QStringLiteral("Add RC elements until mu is at most C, above 0 and "
                                           "at most 1 (default 0.85)."),
                            QStringLiteral("C")};
    QCommandLineOption kkM{QStringLiteral("kk-m"),
                           QStringLiteral("Fit M RC elements, 1 to 100 (at most 2/3 of a "
                                          "sweep's points), instead of choosing M by mu."),
                           QStringLiteral("M")};
    QCommandLineOption kkLimit{QStringLiteral("kk-limit"),
                               QStringLiteral("A residual beyond PCT % makes a sweep invalid "
                                              "(default 1)."),
                               QStringLiteral("PCT")};
    QCommandLineOption kkCap{QStringLiteral("kk-cap"),
                             QStringLiteral("Fit a series capacitance too, for blocking "
                                            "electrodes and diffusion tails.")};
    QCommandLineOption fit{QStringLiteral("fit"),
                           QStringLiteral("Fit the equivalent circuit CIRCUIT, such as "
                                          "R0-p(R1,CPE1), to each sweep of FILE without an "
                                          "initial guess, print its parameters and quit; "
                                          "with --export, add the model's Z' and -Z'' to each "
                                          "row; with --snapshot, draw the fitted lines."),
                           QStringLiteral("CIRCUIT")};
    QCommandLineOption fitGuess{QStringLiteral("fit-guess"),
                                QStringLiteral("Start one local fit from these values, one for "
                                               "each parameter in the circuit's order."),
                                QStringLiteral("V1,V2,...")};
    QCommandLineOption fitWeight{QStringLiteral("fit-weight"),
                                 QStringLiteral("Weight each point by unit (the default), "
                                                "modulus (1/|Z|^2) or proportional (each part "
                                                "by 1 over its square)."),
                                 QStringLiteral("WEIGHT")};
    QCommandLineOption fitRange{QStringLiteral("fit-range"),
                                QStringLiteral("Fit only the points from FMIN to FMAX Hz."),
                                QStringLiteral("FMIN:FMAX")};
    QCommandLineOption fitExport{QStringLiteral("fit-export"),
                                 QStringLiteral("Write the fit's parameter table to OUT as CSV, "
                                                "a row a sweep, instead of printing it; - "
                                                "writes to standard output."),
                                 QStringLiteral("OUT")};
    QCommandLineOption threads{QStringLiteral("threads"),
                               QStringLiteral("Read a file of 16 MB or more on N threads, 1 to "
                                              "%1 (default: one a processor core).")
                                   .arg(kMostReadThreads),
                               QStringLiteral("N")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help and quit.")};
    QCommandLineOption version{QStringLiteral("version"),
                               QStringLiteral("Show the version and quit.")};
};

CommandLine failed(QString why) {
    CommandLine result;
    result.action = CommandLine::Action::Error;
    result.error = std::move(why);
    return result;
}

// The value of `choices` that `given` names, if any.
template <typename T>
std::optional<T> named(const QString& given,
                       std::initializer_list<std::pair<const char*, T>> choices) {
    for (const auto& [name, value] : choices)
        if (given == QLatin1String(name))
            return value;
    return std::nullopt;
}

// The check's options into `options`, or what is wrong with them.
std::optional<QString> parseKk(const Parser& p, KkOptions& options) {
    const QCommandLineOption* const given[] = {&p.kkFit, &p.kkMu, &p.kkM, &p.kkLimit, &p.kkCap};
    for (const QCommandLineOption* option : given)
        if (p.parser.isSet(*option) && !p.parser.isSet(p.kk))
            return QStringLiteral("--%1 goes with --kk.").arg(option->names().constFirst());
    if (p.parser.isSet(p.kkFit)) {
        const auto fit = named<KkFit>(
            p.parser.value(p.kkFit),
            {{"complex", KkFit::Complex}, {"real", KkFit::Real}, {"imag", KkFit::Imag}});
        if (!fit)
            return QStringLiteral("--kk-fit takes complex, real or imag.");
        options.fit = *fit;
    }
    bool ok = true;
    if (p.parser.isSet(p.kkMu)) {
        options.muLimit = p.parser.value(p.kkMu).toDouble(&ok);
        if (!ok || !(options.muLimit > 0 && options.muLimit <= 1))
            return QStringLiteral("--kk-mu takes a number above 0 and at most 1.");
    }
    if (p.parser.isSet(p.kkM)) {
        options.fixedM = p.parser.value(p.kkM).toInt(&ok);
        if (!ok || options.fixedM < 1 || options.fixedM > kKkMostElements)
            return QStringLiteral("--kk-m takes a whole number from 1 to %1.").arg(kKkMostElements);
        if (p.parser.isSet(p.kkMu))
            return QStringLiteral("--kk-m fixes M and --kk-mu chooses it: give one of them.");
    }
    if (p.parser.isSet(p.kkLimit)) {
        options.limitPercent = p.parser.value(p.kkLimit).toDouble(&ok);
        if (!ok || !(options.limitPercent > 0) || !std::isfinite(options.limitPercent))
            return QStringLiteral("--kk-limit takes a percentage above 0.");
    }
    options.capacitance = p.parser.isSet(p.kkCap);
    return std::nullopt;
}

// The circuit and the fit's options into `command`, or what is wrong with them.
std::optional<QString> parseFit(const Parser& p, CommandLine& command) {
    for (const QCommandLineOption* option : {&p.fitGuess, &p.fitWeight, &p.fitRange, &p.fitExport})
        if (p.parser.isSet(*option) && !p.parser.isSet(p.fit))
            return QStringLiteral("--%1 goes with --fit.").arg(option->names().constFirst());
    if (!p.parser.isSet(p.fit))
        return std::nullopt;
    ParsedCircuit parsed = ParseCircuit(ArgumentBytes(p.parser.value(p.fit)));
    if (!parsed.error.empty())
        return QStringLiteral("--fit: ") + QString::fromStdString(parsed.error);
    command.circuit = std::move(parsed.circuit);
    if (p.parser.isSet(p.fitExport)) {
        command.output = ArgumentBytes(p.parser.value(p.fitExport));
        if (command.output.empty())
            return QStringLiteral("--fit-export takes a file name, or - for standard output.");
    }
    FitOptions& options = command.fitOptions;
    if (p.parser.isSet(p.fitWeight)) {
        const auto weight = named<FitWeight>(p.parser.value(p.fitWeight),
                                             {{"unit", FitWeight::Unit},
                                              {"modulus", FitWeight::Modulus},
                                              {"proportional", FitWeight::Proportional}});
        if (!weight)
            return QStringLiteral("--fit-weight takes unit, modulus or proportional.");
        options.weight = *weight;
    }
    bool ok = true;
    if (p.parser.isSet(p.fitRange)) {
        const QStringList range = p.parser.value(p.fitRange).split(QLatin1Char(':'));
        bool high = range.size() == 2;
        options.fMin = range.value(0).toDouble(&ok);
        options.fMax = range.value(1).toDouble(&high);
        if (!ok || !high || !(options.fMin >= 0 && options.fMin <= options.fMax))
            return QStringLiteral("--fit-range takes FMIN:FMAX in Hz, 0 <= FMIN <= FMAX.");
    }
    if (p.parser.isSet(p.fitGuess)) {
        const QStringList values = p.parser.value(p.fitGuess).split(QLatin1Char(','));
        const auto& parameters = command.circuit.parameters();
        if (std::size_t(values.size()) != parameters.size())
            return QStringLiteral("--fit-guess: %1 values for the %2 parameters of %3.")
                .arg(values.size())
                .arg(parameters.size())
                .arg(QString::fromStdString(command.circuit.text()));
        for (std::size_t i = 0; i < parameters.size(); ++i) {
            const double v = values[qsizetype(i)].toDouble(&ok);
            const QString name = QString::fromStdString(parameters[i].name);
            if (!ok || !std::isfinite(v))
                return QStringLiteral("--fit-guess: \"%1\" for %2 is no number.")
                    .arg(values[qsizetype(i)], name);
            if (parameters[i].exponent ? !(v > 0 && v <= 1) : !(v > 0))
                return QStringLiteral("--fit-guess: %1 takes a value %2.")
                    .arg(name, parameters[i].exponent ? QStringLiteral("above 0 and at most 1")
                                                      : QStringLiteral("above 0"));
            options.guess.push_back(v);
        }
    }
    return std::nullopt;
}

// Why a choice of how the diagram looks means nothing with a command that draws none.
std::optional<QString> optionMeaninglessWith(const Parser& p, CommandLine::Action action,
                                             const QString& command) {
    if (action == CommandLine::Action::Snapshot)
        return std::nullopt;
    for (const QCommandLineOption* option : {&p.plus, &p.equal, &p.bode, &p.fontSize})
        if (p.parser.isSet(*option))
            return QStringLiteral("--%1 has no meaning with %2: it changes only a diagram.")
                .arg(option->names().constFirst(), command);
    return std::nullopt;
}

} // namespace

QString UsageText() {
    Parser p;
    // The parser names the program after the running executable; ours is always korvane.
    QString text = p.parser.helpText();
    text.replace(QRegularExpression(QStringLiteral("^Usage: \\S+")),
                 QStringLiteral("Usage: korvane"));
    return text;
}

bool IsOwnOption(std::string_view name) {
    const Parser p;
    const QString given = QString::fromUtf8(name.data(), qsizetype(name.size()));
    for (const QCommandLineOption* option : p.options())
        if (option->names().contains(given))
            return true;
    return false;
}

CommandLine ParseCommandLine(const QStringList& arguments) {
    Parser p;
    if (!p.parser.parse(arguments))
        return failed(LowerFirstLetter(p.parser.errorText()));
    CommandLine result;
    if (p.parser.isSet(p.help)) {
        result.action = CommandLine::Action::Help;
        return result;
    }
    if (p.parser.isSet(p.version)) {
        result.action = CommandLine::Action::Version;
        return result;
    }
    const QStringList files = p.parser.positionalArguments();
    for (const QString& file : files)
        result.files.push_back(ArgumentBytes(file));
    if (!files.isEmpty())
        result.file = result.files.front();
    const bool several = files.size() > 1;
    result.plus = p.parser.isSet(p.plus);
    result.equal = p.parser.isSet(p.equal);
    result.bode = p.parser.isSet(p.bode);
    if (p.parser.isSet(p.size)) {
        static const QRegularExpression form(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
        const auto match = form.match(p.parser.value(p.size));
        const int w = match.hasMatch() ? match.captured(1).toInt() : 0;
        const int h = match.hasMatch() ? match.captured(2).toInt() : 0;
        if (w < 1 || h < 1 || w > 10000 || h > 10000)
            return failed(QStringLiteral("--size takes WxH, each from 1 to 10000 pixels."));
        if (!p.parser.isSet(p.snapshot))
            return failed(QStringLiteral("--size goes with --snapshot."));
        result.size = QSize(w, h);
    }
    result.classic = p.parser.isSet(p.classic);
    if (result.classic && several)
        return failed(QStringLiteral("--classic shows one FILE."));
    if (p.parser.isSet(p.dpi)) {
        bool ok = false;
        const double dpi = p.parser.value(p.dpi).toDouble(&ok);
        if (!ok || !(dpi >= 24 && dpi <= 2400))
            return failed(QStringLiteral("--dpi takes a number from 24 to 2400."));
        if (!p.parser.isSet(p.snapshot))
            return failed(QStringLiteral("--dpi goes with --snapshot."));
        result.dpi = dpi;
    }
    if (p.parser.isSet(p.fontSize)) {
        bool ok = false;
        const double points = p.parser.value(p.fontSize).toDouble(&ok);
        if (!ok || !(points >= 4 && points <= 72))
            return failed(QStringLiteral("--font-size takes points from 4 to 72."));
        result.fontPt = points;
    }
    result.lines = p.parser.isSet(p.lines);
    if (p.parser.isSet(p.markerSize)) {
        bool ok = false;
        const double points = p.parser.value(p.markerSize).toDouble(&ok);
        if (!ok || !(points >= kMarkerPtRange.min && points <= kMarkerPtRange.max))
            return failed(QStringLiteral("--marker-size takes points from 0.5 to 72."));
        result.markerPt = points;
    }
    if (p.parser.isSet(p.threads)) {
        bool ok = false;
        const int threads = p.parser.value(p.threads).toInt(&ok);
        if (!ok || threads < 1 || unsigned(threads) > kMostReadThreads)
            return failed(QStringLiteral("--threads takes a whole number from 1 to %1.")
                              .arg(kMostReadThreads));
        result.threads = unsigned(threads);
    }
    if (const auto why = parseKk(p, result.kkOptions))
        return failed(*why);
    result.kk = p.parser.isSet(p.kk);
    result.fit = p.parser.isSet(p.fit);
    if (auto why = parseFit(p, result))
        return failed(*why);
    // The options that print or write what FILE holds and quit, the first given winning;
    // each goes without the others, of which the last is named first. An export may carry
    // the check's and the fit's columns.
    const struct {
        const QCommandLineOption& option;
        CommandLine::Action action;
        const char* verb; // what it does with FILE
    } outputs[] = {{p.info, CommandLine::Action::Info, "read"},
                   {p.exportData, CommandLine::Action::Export, "read"},
                   {p.kk, CommandLine::Action::Kk, "check"},
                   {p.fit, CommandLine::Action::Fit, "fit"},
                   {p.snapshot, CommandLine::Action::Snapshot, "draw"}};
    for (auto out = std::begin(outputs); out != std::end(outputs); ++out) {
        if (!p.parser.isSet(out->option))
            continue;
        // A snapshot draws the check's residuals under its diagram, and the fitted lines.
        const bool drawn =
            out->action == CommandLine::Action::Kk ||
            (out->action == CommandLine::Action::Fit && !p.parser.isSet(p.fitExport));
        if (drawn && p.parser.isSet(p.snapshot)) {
            if (result.classic)
                return failed(
                    QStringLiteral("%1 draws its %2 in the modern picture: leave out --classic.")
                        .arg(QStringLiteral("--") + out->option.names().front(),
                             QLatin1String(out->action == CommandLine::Action::Kk ? "residuals"
                                                                                  : "lines")));
            continue;
        }
        const QString name = QStringLiteral("--") + out->option.names().front();
        if (result.file.empty())
            return failed(
                QStringLiteral("%1 needs a FILE to %2.").arg(name, QLatin1String(out->verb)));
        for (auto other = std::end(outputs) - 1; other != out; --other)
            if (p.parser.isSet(other->option) &&
                !(out->action == CommandLine::Action::Export && !p.parser.isSet(p.fitExport) &&
                  (other->action == CommandLine::Action::Kk ||
                   other->action == CommandLine::Action::Fit)))
                return failed(QStringLiteral("%1 goes without --%2.")
                                  .arg(name, other->option.names().front()));
        result.action = out->action;
        if (const auto meaningless = optionMeaninglessWith(p, out->action, name))
            return failed(*meaningless);
        if (out->action == CommandLine::Action::Info || out->action == CommandLine::Action::Kk)
            return result;
        if (out->action != CommandLine::Action::Fit)
            result.output = ArgumentBytes(p.parser.value(out->option));
        if (out->action == CommandLine::Action::Export && result.output.empty())
            return failed(QStringLiteral("--export takes a file name, or - for standard output."));
        // Each FILE's table goes into a folder under its own name.
        if (out->action == CommandLine::Action::Snapshot)
            return result;
        result.intoFolder = result.output.ends_with('/');
        if (several && !result.intoFolder && !result.output.empty())
            return failed(QStringLiteral("--%1 writes several FILEs into a folder: end OUT with /.")
                              .arg(out->action == CommandLine::Action::Fit
                                       ? QStringLiteral("fit-export")
                                       : out->option.names().front()));
        return result;
    }
    return result;
}
