#pragma once

#include <QString>

#include <string>
#include <string_view>

// Command-line arguments as text without losing a byte. Valid UTF-8 reads as itself; every
// byte that is not part of valid UTF-8 becomes the lone surrogate U+DC80 + (byte - 0x80), a
// code unit valid UTF-8 can never produce, so ArgumentBytes gives back the exact bytes.
QString ArgumentText(std::string_view bytes);
std::string ArgumentBytes(const QString& text);
