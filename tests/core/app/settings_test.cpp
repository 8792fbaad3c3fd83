// The table of the settings file's entries.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/settings.h"

namespace kombora {
namespace {

std::string Name(const SettingEntry& e) {
    return std::string(e.section) + "/" + e.key;
}

TEST(Settings, EveryEntryOnceWithItsOwnWritePosition) {
    std::set<Setting> settings;
    std::set<int> positions;
    std::set<std::string> names;
    for (const SettingEntry& e : kSettings) {
        settings.insert(e.setting);
        positions.insert(e.writePosition);
        names.insert(Name(e));
        EXPECT_EQ(&SettingEntryOf(e.setting), &e);
    }
    EXPECT_EQ(settings.size(), kSettings.size());
    EXPECT_EQ(names.size(), kSettings.size());
    EXPECT_EQ(positions, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
}

TEST(Settings, WrittenInTheFileOrder) {
    std::vector<std::string> written;
    for (const SettingEntry* e : SettingsInWriteOrder()) written.push_back(Name(*e));
    const std::vector<std::string> expected = {
        "Filter/ZP",         "Filter/ReiG",           "Filter/GA",        "Filter/TR",
        "Filter/BZ",         "Filter/GARadio",        "Filter/BZRadio",   "Filter/ZPegal",
        "Filter/GAegal",     "Filter/TRegal",         "Filter/BZegal",    "Allgemein/biggestZZ",
        "Allgemein/Sprache", "Eigene Reihen/Trenner", "Excel-Export/Mit", "Reihenanalyse/Detail"};
    EXPECT_EQ(written, expected);
}

TEST(Settings, ReadDefaultsAndBooleans) {
    IniFile ini;
    ini.WriteString("Filter", "ZP", "zwölf");
    ini.WriteString("Reihenanalyse", "Detail", "0");
    ini.WriteString("Excel-Export", "Mit", "7");
    EXPECT_EQ(ReadSetting(ini, SettingEntryOf(Setting::Pool)), 12);     // no integer
    EXPECT_EQ(ReadSetting(ini, SettingEntryOf(Setting::TipSize)), 6);   // missing
    EXPECT_EQ(ReadSetting(ini, SettingEntryOf(Setting::Language)), 0);  // the window's default
    EXPECT_EQ(ReadSetting(ini, SettingEntryOf(Setting::ThoroughRowCheck)), 0);
    EXPECT_EQ(ReadSetting(ini, SettingEntryOf(Setting::ExportWithHeadings)), 1);  // not 0: true
    EXPECT_EQ(ReadSetting(ini, SettingEntryOf(Setting::RowCountNoMatter)), 0);

    WriteSetting(ini, SettingEntryOf(Setting::OwnRowsDelimiter), 2);
    WriteSetting(ini, SettingEntryOf(Setting::PoolNoMatter), 5);
    EXPECT_EQ(ini.ReadString("Eigene Reihen", "Trenner"), "2");
    EXPECT_EQ(ini.ReadString("Filter", "ZPegal"), "1");
}

}  // namespace
}  // namespace kombora
