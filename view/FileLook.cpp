#include "FileLook.h"

#include <iterator>

FileLook FileLookAt(int look, std::size_t place) {
    constexpr std::size_t kColours = std::size(kFileColours);
    const std::size_t at = look < 0 ? place : static_cast<std::size_t>(look);
    return {kFileColours[at % kColours], static_cast<MarkShape>(at / kColours % kMarkShapes)};
}
