#include "DisplayChoice.h"

#include <algorithm>

namespace {
bool isOneOf(const std::string& argument, std::initializer_list<const char*> names) {
    return std::any_of(names.begin(), names.end(),
                       [&argument](const char* name) { return argument == name; });
}
} // namespace

bool AsksForNoWindow(const std::vector<std::string>& arguments) {
    for (size_t i = 1; i < arguments.size() && arguments[i] != "--"; ++i) {
        const std::string& argument = arguments[i];
        if (isOneOf(argument, {"--snapshot", "--export", "--info", "--kk", "--fit", "--help", "-h",
                               "--version"}) ||
            argument.starts_with("--snapshot=") || argument.starts_with("--export=") ||
            argument.starts_with("--fit="))
            return true;
    }
    return false;
}

ToolkitPart ToolkitPartFor(const std::vector<std::string>& arguments,
                           bool (*ownOption)(std::string_view name)) {
    if (!AsksForNoWindow(arguments))
        return ToolkitPart::Widgets;
    bool snapshot = false;
    for (size_t i = 1; i < arguments.size() && arguments[i] != "--"; ++i) {
        const std::string_view argument = arguments[i];
        const bool own =
            !argument.starts_with('-') || argument == "-" ||
            (argument.starts_with("--") && ownOption(argument.substr(2, argument.find('=') - 2))) ||
            argument == "-h";
        if (!own || argument == "--classic")
            return ToolkitPart::Widgets;
        snapshot = snapshot || argument == "--snapshot" || argument.starts_with("--snapshot=");
    }
    return snapshot ? ToolkitPart::Gui : ToolkitPart::Core;
}

bool ChoosesOffscreen(const std::vector<std::string>& arguments, bool displayInEnvironment,
                      bool platformInEnvironment) {
    const bool platformArgument =
        std::any_of(arguments.begin(), arguments.end(), [](const std::string& argument) {
            return argument == "-platform" || argument == "--platform";
        });
    if (platformInEnvironment || platformArgument)
        return false;
    return AsksForNoWindow(arguments) || !displayInEnvironment;
}
