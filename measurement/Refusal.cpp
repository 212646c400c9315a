#include "Refusal.h"

std::string RefusalWords(Refusal refusal, std::uint32_t detail) {
    const std::string number = std::to_string(detail);
    switch (refusal) {
    case Refusal::None:
        return {};
    case Refusal::UnknownColumn:
        return "BioLogic data column id " + number +
               " has no known width: its records cannot be read";
    case Refusal::NoImpedance:
        return "a BioLogic file without the columns freq/Hz, Re(Z)/Ohm and -Im(Z)/Ohm";
    case Refusal::UnknownVersion:
        return "BioLogic data module of unknown version " + number;
    case Refusal::LongColumnList:
        return "a BioLogic data module whose " + number + " column ids run into its records";
    case Refusal::ArraysPastEnd:
        return "a Zahner file whose sample arrays run past its end";
    case Refusal::BadJson:
        return "a PalmSens session whose JSON does not parse";
    case Refusal::TooLarge:
        return "too large for its format (over " + number + " MiB)";
    }
    return {};
}
