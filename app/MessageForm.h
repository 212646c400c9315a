#pragma once

#include <QString>

// What follows a refused command line, in place of the whole usage.
inline constexpr const char* kTryHelp = "Try 'korvane --help'.";

// `text` as the tail of "korvane: …", which starts in lower case; a name in capitals
// ("FILE", "Qt") keeps them.
QString LowerFirstLetter(const QString& text);
