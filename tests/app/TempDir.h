#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// A fresh folder for one test's files, removed with everything in it afterwards.
class TempDir {
  public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "korvane-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }
    std::string write(const std::string& name, const std::string& content) const {
        const std::string path = file(name);
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    // 64 GiB that read as a measurement whose read would take minutes: a row, blanks past the
    // head (which zeros would mark as binary), then sparse zeros without a line end.
    std::string writeHuge(const std::string& name) const {
        const std::string path = write(name, "1 2 3" + std::string(64 * 1024, ' '));
        std::filesystem::resize_file(path, 64ULL << 30);
        return path;
    }

  private:
    std::filesystem::path path_;
};
