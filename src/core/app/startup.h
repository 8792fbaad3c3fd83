#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "app/number_format.h"
#include "catalogue/catalogue.h"

namespace kombora {

inline constexpr const char* kProductName = "Kombora";
inline constexpr const char* kProgramVersion = "1.0.0.2";
inline constexpr const char* kParagraphBreak = "\r\r";

// The language start-up reads: "Sprache" in section "Allgemein" of the settings file, 1 when
// the file or the key is missing or holds no integer.
int32_t ReadStartLanguage(const std::filesystem::path& settingsFile);

// The start window's label: three blanks, the count in the "#," pattern, then
// " Systeme inside   " (language 0) or " systems inside   " (language 1); nullopt for any
// other language, where the label keeps its initial text.
std::optional<std::string> SystemsInsideLabel(int64_t count, int32_t language,
                                              const NumberLocale& locale);

}  // namespace kombora
