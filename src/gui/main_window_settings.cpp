// Reading and writing the settings file "Einstellungen.ini" through the table of its entries.
#include <QCheckBox>
#include <QScrollBar>
#include <iterator>

#include "app/settings.h"
#include "io/ini_file.h"
#include "main_window.h"
#include "pages/page_own_rows.h"
#include "pages/page_rows.h"
#include "pages/page_selection.h"
#include "widgets/choice_group.h"

namespace kombora::gui {
namespace {

// How an entry of the settings table reaches its control: the value shown, and setting it as
// a user would (running the control's handlers).
struct ControlBinding {
    Setting setting;
    int32_t (*get)(const TFMain& window);
    void (*set)(TFMain& window, int32_t value);
};

template <int Parameter>
constexpr ControlBinding Slider(Setting setting) {
    return {setting, [](const TFMain& w) { return w.pageSelection()->SliderValue(Parameter); },
            [](TFMain& w, int32_t v) { w.pageSelection()->SetSliderValue(Parameter, v); }};
}

template <int Parameter>
constexpr ControlBinding Choice(Setting setting) {
    return {setting, [](const TFMain& w) { return w.pageSelection()->ChoiceIndex(Parameter); },
            [](TFMain& w, int32_t v) { w.pageSelection()->SetChoice(Parameter, v); }};
}

template <int Parameter>
constexpr ControlBinding NoMatter(Setting setting) {
    return {setting,
            [](const TFMain& w) { return int32_t{w.pageSelection()->NoMatter(Parameter)}; },
            [](TFMain& w, int32_t v) { w.pageSelection()->SetNoMatter(Parameter, v != 0); }};
}

constexpr ControlBinding kBindings[] = {
    {Setting::Language, [](const TFMain& w) { return w.context().Language; },
     [](TFMain& w, int32_t v) { w.state().SetLanguage(v); }},
    Slider<1>(Setting::Pool),
    Slider<2>(Setting::TipSize),
    Slider<3>(Setting::Guarantee),
    Slider<4>(Setting::RowCount),
    Slider<5>(Setting::BankNumbers),
    Choice<3>(Setting::GuaranteeChoice),
    Choice<5>(Setting::BankChoice),
    NoMatter<1>(Setting::PoolNoMatter),
    NoMatter<3>(Setting::GuaranteeNoMatter),
    NoMatter<4>(Setting::RowCountNoMatter),
    NoMatter<5>(Setting::BankNoMatter),
    {Setting::ExportWithHeadings,
     [](const TFMain& w) { return int32_t{w.pageRows()->cbMit()->isChecked()}; },
     [](TFMain& w, int32_t v) { w.pageRows()->cbMit()->setChecked(v != 0); }},
    {Setting::ThoroughRowCheck,
     [](const TFMain& w) { return int32_t{w.pageOwnRows()->cbDetail()->isChecked()}; },
     [](TFMain& w, int32_t v) { w.pageOwnRows()->cbDetail()->setChecked(v != 0); }},
    {Setting::LargestNumber, [](const TFMain& w) { return int32_t{w.updown1()->value()}; },
     [](TFMain& w, int32_t v) { w.updown1()->setValue(v); }},
    {Setting::OwnRowsDelimiter,
     [](const TFMain& w) { return int32_t{w.pageOwnRows()->RGTrenner()->itemIndex()}; },
     [](TFMain& w, int32_t v) { w.pageOwnRows()->RGTrenner()->setItemIndex(v); }},
};

// The bindings stand in the order of the table, one for each entry.
constexpr bool BindingsFollowTheTable() {
    if (std::size(kBindings) != kSettings.size()) return false;
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        if (kBindings[i].setting != kSettings[i].setting) return false;
    }
    return true;
}
static_assert(BindingsFollowTheTable(), "every settings entry has its control, in order");

const ControlBinding& BindingOf(const SettingEntry& entry) {
    return kBindings[static_cast<std::size_t>(&entry - kSettings.data())];
}

}  // namespace

void TFMain::ReadSettings() {
    const auto ini = IniFile::Load(context_.folders.SettingsFile(), context_.folders.appDataFolder);
    if (!ini) return;
    // Each value goes into its control in the table's order, running the control's handlers.
    for (const SettingEntry& entry : kSettings) {
        BindingOf(entry).set(*this, ReadSetting(*ini, entry));
    }
}

void TFMain::WriteSettings() {
    // Entries of other programs or later versions in the file are kept.
    IniFile ini = IniFile::Load(context_.folders.SettingsFile(), context_.folders.appDataFolder)
                      .value_or(IniFile());
    for (const SettingEntry* entry : SettingsInWriteOrder()) {
        WriteSetting(ini, *entry, BindingOf(*entry).get(*this));
    }
    // A failed write leaves the previous file in place; closing goes on.
    ini.Save(context_.folders.SettingsFile());
}

}  // namespace kombora::gui
