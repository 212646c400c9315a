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
    // The configuration made current stays for the process's life: the toolkit uses it.
    FcConfig* config = FcConfigCreate();
    if (config == nullptr)
        return false;
    if (!FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(kChartFontFile)) ||
        !FcConfigSetCurrent(config)) {
        FcConfigDestroy(config);
        return false;
    }
    return true;
}
