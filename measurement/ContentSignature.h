#pragma once

#include "Format.h"

#include <string>
#include <string_view>

// What a file's first bytes alone tell: an instrument's own binary or JSON format, or content
// that is no measurement at all (binary data of unknown layout, compressed data, an image).
struct Signature {
    bool known = false; // the bytes decided it; otherwise the file is text
    Format format = Format::Plain;
    std::string refusal; // why it is no measurement, if it is none
};

Signature RecogniseSignature(std::string_view head);
