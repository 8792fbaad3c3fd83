#include "io/atomic_file.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <system_error>

#include "io/text_encoding.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#include <cerrno>
#include <cstring>
#endif

namespace kombora {

namespace {

std::filesystem::path TemporaryBeside(const std::filesystem::path& path) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    std::filesystem::path tmp = path;
    tmp += PathFromUtf8(".tmp" + std::to_string(stamp) + "-" + std::to_string(counter++));
    return tmp;
}

void SetError(std::string* error, const std::string& text) {
    if (error) *error = text;
}

// Writes the data to a new temporary file beside `path`; false (and nothing left) on failure.
bool WriteTemporary(const std::filesystem::path& tmp, std::string_view data, std::string* error) {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) {
        SetError(error, "cannot create " + PathToUtf8(tmp));
        return false;
    }
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    out.flush();
    if (!out) {
        out.close();
        std::error_code ignored;
        std::filesystem::remove(tmp, ignored);
        SetError(error, "cannot write " + PathToUtf8(tmp));
        return false;
    }
    return true;
}

}  // namespace

bool WriteNewFileAtomically(const std::filesystem::path& path, std::string_view data, bool* exists,
                            std::string* error) {
    if (exists) *exists = false;
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        if (exists) *exists = true;
        SetError(error, PathToUtf8(path) + " exists");
        return false;
    }
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
    if (moved) return true;
    if (exists) *exists = taken;
    SetError(error, "cannot create " + PathToUtf8(path) + ": " + reason);
    return false;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view data,
                         std::string* error) {
    const std::filesystem::path tmp = TemporaryBeside(path);
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) {
            SetError(error, "cannot create " + PathToUtf8(tmp));
            return false;
        }
        out.write(data.data(), static_cast<std::streamsize>(data.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(tmp, ignored);
            SetError(error, "cannot write " + PathToUtf8(tmp));
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(tmp, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(tmp, ignored);
        SetError(error, "cannot replace " + PathToUtf8(path) + ": " + ec.message());
        return false;
    }
    return true;
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& data, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        SetError(error, "cannot open " + PathToUtf8(path));
        return false;
    }
    data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        SetError(error, "cannot read " + PathToUtf8(path));
        return false;
    }
    return true;
}

}  // namespace kombora
