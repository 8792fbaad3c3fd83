#include "app/folders.h"

#include <cstdlib>
#include <system_error>

#include "io/text_encoding.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace kombora {

namespace {

std::optional<std::filesystem::path> EnvPath(const char* name) {
#ifdef _WIN32
    const DWORD size =
        GetEnvironmentVariableW(std::filesystem::path(name).wstring().c_str(), nullptr, 0);
    if (size == 0) return std::nullopt;
    std::wstring value(size, L'\0');
    GetEnvironmentVariableW(std::filesystem::path(name).wstring().c_str(), value.data(), size);
    value.resize(size - 1);
    if (value.empty()) return std::nullopt;
    return std::filesystem::path(value);
#else
    const char* value = std::getenv(name);
    if (!value || !*value) return std::nullopt;
    return PathFromUtf8(value);
#endif
}

}  // namespace

std::filesystem::path DefaultAppDataFolder() {
#if defined(_WIN32)
    const auto base = EnvPath("APPDATA");
    return base ? *base / "Kombora" : std::filesystem::path();
#elif defined(__APPLE__)
    const auto home = EnvPath("HOME");
    return home ? *home / "Library" / "Application Support" / "Kombora" : std::filesystem::path();
#else
    if (const auto xdg = EnvPath("XDG_DATA_HOME"); xdg && xdg->is_absolute()) {
        return *xdg / "Kombora";
    }
    const auto home = EnvPath("HOME");
    return home ? *home / ".local" / "share" / "Kombora" : std::filesystem::path();
#endif
}

AppFolders MakeAppFolders(const std::filesystem::path& exeFolder,
                          const std::optional<std::filesystem::path>& dataDir) {
    AppFolders folders;
    folders.exeFolder = exeFolder;
    folders.appDataFolder = dataDir ? *dataDir : DefaultAppDataFolder();
    folders.ownSystemsFolder = folders.appDataFolder / kOwnSystemsFolderName;
    return folders;
}

bool EnsureAppFolders(const AppFolders& folders, std::string* error) {
    for (const auto& folder : {folders.appDataFolder, folders.ownSystemsFolder}) {
        if (folder.empty()) {
            if (error) *error = "no application-data folder";
            return false;
        }
        std::error_code ec;
        if (std::filesystem::is_directory(folder, ec)) continue;
        std::filesystem::create_directories(folder, ec);
        if (ec) {
            if (error) *error = "cannot create " + PathToUtf8(folder) + ": " + ec.message();
            return false;
        }
    }
    return true;
}

std::filesystem::path RunningProgramFolder(const char* argv0) {
    std::error_code ec;
#if defined(_WIN32)
    std::wstring buffer(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n > 0) return std::filesystem::path(buffer.substr(0, n)).parent_path();
#elif defined(__linux__)
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return self.parent_path();
#endif
    if (argv0 && *argv0) {
        const auto absolute = std::filesystem::absolute(PathFromUtf8(argv0), ec);
        if (!ec) return absolute.parent_path();
    }
    return std::filesystem::current_path(ec);
}

}  // namespace kombora
