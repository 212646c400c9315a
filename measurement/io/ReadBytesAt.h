#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Reads up to `count` bytes of `fd` from `offset` on into `bytes` (fewer where the file ends
// first), leaving the file position alone. False on a read error, left in errno.
bool ReadBytesAt(int fd, std::uint64_t offset, std::size_t count, std::string& bytes);
