#include "ModuleParts.h"

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {
// Beside the executable in the build, in its own folder of the libraries once installed. Found
// from the executable's own path, not by the run path: a sanitizer's dlopen looks up the run
// path of its own library instead.
std::string modulePath(const char* name) {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        for (const std::filesystem::path& place :
             {executable.parent_path(), executable.parent_path() / KORVANE_MODULE_FROM_BINARY})
            if (std::filesystem::exists(place / name, error))
                return (place / name).string();
    return name;
}

int runModule(const char* name, const char* entryName, const char* what, int argc, char** argv) {
    void* module = dlopen(modulePath(name).c_str(), RTLD_NOW | RTLD_LOCAL);
    void* entry = module != nullptr ? dlsym(module, entryName) : nullptr;
    if (entry == nullptr) {
        const char* why = dlerror();
        std::fprintf(stderr, "korvane: cannot load the module that %s: %s\n", what,
                     why != nullptr ? why : "its entry is missing");
        return 1;
    }
    return reinterpret_cast<decltype(&korvane_run_window)>(entry)(argc, argv);
}
} // namespace

int RunWindowPart(int argc, char** argv) {
    return runModule(KORVANE_WINDOW_MODULE, kWindowEntry, "draws pictures and shows the window",
                     argc, argv);
}

int RunPicturePart(int argc, char** argv) {
    return runModule(KORVANE_PICTURE_MODULE, kPictureEntry, "draws pictures", argc, argv);
}
