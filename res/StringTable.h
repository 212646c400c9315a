#pragma once

#include "Resource.h"

// The string table; a missing string reads as empty.
inline const char* LoadResourceString(int id) {
    switch (id) {
    case IDS_ABOUTBOX:
        return "&About Korvane...";
    default:
        return "";
    }
}
