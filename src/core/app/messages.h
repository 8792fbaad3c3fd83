#pragma once

// The program's message table: every message box the program shows, with its German and its
// English text, its kind, its buttons, its help context and the answer a question gets when
// no dialog is shown; and the table of the language-dependent texts of labels and buttons.
//
// Texts are UTF-8. A carriage return ("\r") breaks a line; two of them (kParagraphBreak)
// separate a statement from its closing phrase. Parameters are written %1 .. %9 and filled by
// FillMessagePlaceholders; numbers are formatted by the caller before they are passed in.
//
// Language rule: 0 shows the German text in the plain dialog, 1 the English text in the
// dialog styled like the main window, any other value shows nothing (nullopt). The German-only
// messages do not depend on the language: they are shown with their German text in the plain
// dialog for every language value, also for values other than 0 and 1.
//
// The list at the top of messages.cpp groups the keys by subsystem.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kombora {

enum class MessageKind { Error, Information, Confirmation, Warning };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// Plain: the platform's standard dialog (German texts, German-only messages).
// Styled: the dialog styled like the main window (English texts).
enum class MessageStyle { Plain, Styled };

// One identifier per message; the table in messages.cpp holds one entry per identifier, in
// this order. The key of each entry ("selection.no_system_listed") names it in tests and logs.
enum class MessageId : uint16_t {
    // Start-up and general
    StartupHelpFileMissing,
    StartupHtmlHelpMissing,
    StartupOwnIndexUnreadable,
    StartupOwnIndexPartial,
    GeneralErrorReport,
    GeneralFileReadFailed,
    GeneralFileWriteFailed,
    GeneralFileNotRegular,
    GeneralFileOutsideFolder,
    GeneralFileTooLarge,
    // System selection
    SelectionInfoGuarantee,
    SelectionInfoRowCount,
    SelectionInfoBankNumbers,
    SelectionNoSystemListed,
    SelectionSelectFromList,
    SelectionSystemIncomplete,
    // Number board and random choice
    BoardNoSystem,
    BoardBankNumbersComplete,
    BoardNumbersComplete,
    BoardRandomNoSystem,
    BoardRandomTooManyNumbers,
    BoardNumbersAboveLargest,
    // Forming tip rows
    FormingNoSystem,
    FormingNoSystemLinesPage,
    FormingChooseNumbers,
    FormingChooseNumbersOneBank,
    FormingChooseNumbersBanks,
    FormingRowsLongerThanTip,
    FormingRowsFileMissing,
    FormingBuiltinRowsMissing,
    // System test and own-rows test
    TestNoSystemToTheTest,
    TestNoSystem,
    TestRowsFileNotFound,
    TestOwnRowsUnfit,
    TestOwnRowsTooLong,
    TestOutOfMemory,
    TestBusy,
    // Checking rows against a draw
    DrawNotANumber,
    DrawOutOfRange,
    DrawTwice,
    DrawTooFew,
    DrawTooMany,
    DrawExtraNotANumber,
    DrawExtraOutOfRange,
    DrawExtraAmongNumbers,
    DrawExtraMoreThanOne,
    DrawNoRows,
    // Own rows: parser, import and export
    OwnRowsEmptyText,
    OwnRowsBracketQuestion,
    OwnRowsDelimiter,
    OwnRowsFirstTwoRows,
    OwnRowsCountInLine,
    OwnRowsOutOfRange,
    OwnRowsTwiceInRow,
    OwnRowsNotANumber,
    OwnRowsNoRowsToSave,
    OwnRowsNoRowsToExport,
    OwnRowsExcelMissing,
    OwnRowsNothingToSave,
    OwnRowsOverwriteQuestion,
    OwnRowsClipboardOverwriteQuestion,
    OwnRowsImportUnreadable,
    OwnRowsImportTooLarge,
    OwnRowsWorkbookNotOpened,
    // Own systems
    OwnSystemsTooManyRows,
    OwnSystemsSaveFailed,
    OwnSystemsDeleteFailed,
    OwnSystemsBadFileName,
    OwnSystemsRowsFileTooFewRows,
    OwnSystemsRowsFileWrongCount,
    OwnSystemsRowsFileNotANumber,
    OwnSystemsRowsFileOutOfRange,
    OwnSystemsRowsFileRepeated,
    OwnSystemsRowsFileTooManyRows,
    OwnSystemsFullSystemRowCount,
    // Update
    UpdateNoConnectionCheck,
    UpdateCheckFailed,
    UpdateNoConnectionDownload,
    UpdateDownloadFailed,
    UpdateInstallQuestion,
    UpdateStartFailed,
    UpdateInstallDeclined,
    UpdateVersionFileEmpty,
    UpdateVersionFilePartial,
    UpdateVersionTextTooLong,
    UpdateAddressNotSecure,
    UpdateRedirectRefused,
    UpdateDownloadIncomplete,
    UpdateDownloadSizeUnknown,
    UpdateDigestUnreadable,
    UpdateDigestMismatch,
    UpdateHandedToDesktop,
    // Tools
    ToolsNOverKNMissing,
    ToolsNOverKKTooLarge,
    ToolsNOverKTooLarge,
    ToolsCalculatorNotFound,
};

struct MessageEntry {
    MessageId id;
    std::string_view key;
    MessageKind kind;         // kind of the German text (and of a German-only message)
    MessageKind englishKind;  // kind of the English text; for a German-only message = kind
    MessageButtons buttons;
    int32_t helpContext;           // help topic of the dialog, 0 none
    bool germanOnly;               // one German text for every language, always the plain dialog
    MessageAnswer noDialogAnswer;  // what the caller takes when no dialog is shown
    std::string_view german;
    std::string_view english;  // empty for a German-only message
};

// What a message box shows for one language, placeholders filled.
struct PreparedMessage {
    MessageId id;
    std::string_view key;
    MessageKind kind;
    MessageButtons buttons;
    MessageStyle style;
    int32_t helpContext;
    std::string text;
};

// Every message, in MessageId order.
std::span<const MessageEntry> AllMessages();

// The entry of a message.
const MessageEntry& LookupMessage(MessageId id);

// The entry with this key; nullptr for an unknown key.
const MessageEntry* FindMessage(std::string_view key);

// True when the language shows this message at all (0 and 1; every language for a German-only
// message).
bool MessageShown(MessageId id, int32_t language);

// The text to show for the language, placeholders filled; nullopt when nothing is shown.
std::optional<std::string> MessageText(MessageId id, int32_t language,
                                       const std::vector<std::string>& args = {});

// The dialog to use for the language; nullopt when nothing is shown.
std::optional<MessageStyle> MessageDialogStyle(MessageId id, int32_t language);

// The kind shown for the language; nullopt when nothing is shown.
std::optional<MessageKind> MessageKindFor(MessageId id, int32_t language);

// Everything a message box needs for the language; nullopt when nothing is shown, in which
// case the caller goes on with NoDialogAnswer.
std::optional<PreparedMessage> PrepareMessage(MessageId id, int32_t language,
                                              const std::vector<std::string>& args = {});

// The answer a message gets when no dialog is shown: the one that changes nothing (No or
// Cancel for a question, Ok for a notice).
MessageAnswer NoDialogAnswer(MessageId id);

// The entry check of forming tip rows names the missing numbers; which message fits the
// number of bank numbers the system needs (TipSize - RG):
//   0 -> FormingChooseNumbers (%1 changing numbers)
//   1 -> FormingChooseNumbersOneBank (%1 changing numbers)
//   2.. -> FormingChooseNumbersBanks (%1 changing numbers, %2 bank numbers)
//   below 0 -> FormingRowsLongerThanTip (%1 the system's RG, %2 TipSize): the system has more
//   numbers per row than the tip row, so no choice of numbers can fit it.
MessageId ChooseNumbersMessage(int32_t bankNumbers);

// Language-dependent texts of labels, buttons, captions and sheet names.
enum class LabelId : uint16_t {
    StartupSystemsInside,
    SelectionFoundNone,
    SelectionFoundOne,
    SelectionFoundMany,
    FormingRowsCaption,
    TestGridCombinations,
    TestButtonStart,
    TestButtonStop,
    TestDescriptionCaption,
    DrawSummaryOneRowOneMatch,
    DrawSummaryOneRow,
    DrawSummaryRowsOneMatch,
    DrawSummaryRows,
    DrawSummaryWithExtraOne,
    DrawSummaryWithExtra,
    DrawNumbersLabel,
    DrawExtraLabel,
    DrawMatchesHeader,
    OddsOneIn,
    OddsNever,
    OddsHeading,
    OddsDrawnLabel,
    OddsColumnMatches,
    OddsColumnBestRow,
    OddsColumnChance,
    OddsColumnExpected,
    OddsNotAvailable,
    ChartTitle,
    ChartHitCount,
    ChartMatchOne,
    ChartMatches,
    ChartShareAxis,
    PrintChosenNumbers,
    PrintBankNumbers,
    PrintDate,
    PrintRow,
    PrintTestTitle,
    PrintPdfCaption,
    PrintPdfFilter,
    OwnRowsFromClipboard,
    OwnRowsSheetName,
    OwnRowsOwnSheetName,
    OwnRowsOwnFileName,
    OwnSystemsSaveButton,
    OwnSystemsSavedButton,
    OwnSystemsCompleteOne,
    OwnSystemsCompleteBoth,
    OwnSystemsCompleteAll,
    OwnSystemsIncompleteOne,
    OwnSystemsIncompleteOneOfTwo,
    OwnSystemsIncompleteOneOfMany,
    OwnSystemsIncompleteMany,
};

struct LabelSpec {
    LabelId id;
    std::string_view key;
    std::string_view german;
    std::string_view english;
};

std::span<const LabelSpec> AllLabels();
const LabelSpec& LookupLabel(LabelId id);
const LabelSpec* FindLabel(std::string_view key);

// The text for the language (0 German, 1 English), placeholders filled; nullopt for any other
// language, where the label keeps the text it has.
std::optional<std::string> LabelText(LabelId id, int32_t language,
                                     const std::vector<std::string>& args = {});

// The found-count text of the filter for n listed systems: none, one, or %1 = n.
LabelId FoundCountLabel(int64_t n);

// The completeness text of the own-systems page for `missing` systems without rows file among
// `count` own systems (%1 = missing for two or more).
LabelId OwnSystemsStateLabel(int32_t missing, int32_t count);

// Replaces %1 .. %9 by args[0] .. args[8] in one pass (a placeholder inside an argument stays
// as it is). A placeholder without argument becomes empty; extra arguments are ignored; a "%"
// not followed by a digit 1..9 stays.
std::string FillMessagePlaceholders(std::string_view pattern, const std::vector<std::string>& args);

// The highest placeholder number a text uses (0 for none).
int PlaceholderCount(std::string_view text);

}  // namespace kombora
