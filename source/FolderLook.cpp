#include "FolderLook.h"

#include <utility>

FolderLook::FolderLook(std::string folder, std::function<void()> finished)
    : folder_(std::move(folder)), watch_(folder_),
      thread_(
          [this](std::size_t count, const std::atomic<bool>& stop) {
              std::vector<std::string> newest = watch_.Newest(count, &stop);
              return Look{std::move(newest), watch_.Error()};
          },
          std::move(finished)) {}

std::optional<std::vector<std::string>> FolderLook::Take() {
    std::optional<Look> look = thread_.Take();
    if (!look)
        return std::nullopt;
    error_ = look->error;
    return std::move(look->newest);
}
