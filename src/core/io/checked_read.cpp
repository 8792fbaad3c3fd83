#include "io/checked_read.h"

#include <system_error>

#ifdef _WIN32
#include <fstream>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace kombora {

namespace {

// True when `inner` is `outer` or lies below it; both are resolved paths.
bool LiesInside(const std::filesystem::path& inner, const std::filesystem::path& outer) {
    auto i = inner.begin();
    for (auto o = outer.begin(); o != outer.end(); ++o, ++i) {
        if (o->empty()) continue;  // a trailing separator of the folder
        if (i == inner.end() || *i != *o) return false;
    }
    return true;
}

CheckedRead Refused(ReadRefusal why, std::uintmax_t size = 0, std::string detail = {}) {
    CheckedRead read;
    read.refusal = why;
    read.size = size;
    read.detail = std::move(detail);
    return read;
}

}  // namespace

CheckedRead ReadCheckedFile(const std::filesystem::path& file, std::uintmax_t maxBytes,
                            const std::filesystem::path& folder) {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(file, ec);
    if (ec || !std::filesystem::exists(status)) return Refused(ReadRefusal::Missing);

    // Resolve every link first; what is opened below is the resolved name, so a link that is
    // swapped between the check and the opening is not followed.
    const std::filesystem::path resolved = std::filesystem::canonical(file, ec);
    if (ec) {
        // A link whose target does not exist.
        return Refused(ReadRefusal::Missing);
    }
    if (!folder.empty()) {
        const std::filesystem::path home = std::filesystem::canonical(folder, ec);
        if (ec || !LiesInside(resolved, home)) return Refused(ReadRefusal::OutsideFolder);
    }

#ifdef _WIN32
    if (!std::filesystem::is_regular_file(resolved, ec)) return Refused(ReadRefusal::NotRegular);
    const std::uintmax_t size = std::filesystem::file_size(resolved, ec);
    if (ec) return Refused(ReadRefusal::Unreadable, 0, ec.message());
    if (size > maxBytes) return Refused(ReadRefusal::TooLarge, size);
    std::ifstream in(resolved, std::ios::binary);
    if (!in) return Refused(ReadRefusal::Unreadable, size, "it cannot be opened");
    CheckedRead read;
    read.data.resize(static_cast<std::size_t>(size));
    in.read(read.data.data(), static_cast<std::streamsize>(size));
    read.data.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return Refused(ReadRefusal::Unreadable, size, "reading it failed");
    if (in.peek() != std::char_traits<char>::eof()) {
        return Refused(ReadRefusal::TooLarge, maxBytes + 1);
    }
    read.size = read.data.size();
    return read;
#else
    // Check the type before opening, and open without waiting in case it changed meanwhile.
    struct stat info {};
    if (::stat(resolved.c_str(), &info) != 0) return Refused(ReadRefusal::Missing);
    if (!S_ISREG(info.st_mode)) return Refused(ReadRefusal::NotRegular);
    const int fd = ::open(resolved.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return Refused(ReadRefusal::Unreadable, 0, std::strerror(errno));
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        return Refused(ReadRefusal::NotRegular);
    }
    const auto size = static_cast<std::uintmax_t>(info.st_size);
    if (size > maxBytes) return Refused(ReadRefusal::TooLarge, size);

    // Read at most one byte beyond the limit: a file that grows (or reports no size, as some
    // system files do) is still read in bounded time and memory.
    CheckedRead read;
    std::size_t capacity = static_cast<std::size_t>(size) + 1;
    if (capacity > maxBytes + 1) capacity = static_cast<std::size_t>(maxBytes + 1);
    read.data.resize(capacity < 4096 ? 4096 : capacity);
    std::size_t got = 0;
    for (;;) {
        if (got == read.data.size()) {
            if (got > maxBytes) break;
            std::size_t next = read.data.size() * 2;
            if (next > maxBytes + 1) next = static_cast<std::size_t>(maxBytes + 1);
            read.data.resize(next);
        }
        const std::size_t room = read.data.size() - got;
        const ssize_t n = ::read(fd, read.data.data() + got, room);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Refused(ReadRefusal::Unreadable, size, std::strerror(errno));
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
        if (got > maxBytes) break;
    }
    if (got > maxBytes) return Refused(ReadRefusal::TooLarge, got);
    read.data.resize(got);
    read.size = got;
    return read;
#endif
}

std::string RefusalReason(const CheckedRead& read, std::uintmax_t maxBytes) {
    switch (read.refusal) {
        case ReadRefusal::None:
            return "";
        case ReadRefusal::Missing:
            return "it does not exist";
        case ReadRefusal::NotRegular:
            return "it is not a regular file";
        case ReadRefusal::OutsideFolder:
            return "it leads outside its folder";
        case ReadRefusal::TooLarge:
            return "it is larger than " + std::to_string(maxBytes) + " bytes";
        case ReadRefusal::Unreadable:
            return read.detail.empty() ? "reading it failed" : read.detail;
    }
    return "";
}

}  // namespace kombora
