#include "WindowPart.h"

#include <dlfcn.h>

#include <cstdio>

int RunWindowPart(int argc, char** argv) {
    // The executable's run path finds it: beside it in the build, in its own folder of the
    // libraries once installed.
    void* module = dlopen(KORVANE_WINDOW_MODULE, RTLD_NOW | RTLD_LOCAL);
    void* entry = module != nullptr ? dlsym(module, kWindowEntry) : nullptr;
    if (entry == nullptr) {
        const char* why = dlerror();
        std::fprintf(
            stderr,
            "korvane: cannot load the module that draws pictures and shows the window: %s\n",
            why != nullptr ? why : "its entry is missing");
        return 1;
    }
    return reinterpret_cast<decltype(&korvane_run_window)>(entry)(argc, argv);
}
