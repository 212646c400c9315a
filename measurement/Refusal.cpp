#include "Refusal.h"

namespace {
// More lines than any text format writes before the line its format is told by.
constexpr std::uint64_t kPreambleLines = 16;
} // namespace

std::string RefusalText(const Detection& detection, const ReaderState& state, bool watching) {
    if (!detection.refusal.empty())
        return detection.refusal;
    const std::string detail = std::to_string(state.refusalDetail);
    switch (state.refusal) {
    case Refusal::None:
        // Text that gave not a single row is no measurement; an empty file may still become one.
        if (state.format == Format::Plain && state.rows == 0 && state.sawText &&
            (!watching || state.lines > kPreambleLines))
            return "not a measurement file (text with no row of numbers)";
        return {};
    case Refusal::UnknownColumn:
        return "BioLogic data column id " + detail +
               " has no known width: its records cannot be read";
    case Refusal::NoImpedance:
        return "a BioLogic file without the columns freq/Hz, Re(Z)/Ohm and -Im(Z)/Ohm";
    case Refusal::UnknownVersion:
        return "BioLogic data module of unknown version " + detail;
    case Refusal::LongColumnList:
        return "a BioLogic data module whose " + detail + " column ids run into its records";
    case Refusal::ArraysPastEnd:
        return "a Zahner file whose sample arrays run past its end";
    case Refusal::BadJson:
        return "a PalmSens session whose JSON does not parse";
    case Refusal::TooLarge:
        return "too large for its format (over " + detail + " MiB)";
    }
    return {};
}
