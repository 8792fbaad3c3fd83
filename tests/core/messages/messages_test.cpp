#include "app/messages.h"

#include "app/startup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace kombora {

// Failures name the message rather than dumping its bytes.
void PrintTo(const MessageEntry& message, std::ostream* os) {
    *os << message.key;
}

namespace {

using namespace std::string_literals;

constexpr std::string_view kBreak = "\r\r";

// The closing phrases after the paragraph break, German beside English.
struct Closing {
    std::string_view german;
    std::string_view english;
};
constexpr Closing kClosings[] = {
    {"Ich breche erst einmal ab.", "I will abort first of all."},
    {"Ich breche ab.", "I`m stopping here."},
    {"Ich muss abbrechen.", "I have to abort."},
    {"Andernfalls breche ich ab.", "Otherwise I will abort."},
    // Second paragraphs of the questions and of the declined installation.
    {"Wenn nicht, kann ich deren Funktion nicht einordnen und muss abbrechen.",
     "If not, I can not classify their function and must abort."},
    {"Soll fortgefahren werden?", "Should I continue?"},
    {"Zuvor muss das Programm geschlossen und die Datei \"Kombora.exe\" im Verzeichnis %2 "
     "gelöscht werden.",
     ""},
};

std::set<int> PlaceholdersUsed(std::string_view text) {
    std::set<int> used;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9')
            used.insert(text[i + 1] - '0');
    }
    return used;
}

std::vector<std::string> Args(int count) {
    std::vector<std::string> args;
    for (int i = 1; i <= count; ++i) args.push_back("<arg" + std::to_string(i) + ">");
    return args;
}

// The part after the paragraph break, or nullopt without one.
std::optional<std::string_view> SecondParagraph(std::string_view text) {
    const auto at = text.find(kBreak);
    if (at == std::string_view::npos) return std::nullopt;
    return text.substr(at + kBreak.size());
}

class EveryMessage : public ::testing::TestWithParam<MessageEntry> {};

TEST_P(EveryMessage, HasItsTextsAndAConsistentEntry) {
    const MessageEntry& m = GetParam();
    EXPECT_EQ(&LookupMessage(m.id), &AllMessages()[static_cast<std::size_t>(m.id)]);
    EXPECT_EQ(FindMessage(m.key), &LookupMessage(m.id));
    EXPECT_FALSE(m.german.empty());
    EXPECT_EQ(m.english.empty(), m.germanOnly) << "English text exactly when not German-only";
    if (m.germanOnly) {
        EXPECT_EQ(m.kind, m.englishKind);
    }
    EXPECT_EQ(m.helpContext, m.key.starts_with("selection.info_") ? 1040 : 0);

    const bool question = m.buttons != MessageButtons::Ok;
    if (question) {
        EXPECT_EQ(m.kind, MessageKind::Confirmation);
        EXPECT_NE(m.noDialogAnswer, MessageAnswer::Yes) << "without a dialog nothing may change";
        EXPECT_EQ(m.noDialogAnswer,
                  m.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel);
    } else {
        EXPECT_EQ(m.noDialogAnswer, MessageAnswer::Ok);
    }
    EXPECT_EQ(NoDialogAnswer(m.id), m.noDialogAnswer);
}

TEST_P(EveryMessage, KeepsTheParagraphConvention) {
    const MessageEntry& m = GetParam();
    for (std::string_view text : {m.german, m.english}) {
        if (text.empty()) continue;
        EXPECT_EQ(text.find('\n'), std::string_view::npos) << "line breaks are carriage returns";
        EXPECT_EQ(text.find("\r\r\r"), std::string_view::npos);
        EXPECT_FALSE(text.starts_with("\r"));
        const auto first = text.find(kBreak);
        if (first == std::string_view::npos) continue;
        EXPECT_EQ(text.find(kBreak, first + 1), std::string_view::npos) << "one break at most";
        EXPECT_GT(first, 0u);
    }
    // German and English close alike: both with the same closing phrase, or both without.
    const auto german = SecondParagraph(m.german);
    if (m.germanOnly) {
        if (german) {
            bool known = false;
            for (const Closing& c : kClosings) known = known || *german == c.german;
            EXPECT_TRUE(known) << m.key;
        }
        return;
    }
    const auto english = SecondParagraph(m.english);
    ASSERT_EQ(german.has_value(), english.has_value()) << m.key;
    if (!german) return;
    bool paired = false;
    for (const Closing& c : kClosings)
        paired = paired || (*german == c.german && *english == c.english);
    EXPECT_TRUE(paired) << m.key << ": \"" << *german << "\" / \"" << *english << "\"";
}

TEST_P(EveryMessage, FillsEveryPlaceholder) {
    const MessageEntry& m = GetParam();
    const int count = std::max(PlaceholderCount(m.german), PlaceholderCount(m.english));
    // Placeholders are numbered 1..count without gaps in the German text; the English text uses
    // the same ones (the English download message names no web address).
    std::set<int> expected;
    for (int i = 1; i <= count; ++i) expected.insert(i);
    EXPECT_EQ(PlaceholdersUsed(m.german), expected) << m.key;
    if (!m.germanOnly) {
        const auto english = PlaceholdersUsed(m.english);
        if (m.id == MessageId::UpdateDownloadFailed) {
            EXPECT_TRUE(english.empty());
        } else {
            EXPECT_EQ(english, expected) << m.key;
        }
    }
    for (int language : {0, 1}) {
        const auto text = MessageText(m.id, language, Args(count));
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(PlaceholderCount(*text), 0) << m.key << " language " << language;
        for (std::size_t i = 0; i < text->size(); ++i) {
            if ((*text)[i] == '%') ADD_FAILURE() << m.key << ": stray % in " << *text;
        }
    }
}

TEST_P(EveryMessage, FollowsTheLanguageRule) {
    const MessageEntry& m = GetParam();
    for (int32_t language : {0, 1, -1, 2, 7, INT32_MIN, INT32_MAX}) {
        const bool tableLanguage = language == 0 || language == 1;
        const auto prepared = PrepareMessage(m.id, language, Args(9));
        if (!m.germanOnly && !tableLanguage) {
            EXPECT_FALSE(prepared.has_value()) << m.key << " language " << language;
            EXPECT_FALSE(MessageText(m.id, language).has_value());
            EXPECT_FALSE(MessageDialogStyle(m.id, language).has_value());
            EXPECT_FALSE(MessageKindFor(m.id, language).has_value());
            EXPECT_FALSE(MessageShown(m.id, language));
            continue;
        }
        ASSERT_TRUE(prepared.has_value()) << m.key << " language " << language;
        const bool german = m.germanOnly || language == 0;
        EXPECT_EQ(prepared->text, FillMessagePlaceholders(german ? m.german : m.english, Args(9)));
        EXPECT_EQ(prepared->style, german ? MessageStyle::Plain : MessageStyle::Styled);
        EXPECT_EQ(prepared->kind, german ? m.kind : m.englishKind);
        EXPECT_EQ(prepared->buttons, m.buttons);
        EXPECT_EQ(prepared->helpContext, m.helpContext);
        EXPECT_EQ(prepared->key, m.key);
        EXPECT_EQ(prepared->id, m.id);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, EveryMessage, ::testing::ValuesIn(AllMessages()),
                         [](const ::testing::TestParamInfo<MessageEntry>& info) {
                             std::string name(info.param.key);
                             for (char& c : name) {
                                 if (c == '.') c = '_';
                             }
                             return name;
                         });

TEST(MessageTable, SeparatesParagraphsWithTheProgramsBreak) {
    EXPECT_EQ(kBreak, std::string_view(kParagraphBreak));
}

TEST(MessageTable, KeysAreUniqueAndGroupedBySubsystem) {
    const std::set<std::string_view> groups = {"startup",     "general", "selection", "board",
                                               "forming",     "test",    "draw",      "own_rows",
                                               "own_systems", "update",  "tools"};
    std::set<std::string_view> keys;
    for (const MessageEntry& m : AllMessages()) {
        EXPECT_TRUE(keys.insert(m.key).second) << "duplicate key " << m.key;
        const auto dot = m.key.find('.');
        ASSERT_NE(dot, std::string_view::npos) << m.key;
        EXPECT_TRUE(groups.contains(m.key.substr(0, dot))) << m.key;
        EXPECT_EQ(m.key.find_first_not_of("abcdefghijklmnopqrstuvwxyz_."), std::string_view::npos)
            << m.key;
    }
    EXPECT_EQ(FindMessage("no.such_message"), nullptr);
    EXPECT_EQ(FindMessage(""), nullptr);
}

TEST(MessageTable, GermanOnlyAreExactlyTheSixExceptions) {
    std::set<std::string_view> germanOnly;
    for (const MessageEntry& m : AllMessages()) {
        if (m.germanOnly) germanOnly.insert(m.key);
    }
    EXPECT_EQ(germanOnly,
              (std::set<std::string_view>{"startup.help_file_missing", "startup.html_help_missing",
                                          "tools.n_over_k_n_missing", "tools.n_over_k_k_too_large",
                                          "update.start_failed", "update.install_declined"}));
}

struct ExactText {
    MessageId id;
    int32_t language;
    std::vector<std::string> args;
    std::string expected;
};

void PrintTo(const ExactText& c, std::ostream* os) {
    *os << LookupMessage(c.id).key << " language " << c.language;
}

class ExactMessageText : public ::testing::TestWithParam<ExactText> {};

TEST_P(ExactMessageText, ReadsAsWritten) {
    const ExactText& c = GetParam();
    EXPECT_EQ(MessageText(c.id, c.language, c.args), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, ExactMessageText,
    ::testing::Values(
        ExactText{MessageId::StartupHelpFileMissing,
                  1,
                  {"/opt/kombora/help"},
                  "Hilfe-Datei /opt/kombora/help nicht gefunden."},
        ExactText{MessageId::SelectionNoSystemListed,
                  0,
                  {},
                  "Es ist noch kein System gelistet. Bitte prüfen Sie gegebenenfalls Ihre "
                  "Filtereinstellungen.\r\rIch breche erst einmal ab."},
        ExactText{MessageId::SelectionNoSystemListed,
                  1,
                  {},
                  "There is no system listed yet. Please check your filter settings if "
                  "necessary.\r\rI will abort first of all."},
        ExactText{MessageId::BoardBankNumbersComplete,
                  0,
                  {"2"},
                  "Sie haben bereits 2 Bankzahlen gewählt."},
        ExactText{
            MessageId::BoardNumbersComplete, 1, {"12"}, "You have already selected 12 numbers."},
        ExactText{MessageId::FormingChooseNumbersBanks,
                  0,
                  {"11", "2"},
                  "Bitte wählen Sie 11 Tippahlen und 2 Bankzahlen.\r\rIch breche erst einmal ab."},
        ExactText{MessageId::FormingChooseNumbersOneBank,
                  1,
                  {"7"},
                  "Please choose 7 tip numbers and one bank number.\r\rI will abort first of all."},
        ExactText{MessageId::TestRowsFileNotFound,
                  1,
                  {"ESY3.csv"},
                  "The betting series file ESY3.csv, required for the game system, as not "
                  "found.\r\rI have to abort."},
        ExactText{MessageId::TestOwnRowsUnfit,
                  1,
                  {},
                  "A system test doesn`t make sense with these lines of numbers.\r\rI`m stopping "
                  "here."},
        ExactText{MessageId::OwnRowsOutOfRange,
                  0,
                  {"50", "1", "49"},
                  "Die 50 in der 1. Reihe liegt außerhalb des Gültigkeitsbereichs von 1 bis "
                  "49.\r\rIch breche erst einmal ab."},
        ExactText{MessageId::OwnRowsCountInLine,
                  1,
                  {"3", "3"},
                  "In Line 3 I cannot make out 3 numbers.\r\rI will abort first of all."},
        ExactText{MessageId::OwnRowsOverwriteQuestion,
                  0,
                  {},
                  "Das Textfeld ist nicht leer. Wenn es überschrieben werden soll, antworten Sie "
                  "mit \"Ja\".\r\rAndernfalls breche ich ab."},
        ExactText{MessageId::OwnRowsBracketQuestion,
                  1,
                  {},
                  "Am I correct in assuming that the individual rows are separated by "
                  "brackets?\r\rIf not, I can not classify their function and must abort."},
        ExactText{
            MessageId::UpdateCheckFailed, 1, {}, "Unfortunately the update did not work out.\r"},
        ExactText{MessageId::UpdateDownloadFailed,
                  0,
                  {"www.kombora.example"},
                  "Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal oder "
                  "laden Sie das Update von \"www.kombora.example\" herunter."},
        ExactText{MessageId::UpdateDownloadFailed,
                  1,
                  {"www.kombora.example"},
                  "The download failed. Please try again later."},
        ExactText{MessageId::UpdateInstallDeclined,
                  1,
                  {"/home/u/.kombora/", "/opt/kombora/"},
                  "Installation wurde auf Ihren Wunsch abgebrochen. Sie  könnnen das Update "
                  "manuell durch Doppelklick auf die Datei \"Update.exe\" im Verzeichnis "
                  "/home/u/.kombora/ starten.\r\rZuvor muss das Programm geschlossen und die "
                  "Datei \"Kombora.exe\" im Verzeichnis /opt/kombora/ gelöscht werden."},
        ExactText{MessageId::ToolsNOverKNMissing,
                  1,
                  {},
                  "Sie müssen für \"n\" eine Zahl größer Null eingeben.\r\rIch breche erst einmal "
                  "ab."},
        ExactText{MessageId::SelectionInfoGuarantee,
                  1,
                  {},
                  "The scale for the profit guarantee has been limited by the size of the betting "
                  "series."}));

struct KindCase {
    MessageId id;
    MessageKind german;
    MessageKind english;
};

class KindPerLanguage : public ::testing::TestWithParam<KindCase> {};

// The same statement is a notice on one button and, in English, a confirmation on another.
TEST_P(KindPerLanguage, FollowsTheCaller) {
    const KindCase& c = GetParam();
    EXPECT_EQ(MessageKindFor(c.id, 0), c.german);
    EXPECT_EQ(MessageKindFor(c.id, 1), c.english);
}

INSTANTIATE_TEST_SUITE_P(
    NoSystemChosen, KindPerLanguage,
    ::testing::Values(
        KindCase{MessageId::BoardNoSystem, MessageKind::Information, MessageKind::Information},
        KindCase{MessageId::BoardRandomNoSystem, MessageKind::Information,
                 MessageKind::Confirmation},
        KindCase{MessageId::FormingNoSystem, MessageKind::Information, MessageKind::Information},
        KindCase{MessageId::FormingNoSystemLinesPage, MessageKind::Information,
                 MessageKind::Confirmation},
        KindCase{MessageId::TestNoSystemToTheTest, MessageKind::Information,
                 MessageKind::Confirmation},
        KindCase{MessageId::TestNoSystem, MessageKind::Information, MessageKind::Information},
        KindCase{MessageId::BoardBankNumbersComplete, MessageKind::Error, MessageKind::Error},
        KindCase{MessageId::OwnRowsNothingToSave, MessageKind::Error, MessageKind::Error}));

TEST(MessageTable, QuestionsAnswerWithoutADialog) {
    EXPECT_EQ(LookupMessage(MessageId::UpdateInstallQuestion).buttons, MessageButtons::YesNo);
    EXPECT_EQ(NoDialogAnswer(MessageId::UpdateInstallQuestion), MessageAnswer::No);
    for (MessageId id : {MessageId::OwnRowsBracketQuestion, MessageId::OwnRowsOverwriteQuestion,
                         MessageId::OwnRowsClipboardOverwriteQuestion}) {
        EXPECT_EQ(LookupMessage(id).buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(NoDialogAnswer(id), MessageAnswer::Cancel);
    }
}

TEST(ChooseNumbersMessage, FitsTheBankNumbers) {
    const std::vector<std::pair<int32_t, MessageId>> cases = {
        {-2, MessageId::FormingRowsLongerThanTip}, {-1, MessageId::FormingRowsLongerThanTip},
        {0, MessageId::FormingChooseNumbers},      {1, MessageId::FormingChooseNumbersOneBank},
        {2, MessageId::FormingChooseNumbersBanks}, {4, MessageId::FormingChooseNumbersBanks}};
    for (const auto& [banks, id] : cases) EXPECT_EQ(ChooseNumbersMessage(banks), id) << banks;
    // The German text names the count of bank numbers, never a negative one.
    EXPECT_EQ(MessageText(ChooseNumbersMessage(2), 0, {"11", "2"}),
              "Bitte wählen Sie 11 Tippahlen und 2 Bankzahlen.\r\rIch breche erst einmal ab.");
}

// ---- labels

TEST(LabelTable, EveryLabelHasBothTextsAndAUniqueKey) {
    std::set<std::string_view> keys;
    for (const LabelSpec& l : AllLabels()) {
        EXPECT_EQ(&LookupLabel(l.id), &l);
        EXPECT_EQ(FindLabel(l.key), &l);
        EXPECT_TRUE(keys.insert(l.key).second) << l.key;
        EXPECT_FALSE(l.german.empty()) << l.key;
        EXPECT_FALSE(l.english.empty()) << l.key;
        EXPECT_EQ(PlaceholdersUsed(l.german), PlaceholdersUsed(l.english)) << l.key;
        for (int32_t language : {-1, 2, 100}) {
            EXPECT_FALSE(LabelText(l.id, language, Args(9)).has_value()) << l.key;
        }
        EXPECT_EQ(PlaceholderCount(*LabelText(l.id, 0, Args(9))), 0);
    }
    EXPECT_EQ(FindLabel("selection.found"), nullptr);
}

struct LabelCase {
    LabelId id;
    std::vector<std::string> args;
    std::string german;
    std::string english;
};

class ExactLabelText : public ::testing::TestWithParam<LabelCase> {};

TEST_P(ExactLabelText, ReadsAsWritten) {
    const LabelCase& c = GetParam();
    EXPECT_EQ(LabelText(c.id, 0, c.args), c.german);
    EXPECT_EQ(LabelText(c.id, 1, c.args), c.english);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, ExactLabelText,
    ::testing::Values(
        LabelCase{LabelId::StartupSystemsInside,
                  {"2,621"},
                  "   2,621 Systeme inside   ",
                  "   2,621 systems inside   "},
        LabelCase{LabelId::SelectionFoundNone, {}, "Keine Systeme gefunden", "No systems found"},
        LabelCase{LabelId::SelectionFoundMany, {"17"}, "17 Systeme gefunden", "17 systems found"},
        LabelCase{LabelId::FormingRowsCaption, {"24"}, "24 Tippreihen", "24 series of bets"},
        LabelCase{LabelId::TestButtonStart, {}, "Test starten", "Start the test"},
        LabelCase{LabelId::TestButtonStop, {}, "Test stoppen", "Stop test"},
        LabelCase{LabelId::OwnRowsFromClipboard,
                  {},
                  "...aus Zwischenablage eingefügt...",
                  "...inserted from clipboard..."},
        LabelCase{LabelId::OwnSystemsIncompleteMany,
                  {"3"},
                  "3 Systeme unvollständig.",
                  "3 systems incomplete."}));

TEST(FoundCountLabel, PicksNoneOneOrMany) {
    const std::vector<std::pair<int64_t, LabelId>> cases = {{0, LabelId::SelectionFoundNone},
                                                            {1, LabelId::SelectionFoundOne},
                                                            {2, LabelId::SelectionFoundMany},
                                                            {658, LabelId::SelectionFoundMany}};
    for (const auto& [n, id] : cases) EXPECT_EQ(FoundCountLabel(n), id) << n;
}

TEST(OwnSystemsStateLabel, FollowsMissingAndCount) {
    struct Case {
        int32_t missing;
        int32_t count;
        std::string english;
    };
    const std::vector<Case> cases = {
        {0, 1, "The system is complete."},         {0, 2, "Both systems seem complete."},
        {0, 3, "All systems seem to be complete"}, {0, 9, "All systems seem to be complete"},
        {1, 1, "The system is incomplete."},       {1, 2, "One of the two systems is incomplete.."},
        {1, 5, "One system is incomplete."},       {2, 2, "%1 systems incomplete."},
        {4, 9, "%1 systems incomplete."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LookupLabel(OwnSystemsStateLabel(c.missing, c.count)).english, c.english)
            << c.missing << "/" << c.count;
    }
    EXPECT_EQ(LabelText(OwnSystemsStateLabel(1, 2), 0),
              "Eines der beiden Systeme ist unvollständig.");
}

// ---- placeholders

struct FillCase {
    std::string pattern;
    std::vector<std::string> args;
    std::string expected;
};

class FillPlaceholdersCase : public ::testing::TestWithParam<FillCase> {};

TEST_P(FillPlaceholdersCase, ReplacesInOnePass) {
    EXPECT_EQ(FillMessagePlaceholders(GetParam().pattern, GetParam().args), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FillPlaceholdersCase,
    ::testing::Values(
        FillCase{"%1 über %2", {"49", "6"}, "49 über 6"},
        FillCase{"%2 vor %1", {"a", "b"}, "b vor a"}, FillCase{"%1 und %1", {"x"}, "x und x"},
        // an argument that looks like a placeholder stays as it is
        FillCase{"Datei %1 (%2)", {"%2.csv", "weg"}, "Datei %2.csv (weg)"},
        FillCase{"fehlt: %3.", {"a"}, "fehlt: ."}, FillCase{"%1", {"a", "b", "c"}, "a"},
        FillCase{"100% und %0 und %", {"x"}, "100% und %0 und %"}, FillCase{"", {"x"}, ""}));

TEST(PlaceholderCount, IsTheHighestNumber) {
    EXPECT_EQ(PlaceholderCount("ohne"), 0);
    EXPECT_EQ(PlaceholderCount("%2 und %1"), 2);
    EXPECT_EQ(PlaceholderCount("100% %"), 0);
    EXPECT_EQ(PlaceholderCount("%9"), 9);
}

}  // namespace
}  // namespace kombora
