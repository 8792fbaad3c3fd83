// Reading and writing the settings file "Einstellungen.ini".
#include <QCheckBox>
#include <QScrollBar>

#include "io/ini_file.h"
#include "main_window.h"
#include "pages/page_own_rows.h"
#include "pages/page_rows.h"
#include "pages/page_selection.h"
#include "widgets/choice_group.h"

namespace kombora::gui {

void TFMain::ReadSettings() {
    const auto ini = IniFile::Load(context_.folders.SettingsFile(), context_.folders.appDataFolder);
    if (!ini) return;
    // Each value goes into its control in this order, running the control's handlers; the
    // "no matter" boxes come after the sliders and choices, so their stored states remain.
    context_.Language = ini->ReadInteger("Allgemein", "Sprache", 0);
    PageSelection& filter = *pageSelection_;
    filter.SetSliderValue(1, ini->ReadInteger("Filter", "ZP", 12));
    filter.SetSliderValue(2, ini->ReadInteger("Filter", "ReiG", 6));
    filter.SetSliderValue(3, ini->ReadInteger("Filter", "GA", 2));
    filter.SetSliderValue(4, ini->ReadInteger("Filter", "TR", 24));
    filter.SetSliderValue(5, ini->ReadInteger("Filter", "BZ", 0));
    filter.SetChoice(3, ini->ReadInteger("Filter", "GARadio", 0));
    filter.SetChoice(5, ini->ReadInteger("Filter", "BZRadio", 0));
    filter.SetNoMatter(1, ini->ReadBool("Filter", "ZPegal", false));
    filter.SetNoMatter(3, ini->ReadBool("Filter", "GAegal", false));
    filter.SetNoMatter(4, ini->ReadBool("Filter", "TRegal", false));
    filter.SetNoMatter(5, ini->ReadBool("Filter", "BZegal", false));
    pageRows_->cbMit()->setChecked(ini->ReadBool("Excel-Export", "Mit", false));
    pageOwnRows_->cbDetail()->setChecked(ini->ReadBool("Reihenanalyse", "Detail", true));
    updown1_->setValue(ini->ReadInteger("Allgemein", "biggestZZ", 59));
    pageOwnRows_->RGTrenner()->setItemIndex(ini->ReadInteger("Eigene Reihen", "Trenner", 0));
}

void TFMain::WriteSettings() {
    // Entries of other programs or later versions in the file are kept.
    IniFile ini = IniFile::Load(context_.folders.SettingsFile(), context_.folders.appDataFolder)
                      .value_or(IniFile());
    const PageSelection& filter = *pageSelection_;
    ini.WriteInteger("Filter", "ZP", filter.SliderValue(1));
    ini.WriteInteger("Filter", "ReiG", filter.SliderValue(2));
    ini.WriteInteger("Filter", "GA", filter.SliderValue(3));
    ini.WriteInteger("Filter", "TR", filter.SliderValue(4));
    ini.WriteInteger("Filter", "BZ", filter.SliderValue(5));
    ini.WriteInteger("Filter", "GARadio", filter.ChoiceIndex(3));
    ini.WriteInteger("Filter", "BZRadio", filter.ChoiceIndex(5));
    ini.WriteBool("Filter", "ZPegal", filter.NoMatter(1));
    ini.WriteBool("Filter", "GAegal", filter.NoMatter(3));
    ini.WriteBool("Filter", "TRegal", filter.NoMatter(4));
    ini.WriteBool("Filter", "BZegal", filter.NoMatter(5));
    ini.WriteInteger("Allgemein", "biggestZZ", updown1_->value());
    ini.WriteInteger("Allgemein", "Sprache", context_.Language);
    ini.WriteInteger("Eigene Reihen", "Trenner", pageOwnRows_->RGTrenner()->itemIndex());
    ini.WriteBool("Excel-Export", "Mit", pageRows_->cbMit()->isChecked());
    ini.WriteBool("Reihenanalyse", "Detail", pageOwnRows_->cbDetail()->isChecked());
    // A failed write leaves the previous file in place; closing goes on.
    ini.Save(context_.folders.SettingsFile());
}

}  // namespace kombora::gui
