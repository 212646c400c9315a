#include "LiveReading.h"

#include "Reload.h"

LiveReading::LiveReading() = default;
LiveReading::~LiveReading() = default;

ReadResult LiveReading::Read(const std::string& path, const std::atomic<bool>& stop) {
    return ReadWholeFile(path, &watch_, &stop);
}
