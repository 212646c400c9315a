#include "ReadBytesAt.h"

#include <unistd.h>

#include <cerrno>

bool ReadBytesAt(int fd, std::uint64_t offset, std::size_t count, std::string& bytes) {
    bytes.resize(count);
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n =
            ::pread(fd, bytes.data() + got, count - got, static_cast<off_t>(offset + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return true;
}
