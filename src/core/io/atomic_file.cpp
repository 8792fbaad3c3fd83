#include "io/atomic_file.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <system_error>

#include "io/text_encoding.h"

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

}  // namespace

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
