#include "app/startup.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/context.h"
#include "app/folders.h"
#include "support/temp_dir.h"

namespace kombora {
namespace {

using kombora::testing::TempDir;

TEST(StartLanguage, ComesFromTheSettingsFileWithDefaultEnglish) {
    TempDir dir;
    EXPECT_EQ(ReadStartLanguage(dir.path() / "Einstellungen.ini"), 1);  // no file
    EXPECT_EQ(ReadStartLanguage(dir.Write("a.ini", "[Allgemein]\r\nSprache=0\r\n")), 0);
    EXPECT_EQ(ReadStartLanguage(dir.Write("b.ini", "[Allgemein]\nbiggestZZ=49\n")), 1);
    EXPECT_EQ(ReadStartLanguage(dir.Write("c.ini", "[Allgemein]\nSprache=x\n")), 1);
    EXPECT_EQ(ReadStartLanguage(dir.Write("d.ini", "[Allgemein]\nSprache=7\n")), 7);
}

TEST(SystemsInsideLabel, FollowsTheLanguage) {
    EXPECT_EQ(SystemsInsideLabel(2621, 1, NumberLocale::English()), "   2,621 systems inside   ");
    EXPECT_EQ(SystemsInsideLabel(2621, 0, NumberLocale::German()), "   2.621 Systeme inside   ");
    EXPECT_EQ(SystemsInsideLabel(2621, 2, NumberLocale::German()), std::nullopt);
    EXPECT_EQ(SystemsInsideLabel(2621, -1, NumberLocale::English()), std::nullopt);
}

TEST(Context, FirstRunCreatesTheFoldersAndFindsNoOwnSystems) {
    TempDir dir;
    AppContext context;
    InitializeContext(context, MakeAppFolders(dir.path(), dir.path() / "data"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "data" / "OwnSystems"));
    EXPECT_EQ(context.Language, 1);
    EXPECT_EQ(context.catalogue.size(), 658);
    EXPECT_EQ(SystemsInsideCount(context.catalogue), 2621);
    EXPECT_EQ(context.SelectedSystem, -1);
    EXPECT_EQ(context.LargestNumber, 49);
}

#ifndef _WIN32
TEST(Folders, FollowXdgDataHomeOnLinux) {
    TempDir dir;
    const char* old = std::getenv("XDG_DATA_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_DATA_HOME", dir.path().c_str(), 1);
    EXPECT_EQ(DefaultAppDataFolder(), dir.path() / "Kombora");
    setenv("XDG_DATA_HOME", "relative/path", 1);  // not absolute: ignored
    EXPECT_NE(DefaultAppDataFolder(), std::filesystem::path("relative/path") / "Kombora");
    if (old) {
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
}
#endif

}  // namespace
}  // namespace kombora
