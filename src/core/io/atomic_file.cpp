#include "io/atomic_file.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "io/text_encoding.h"

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kombora {

namespace {

constexpr std::string_view kTempMark = ".kombora-tmp-";

long ProcessId() {
#ifdef _WIN32
    return static_cast<long>(_getpid());
#else
    return static_cast<long>(::getpid());
#endif
}

bool ProcessRuns(long pid) {
#ifdef _WIN32
    (void)pid;
    return false;  // a temporary file of this name is only left by a run that ended
#else
    if (pid <= 0) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#endif
}

bool AllDigits(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process id in the name of a temporary file of `base`, 0 for the earlier pattern
// (".tmp" + digits + "-" + digits), -1 when the name is not such a file.
long TemporaryOwner(std::string_view name, std::string_view base) {
    if (!name.starts_with(base)) return -1;
    std::string_view rest = name.substr(base.size());
    if (rest.starts_with(kTempMark)) {
        rest.remove_prefix(kTempMark.size());
        const auto dash = rest.find('-');
        if (dash == std::string_view::npos || !AllDigits(rest.substr(0, dash)) ||
            !AllDigits(rest.substr(dash + 1)) || dash > 9) {
            return -1;
        }
        return std::stol(std::string(rest.substr(0, dash)));
    }
    if (rest.starts_with(".tmp")) {
        rest.remove_prefix(4);
        const auto dash = rest.find('-');
        if (dash == std::string_view::npos || !AllDigits(rest.substr(0, dash)) ||
            !AllDigits(rest.substr(dash + 1))) {
            return -1;
        }
        return 0;
    }
    return -1;
}

std::filesystem::path TemporaryBeside(const std::filesystem::path& path) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path tmp = path;
    tmp += PathFromUtf8(std::string(kTempMark) + std::to_string(ProcessId()) + "-" +
                        std::to_string(counter++));
    return tmp;
}

bool Fail(std::string* error, const std::string& text) {
    if (error) *error = text;
    return false;
}

}  // namespace

int RemoveStaleTemporaryFiles(const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    const std::string base = PathToUtf8(path.filename());
    int removed = 0;
    std::filesystem::directory_iterator it(folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string name = PathToUtf8(it->path().filename());
        const long owner = TemporaryOwner(name, base);
        if (owner < 0 || owner == ProcessId() || ProcessRuns(owner)) continue;
        std::error_code removeError;
        if (std::filesystem::remove(it->path(), removeError)) ++removed;
    }
    return removed;
}

namespace {

// Writes the data to a new temporary file, flushed to the disk and closed; false (and nothing
// left) on failure.
bool WriteTemporary(const std::filesystem::path& tmp, std::string_view data, std::string* error) {
    const std::string tmpName = PathToUtf8(tmp);
#ifdef _WIN32
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) return Fail(error, "cannot create " + tmpName);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    out.flush();
    out.close();
    if (!out) {
        std::error_code ignored;
        std::filesystem::remove(tmp, ignored);
        return Fail(error, "cannot write " + tmpName);
    }
    return true;
#else
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return Fail(error, "cannot create " + tmpName + ": " + std::strerror(errno));
    const auto discard = [&](const std::string& what) {
        const std::string reason = std::strerror(errno);
        ::unlink(tmp.c_str());
        return Fail(error, what + " " + tmpName + ": " + reason);
    };
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int saved = errno;
            ::close(fd);
            errno = saved;
            return discard("cannot write");
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        const int saved = errno;
        ::close(fd);
        errno = saved;
        return discard("cannot flush");
    }
    if (::close(fd) != 0) return discard("cannot close");
    return true;
#endif
}

// Makes a rename or link in the folder of `path` durable. A folder that cannot be flushed
// (some file systems refuse) leaves the new file in place: the write has happened.
void FlushFolderOf(const std::filesystem::path& path) {
#ifndef _WIN32
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
#else
    (void)path;
#endif
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view data,
                         std::string* error) {
    RemoveStaleTemporaryFiles(path);
    const std::filesystem::path tmp = TemporaryBeside(path);
    if (!WriteTemporary(tmp, data, error)) return false;
    std::error_code ec;
    std::filesystem::rename(tmp, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(tmp, ignored);
        return Fail(error, "cannot replace " + PathToUtf8(path) + ": " + ec.message());
    }
    FlushFolderOf(path);
    return true;
}

bool WriteNewFileAtomically(const std::filesystem::path& path, std::string_view data, bool* exists,
                            std::string* error) {
    if (exists) *exists = false;
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        if (exists) *exists = true;
        return Fail(error, PathToUtf8(path) + " exists");
    }
    RemoveStaleTemporaryFiles(path);
    const std::filesystem::path tmp = TemporaryBeside(path);
    if (!WriteTemporary(tmp, data, error)) return false;
#ifdef _WIN32
    const bool moved = MoveFileExW(tmp.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
    const bool taken = !moved && GetLastError() == ERROR_ALREADY_EXISTS;
    const std::string reason = moved ? std::string{} : "error " + std::to_string(GetLastError());
#else
    // A hard link is created only when the name is free; the temporary name then goes.
    bool moved = ::link(tmp.c_str(), path.c_str()) == 0;
    bool taken = !moved && errno == EEXIST;
    std::string reason = moved ? std::string{} : std::strerror(errno);
    if (!moved && !taken && (errno == EPERM || errno == ENOTSUP || errno == EOPNOTSUPP)) {
        // A file system without hard links: check the name, then rename.
        taken = std::filesystem::exists(path, ec);
        if (!taken) {
            std::filesystem::rename(tmp, path, ec);
            moved = !ec;
            if (ec) reason = ec.message();
        }
    }
#endif
    std::error_code ignored;
    std::filesystem::remove(tmp, ignored);
    if (moved) {
        FlushFolderOf(path);
        return true;
    }
    if (exists) *exists = taken;
    return Fail(error, "cannot create " + PathToUtf8(path) + ": " + reason);
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& data, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Fail(error, "cannot open " + PathToUtf8(path));
    data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) return Fail(error, "cannot read " + PathToUtf8(path));
    return true;
}

}  // namespace kombora
