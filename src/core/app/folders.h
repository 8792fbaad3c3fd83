#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace kombora {

inline constexpr const char* kSettingsFileName = "Einstellungen.ini";
inline constexpr const char* kOwnSystemsFolderName = "OwnSystems";
inline constexpr const char* kOwnIndexFileName = "ESySummary.esy";

// The program's folders.
struct AppFolders {
    std::filesystem::path exeFolder;         // the program file's folder
    std::filesystem::path appDataFolder;     // per-user data: settings and own systems
    std::filesystem::path ownSystemsFolder;  // appDataFolder / "OwnSystems"

    std::filesystem::path SettingsFile() const { return appDataFolder / kSettingsFileName; }
    std::filesystem::path OwnIndexFile() const { return ownSystemsFolder / kOwnIndexFileName; }
};

// The per-user application-data folder for Kombora: %APPDATA%\Kombora on Windows,
// ~/Library/Application Support/Kombora on macOS, $XDG_DATA_HOME/Kombora (default
// ~/.local/share/Kombora) elsewhere. Empty when the platform gives no base folder.
std::filesystem::path DefaultAppDataFolder();

// The folders for a program file in `exeFolder`; `dataDir` replaces the application-data
// folder when given.
AppFolders MakeAppFolders(const std::filesystem::path& exeFolder,
                          const std::optional<std::filesystem::path>& dataDir = std::nullopt);

// Creates the application-data and own-systems folders when they are missing. Returns false
// (with a reason) when one cannot be created; the program then goes on without them.
bool EnsureAppFolders(const AppFolders& folders, std::string* error = nullptr);

// The folder of the running program file, from argv[0] when the platform has no better way.
std::filesystem::path RunningProgramFolder(const char* argv0);

}  // namespace kombora
