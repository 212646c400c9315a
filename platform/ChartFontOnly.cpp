#include "ChartFontOnly.h"

#include <fontconfig/fontconfig.h>
#include <unistd.h>

namespace {
// Where Debian's fonts-dejavu-core puts the face QtPainter::ChartFont asks for.
constexpr const char* kChartFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
} // namespace

bool LoadOnlyChartFont() {
    if (::access(kChartFontFile, R_OK) != 0)
        return false;
    FcConfig* config = FcConfigCreate();
    if (config == nullptr)
        return false;
    const bool made =
        FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(kChartFontFile)) &&
        FcConfigSetCurrent(config);
    // Made current, it holds a reference of its own, which the toolkit lets go at its end.
    FcConfigDestroy(config);
    return made;
}
