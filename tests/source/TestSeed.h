#pragma once

#include <cstdlib>
#include <random>
#include <string>

// A fresh seed for a randomised test, or the one KORVANE_SEED gives to repeat a run.
inline unsigned TestSeed() {
    const char* given = std::getenv("KORVANE_SEED");
    return given != nullptr ? static_cast<unsigned>(std::stoul(given)) : std::random_device{}();
}
