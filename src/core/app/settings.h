#pragma once

#include <array>
#include <cstdint>

#include "io/ini_file.h"

namespace kombora {

// The entries of the settings file "Einstellungen.ini", one table that reading and writing
// both use. Adding an entry means adding a Setting, a row of kSettings and (in the GUI) the
// binding of its control.
enum class Setting : uint8_t {
    Language,
    Pool,
    TipSize,
    Guarantee,
    RowCount,
    BankNumbers,
    GuaranteeChoice,
    BankChoice,
    PoolNoMatter,
    GuaranteeNoMatter,
    RowCountNoMatter,
    BankNoMatter,
    ExportWithHeadings,
    ThoroughRowCheck,
    LargestNumber,
    OwnRowsDelimiter,
};

enum class SettingType : uint8_t { Integer, Bool };

struct SettingEntry {
    Setting setting;
    const char* section;
    const char* key;
    SettingType type;
    int32_t defaultValue;  // what a missing or unreadable value reads as; 0 / 1 for a bool
    int writePosition;     // the entries are written in this order (0 first)
    const char* control;   // objectName of the control that shows it; nullptr for none
};

// In the order the entries are read and applied to their controls: the "no matter" boxes come
// after the sliders and choices (whose handlers uncheck them), the largest number after the
// pool (so the pool is clamped to the maximum it had before).
inline constexpr std::array<SettingEntry, 16> kSettings{{
    {Setting::Language, "Allgemein", "Sprache", SettingType::Integer, 0, 12, nullptr},
    {Setting::Pool, "Filter", "ZP", SettingType::Integer, 12, 0, "Slider1"},
    {Setting::TipSize, "Filter", "ReiG", SettingType::Integer, 6, 1, "Slider2"},
    {Setting::Guarantee, "Filter", "GA", SettingType::Integer, 2, 2, "Slider3"},
    {Setting::RowCount, "Filter", "TR", SettingType::Integer, 24, 3, "Slider4"},
    {Setting::BankNumbers, "Filter", "BZ", SettingType::Integer, 0, 4, "Slider5"},
    {Setting::GuaranteeChoice, "Filter", "GARadio", SettingType::Integer, 0, 5, "Radio3"},
    {Setting::BankChoice, "Filter", "BZRadio", SettingType::Integer, 0, 6, "Radio5"},
    {Setting::PoolNoMatter, "Filter", "ZPegal", SettingType::Bool, 0, 7, "cb1"},
    {Setting::GuaranteeNoMatter, "Filter", "GAegal", SettingType::Bool, 0, 8, "cb3"},
    {Setting::RowCountNoMatter, "Filter", "TRegal", SettingType::Bool, 0, 9, "cb4"},
    {Setting::BankNoMatter, "Filter", "BZegal", SettingType::Bool, 0, 10, "cb5"},
    {Setting::ExportWithHeadings, "Excel-Export", "Mit", SettingType::Bool, 0, 14, "cbMit"},
    {Setting::ThoroughRowCheck, "Reihenanalyse", "Detail", SettingType::Bool, 1, 15, "cbDetail"},
    {Setting::LargestNumber, "Allgemein", "biggestZZ", SettingType::Integer, 59, 11, "updown1"},
    {Setting::OwnRowsDelimiter, "Eigene Reihen", "Trenner", SettingType::Integer, 0, 13,
     "RGTrenner"},
}};

const SettingEntry& SettingEntryOf(Setting setting);

// The entries in the order they are written.
std::array<const SettingEntry*, kSettings.size()> SettingsInWriteOrder();

// The value of `entry` in `ini`: its default when the key is missing or holds no integer; a
// bool is 1 for any value other than 0.
int32_t ReadSetting(const IniFile& ini, const SettingEntry& entry);
void WriteSetting(IniFile& ini, const SettingEntry& entry, int32_t value);

}  // namespace kombora
