// The message table and the table of language-dependent label texts.
//
// Keys by subsystem (who shows them):
//
// start-up and general
//   startup.help_file_missing          help file not found (German only; %1 path)
//   startup.html_help_missing          help viewer missing or too old (German only)
//   startup.own_index_unreadable       own-systems index could not be read completely (%1 file)
//   startup.own_index_partial          own-systems index ends in a partial record (%1 file,
//                                      %2 bytes)
//   general.error_report               an error that ended an operation (%1 its text)
//   general.file_read_failed           a file could not be read (%1 file, %2 reason)
//   general.file_write_failed          a file could not be written (%1 file, %2 reason)
//   general.file_not_regular           a folder, device or pipe where a file belongs (%1 file)
//   general.file_outside_folder        a file that links outside its folder (%1 file)
//   general.file_too_large             a file above its size limit (%1 file, %2 bytes)
// selection
//   selection.info_guarantee           "i" beside the guarantee (help 1040)
//   selection.info_row_count           "i" beside the forced row count (help 1040)
//   selection.info_bank_numbers        "i" beside the bank numbers (help 1040)
//   selection.no_system_listed         double click on an empty result list
//   selection.select_from_list         double click without a selected line
//   selection.system_incomplete        chosen system has no usable tip-row size
// board
//   board.no_system                    board click before a system is chosen
//   board.bank_numbers_complete        all bank numbers chosen (%1 count)
//   board.numbers_complete             all numbers chosen, no bank numbers (%1 count)
//   board.random_no_system             random choice before a system is chosen
//   board.random_too_many_numbers      system needs more numbers than the lottery has (%1
//                                      numbers needed, %2 largest number)
//   board.numbers_above_largest        "Form tips", "Show distribution" or random choice while
//                                      chosen numbers lie above the largest number (%1 those
//                                      numbers, %2 largest number)
// forming
//   forming.no_system                  "Form tips" / "Show distribution" on the board page
//   forming.no_system_lines_page       "Form tips" on the page "Lines of numbers"
//   forming.choose_numbers             entry check, no bank numbers (%1 changing numbers)
//   forming.choose_numbers_one_bank    entry check, one bank number (%1)
//   forming.choose_numbers_banks       entry check, several bank numbers (%1, %2 bank numbers)
//   forming.rows_longer_than_tip       system rows longer than the tip row (%1 RG, %2 TipSize)
//   forming.rows_file_missing          own system's rows file is gone
//   forming.builtin_rows_missing       a built-in system without rows (forming and test)
// test
//   test.no_system_to_the_test         "To the test" without a system
//   test.no_system                     "Start the test" without a system
//   test.rows_file_not_found           own system's rows file is gone (%1 file name)
//   test.own_rows_unfit                own rows too small for a test
//   test.own_rows_too_long             own rows longer than 10 after the bank numbers (%1)
//   test.out_of_memory                 the draws of a test do not fit into memory
//   test.busy                          a command that must wait for the running test
// draw
//   draw.not_a_number                  an item of the drawn numbers is no whole number (%1)
//   draw.out_of_range                  a drawn number outside 1..largest (%1 number, %2 largest)
//   draw.twice                         a number drawn twice (%1)
//   draw.too_few                       fewer numbers than the lottery draws (%1 given, %2 drawn)
//   draw.too_many                      more numbers than the lottery draws (%1 given, %2 drawn)
//   draw.extra_not_a_number            the extra number is no whole number (%1)
//   draw.extra_out_of_range            extra number outside 1..largest (%1 number, %2 largest)
//   draw.extra_among_numbers           extra number is one of the drawn numbers (%1)
//   draw.extra_more_than_one           more than one extra number
//   draw.no_rows                       "Check" without rows
// own rows
//   own_rows.empty_text                empty text field (parser, "Search")
//   own_rows.bracket_question          rows in brackets? (Yes/No/Cancel)
//   own_rows.delimiter                 no delimiter in the first line
//   own_rows.first_two_rows            first two lines differ in their count
//   own_rows.count_in_line             a line differs in its count (%1 line, %2 count)
//   own_rows.out_of_range              number outside 1..largest (%1 item, %2 line, %3 largest)
//   own_rows.twice_in_row              number twice in a line (%1 item, %2 line)
//   own_rows.not_a_number              item is no whole number (%1 item, %2 line)
//   own_rows.no_rows_to_save           "Save..." without rows; "Save as system" on empty text
//   own_rows.no_rows_to_export         "Excel export" without rows (both pages)
//   own_rows.excel_missing             no spreadsheet application for an export
//   own_rows.nothing_to_save           "Save file..." with an empty text field
//   own_rows.overwrite_question        "Open file..." / "Excel import" over text (Yes/No/Cancel)
//   own_rows.clipboard_overwrite_question  "Paste clipboard" over text (Yes/No/Cancel)
//   own_rows.import_unreadable         "Excel import" of a damaged or foreign file (%1 file)
//   own_rows.import_too_large          "Excel import" of a sheet too large for the text field
//                                      (%1 file)
//   own_rows.workbook_not_opened       exported workbook written but not opened (%1 file)
// own systems
//   own_systems.too_many_rows          more rows than a record holds (%1 rows)
//   own_systems.save_failed            rows file or index could not be written (%1 reason)
//   own_systems.delete_failed          rows file or index could not be changed (%1 reason)
//   own_systems.bad_file_name          record names no plain file (%1 name)
//   own_systems.rows_file_too_few_rows     damaged rows file (%1 file, %2 found, %3 needed)
//   own_systems.rows_file_wrong_count      damaged rows file (%1 file, %2 line, %3 found,
//                                          %4 needed)
//   own_systems.rows_file_not_a_number     damaged rows file (%1 file, %2 line, %3 item)
//   own_systems.rows_file_out_of_range     damaged rows file (%1 file, %2 line, %3 number,
//                                          %4 pool size)
//   own_systems.rows_file_repeated         damaged rows file (%1 file, %2 line, %3 number)
//   own_systems.rows_file_too_many_rows    damaged rows file: a line after the TR rows (%1
//                                          file, %2 line, %3 TR, %4 the line)
//   own_systems.full_system_row_count      full guarantee with the wrong row count (%1 rows,
//                                          %2 expected)
// update
//   update.no_connection_check         "Check" without internet connection
//   update.check_failed                version information could not be fetched
//   update.no_connection_download      "Download" without internet connection
//   update.download_failed             installation program could not be fetched (%1 web
//                                      address, German text only)
//   update.install_question            close and install? (Yes/No; %1 application-data folder)
//   update.start_failed                installation program did not start (German only; %1)
//   update.install_declined            installation declined (German only; %1, %2 program
//                                      folder)
//   update.version_file_empty          the version file holds no record
//   update.version_file_partial        its length is no multiple of 24 (%1 length)
//   update.version_text_too_long       a record's length byte above 15 (%1 record, %2 byte)
//   update.address_not_secure          the server address is not HTTPS (%1 address)
//   update.redirect_refused            redirect to plain HTTP or another host (%1 address)
//   update.download_incomplete         bytes received differ from the size (%1 of %2 bytes)
//   update.download_size_unknown       no size announced and no digest published
//   update.digest_unreadable           the ".sha256" beside the file holds no digest
//   update.digest_mismatch             the SHA-256 of the download differs
//   update.handed_to_desktop           installation file given to the desktop (%1 file)
// tools
//   tools.n_over_k_n_missing           n missing or not above 0 (German only)
//   tools.n_over_k_k_too_large         k above n (German only)
//   tools.n_over_k_too_large           result beyond 64 bits (%1 n, %2 k)
//   tools.calculator_not_found         no calculator program on this computer
//
// Labels (LabelText): startup.systems_inside, selection.found_none / found_one / found_many,
// forming.rows_caption, test.grid_combinations, test.button_start, test.button_stop,
// test.description_caption, own_rows.from_clipboard, own_rows.sheet_name,
// own_rows.own_sheet_name, own_rows.own_file_name (the own-rows workbook),
// own_systems.save_button, own_systems.saved_button, own_systems.complete_* and
// own_systems.incomplete_* (the completeness text of the own-systems page).

#include "app/messages.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace kombora {

namespace {

using enum MessageKind;

constexpr MessageAnswer DefaultAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Cancel;
    }
    return MessageAnswer::Ok;
}

// A message with an OK button whose two texts are of the same kind.
constexpr MessageEntry Notice(MessageId id, std::string_view key, MessageKind kind,
                              std::string_view german, std::string_view english) {
    return {id, key, kind, kind, MessageButtons::Ok, 0, false, MessageAnswer::Ok, german, english};
}

// A message with an OK button whose English text is shown as another kind.
constexpr MessageEntry NoticeKinds(MessageId id, std::string_view key, MessageKind germanKind,
                                   MessageKind englishKind, std::string_view german,
                                   std::string_view english) {
    return {id, key,   germanKind,        englishKind, MessageButtons::Ok,
            0,  false, MessageAnswer::Ok, german,      english};
}

// An information message with an OK button and a help topic.
constexpr MessageEntry HelpNotice(MessageId id, std::string_view key, int32_t helpContext,
                                  std::string_view german, std::string_view english) {
    return {id,          key,   Information,       Information, MessageButtons::Ok,
            helpContext, false, MessageAnswer::Ok, german,      english};
}

// A question; without a dialog it gets the answer that changes nothing.
constexpr MessageEntry Question(MessageId id, std::string_view key, MessageButtons buttons,
                                std::string_view german, std::string_view english) {
    return {id, key,   Confirmation,           Confirmation, buttons,
            0,  false, DefaultAnswer(buttons), german,       english};
}

// A message with one German text for every language, always in the plain dialog.
constexpr MessageEntry GermanOnly(MessageId id, std::string_view key, MessageKind kind,
                                  std::string_view german) {
    return {id, key, kind, kind, MessageButtons::Ok, 0, true, MessageAnswer::Ok, german, {}};
}

using M = MessageId;

constexpr std::array kMessages = {
    // ---- start-up and general
    GermanOnly(M::StartupHelpFileMissing, "startup.help_file_missing", Error,
               "Hilfe-Datei %1 nicht gefunden."),
    GermanOnly(M::StartupHtmlHelpMissing, "startup.html_help_missing", Information,
               "Diese Anwendung erfordert die Installation der MS HTML Help 1.2 oder höher"),
    Notice(M::StartupOwnIndexUnreadable, "startup.own_index_unreadable", Warning,
           "Die Datei %1 mit Ihren eigenen Systemen konnte nicht vollständig gelesen werden. Es "
           "stehen nur die bis dahin gelesenen eigenen Systeme zur Verfügung.",
           "The file %1 with your own systems could not be read completely. Only the own systems "
           "read up to that point are available."),
    Notice(M::StartupOwnIndexPartial, "startup.own_index_partial", Warning,
           "Die Datei %1 mit Ihren eigenen Systemen endet mit einem unvollständigen Eintrag von "
           "%2 Bytes. Dieser Rest wird übergangen.",
           "The file %1 with your own systems ends in an incomplete entry of %2 bytes. This "
           "remainder is skipped."),
    Notice(M::GeneralErrorReport, "general.error_report", Error, "%1", "%1"),
    Notice(M::GeneralFileReadFailed, "general.file_read_failed", Error,
           "Die Datei %1 konnte nicht gelesen werden: %2"
           "\r\r"
           "Ich muss abbrechen.",
           "The file %1 could not be read: %2"
           "\r\r"
           "I have to abort."),
    Notice(M::GeneralFileWriteFailed, "general.file_write_failed", Error,
           "Die Datei %1 konnte nicht geschrieben werden: %2"
           "\r\r"
           "Ich muss abbrechen.",
           "The file %1 could not be written: %2"
           "\r\r"
           "I have to abort."),
    Notice(M::GeneralFileNotRegular, "general.file_not_regular", Error,
           "%1 ist keine gewöhnliche Datei (sondern etwa ein Ordner, ein Gerät oder eine "
           "benannte Pipe) und wird nicht gelesen."
           "\r\r"
           "Ich muss abbrechen.",
           "%1 is not a regular file (but a folder, a device or a named pipe, for example) and "
           "is not read."
           "\r\r"
           "I have to abort."),
    Notice(M::GeneralFileOutsideFolder, "general.file_outside_folder", Error,
           "Die Datei %1 verweist aus ihrem Ordner hinaus und wird nicht gelesen."
           "\r\r"
           "Ich muss abbrechen.",
           "The file %1 links to a place outside its folder and is not read."
           "\r\r"
           "I have to abort."),
    Notice(M::GeneralFileTooLarge, "general.file_too_large", Error,
           "Die Datei %1 ist größer als die erlaubten %2 Bytes und wird nicht gelesen."
           "\r\r"
           "Ich muss abbrechen.",
           "The file %1 is larger than the %2 bytes allowed and is not read."
           "\r\r"
           "I have to abort."),

    // ---- selection
    HelpNotice(M::SelectionInfoGuarantee, "selection.info_guarantee", 1040,
               "Die Skala für die Gewinngarantie ist durch die Größe der Tippreihe beschränkt "
               "worden.",
               "The scale for the profit guarantee has been limited by the size of the betting "
               "series."),
    HelpNotice(M::SelectionInfoRowCount, "selection.info_row_count", 1040,
               "Sie haben sich durch die Wahl der vollen Gewinngarantie für ein Vollsystem - "
               "gegebenenfalls mit Bankzahlen - entschieden, dessen Tippreihenanzahl feststeht. "
               "Daher wurden die Wahlmöglichkeiten an dieser Stelle deaktiviert.",
               "By choosing the full profit guarantee, you have opted for a full system - "
               "possibly with bank numbers - with a fixed number of rows. Therefore the options "
               "have been deactivated at this point."),
    HelpNotice(M::SelectionInfoBankNumbers, "selection.info_bank_numbers", 1040,
               "Die Skala für die Bankzahlen ist durch die Größe der Tippreihe oder die "
               "gewünschte Gewinngarantie beschränkt worden.",
               "The scale for the bank numbers has been limited by the size of the betting series "
               "or the desired profit guarantee."),
    Notice(M::SelectionNoSystemListed, "selection.no_system_listed", Information,
           "Es ist noch kein System gelistet. Bitte prüfen Sie gegebenenfalls Ihre "
           "Filtereinstellungen."
           "\r\r"
           "Ich breche erst einmal ab.",
           "There is no system listed yet. Please check your filter settings if necessary."
           "\r\r"
           "I will abort first of all."),
    Notice(M::SelectionSelectFromList, "selection.select_from_list", Information,
           "Bitte wählen Sie ein System aus der Liste."
           "\r\r"
           "Ich breche erst einmal ab.",
           "Please select a system from the list."
           "\r\r"
           "I will abort first of all."),
    Notice(M::SelectionSystemIncomplete, "selection.system_incomplete", Error,
           "Das System enthält nicht die für seine Anwendung erforderlichen Angaben."
           "\r\r"
           "Ich muss abbrechen.",
           "The system does not contain the information necessary for its application."
           "\r\r"
           "I have to abort."),

    // ---- board
    Notice(M::BoardNoSystem, "board.no_system", Information,
           "Bitte gehen Sie zurück und wählen Sie zunächst ein System aus.",
           "Please go back and select a system first."),
    Notice(M::BoardBankNumbersComplete, "board.bank_numbers_complete", Error,
           "Sie haben bereits %1 Bankzahlen gewählt.",
           "You have already selected %1 bank numbers."),
    Notice(M::BoardNumbersComplete, "board.numbers_complete", Error,
           "Sie haben bereits %1 Zahlen gewählt.", "You have already selected %1 numbers."),
    NoticeKinds(M::BoardRandomNoSystem, "board.random_no_system", Information, Confirmation,
                "Bitte gehen Sie zurück und wählen Sie zunächst ein System aus.",
                "Please go back and select a system first."),
    Notice(M::BoardRandomTooManyNumbers, "board.random_too_many_numbers", Information,
           "Das gewählte System braucht %1 Zahlen, die größte Zahl ist aber %2. Bitte stellen Sie "
           "eine größere größte Zahl ein oder wählen Sie ein anderes System."
           "\r\r"
           "Ich breche erst einmal ab.",
           "The selected system needs %1 numbers, but the largest number is %2. Please set a "
           "larger largest number or choose another system."
           "\r\r"
           "I will abort first of all."),
    Notice(M::BoardNumbersAboveLargest, "board.numbers_above_largest", Information,
           "Diese gewählten Zahlen liegen über der größten Zahl %2: %1. Sie sind auf dem "
           "Zahlenfeld ausgeblendet und kämen in Tippreihen, die in Ihrer Lotterie nicht spielbar "
           "sind. Bitte stellen Sie eine größere größte Zahl ein oder leeren Sie das Zahlenfeld."
           "\r\r"
           "Ich breche erst einmal ab.",
           "These chosen numbers lie above the largest number %2: %1. They are hidden on the "
           "board and would end up in tip rows that your lottery cannot play. Please set a "
           "larger largest number or clear the board."
           "\r\r"
           "I will abort first of all."),

    // ---- forming
    Notice(M::FormingNoSystem, "forming.no_system", Information,
           "Bitte wählen Sie zunächst ein Spielsystem aus."
           "\r\r"
           "Ich breche erst einmal ab.",
           "Please select a system first."
           "\r\r"
           "I will abort first of all."),
    NoticeKinds(M::FormingNoSystemLinesPage, "forming.no_system_lines_page", Information,
                Confirmation,
                "Bitte wählen Sie zunächst ein Spielsystem aus."
                "\r\r"
                "Ich breche erst einmal ab.",
                "Please select a system first."
                "\r\r"
                "I will abort first of all."),
    Notice(M::FormingChooseNumbers, "forming.choose_numbers", Information,
           "Bitte wählen Sie %1 Tippahlen."
           "\r\r"
           "Ich breche erst einmal ab.",
           "Please choose %1 tip numbers."
           "\r\r"
           "I will abort first of all."),
    Notice(M::FormingChooseNumbersOneBank, "forming.choose_numbers_one_bank", Information,
           "Bitte wählen Sie %1 Tippahlen und eine Bankzahl."
           "\r\r"
           "Ich breche erst einmal ab.",
           "Please choose %1 tip numbers and one bank number."
           "\r\r"
           "I will abort first of all."),
    Notice(M::FormingChooseNumbersBanks, "forming.choose_numbers_banks", Information,
           "Bitte wählen Sie %1 Tippahlen und %2 Bankzahlen."
           "\r\r"
           "Ich breche erst einmal ab.",
           "Please choose %1 tip numbers and %2 bank numbers."
           "\r\r"
           "I will abort first of all."),
    Notice(M::FormingRowsLongerThanTip, "forming.rows_longer_than_tip", Information,
           "Die Reihen des gewählten Systems haben %1 Zahlen, eine Tippreihe aber nur %2. Bitte "
           "filtern Sie mit einer passenden Tippreihengröße."
           "\r\r"
           "Ich breche erst einmal ab.",
           "The rows of the selected system have %1 numbers, but a tip row has only %2. Please "
           "filter with a fitting tip-row size."
           "\r\r"
           "I will abort first of all."),
    Notice(M::FormingRowsFileMissing, "forming.rows_file_missing", Information,
           "Die Datei mit den Systemreihen wurde gelöscht. Die Tippreihen können daher nicht "
           "gebildet werden."
           "\r\r"
           "Ich muss abbrechen.",
           "The file containing the system series has been deleted. Therefore, the series cannot "
           "be created."
           "\r\r"
           "I have to abort."),

    Notice(M::FormingBuiltinRowsMissing, "forming.builtin_rows_missing", Error,
           "Die Reihen dieses Systems sind im Programm nicht vorhanden."
           "\r\r"
           "Ich muss abbrechen.",
           "The rows of this system are not available in the program."
           "\r\r"
           "I have to abort."),

    // ---- test
    NoticeKinds(M::TestNoSystemToTheTest, "test.no_system_to_the_test", Information, Confirmation,
                "Bitte wählen Sie zunächst ein Spielsystem aus."
                "\r\r"
                "Ich breche erst einmal ab.",
                "Please select a system first."
                "\r\r"
                "I will abort first of all."),
    Notice(M::TestNoSystem, "test.no_system", Information,
           "Bitte wählen Sie zunächst ein Spielsystem aus."
           "\r\r"
           "Ich breche erst einmal ab.",
           "Please select a system first."
           "\r\r"
           "I will abort first of all."),
    Notice(M::TestRowsFileNotFound, "test.rows_file_not_found", Information,
           "Die für das Spielsystem benötigte Tippreihen-Datei %1 wurde nicht gefunden."
           "\r\r"
           "Ich muss abbrechen.",
           "The betting series file %1, required for the game system, as not found."
           "\r\r"
           "I have to abort."),
    Notice(M::TestOwnRowsUnfit, "test.own_rows_unfit", Information,
           "Mit diesen Tippreihen macht ein Systemtest keinen Sinn."
           "\r\r"
           "Ich breche ab.",
           "A system test doesn`t make sense with these lines of numbers."
           "\r\r"
           "I`m stopping here."),
    Notice(M::TestOwnRowsTooLong, "test.own_rows_too_long", Information,
           "Ein Systemtest ist nur mit höchstens 10 Zahlen je Reihe ohne Bankzahlen möglich. Ihre "
           "Tippreihen haben %1."
           "\r\r"
           "Ich breche ab.",
           "A system test is only possible with at most 10 numbers per row without bank numbers. "
           "Your lines of numbers have %1."
           "\r\r"
           "I`m stopping here."),
    Notice(M::TestOutOfMemory, "test.out_of_memory", Error,
           "Für diesen Systemtest reicht der Arbeitsspeicher nicht aus."
           "\r\r"
           "Ich muss abbrechen.",
           "There is not enough memory for this system test."
           "\r\r"
           "I have to abort."),
    Notice(M::TestBusy, "test.busy", Information,
           "Es läuft gerade ein Systemtest. Bitte warten Sie, bis er beendet ist, oder stoppen "
           "Sie ihn."
           "\r\r"
           "Ich breche erst einmal ab.",
           "A system test is running. Please wait until it has finished, or stop it."
           "\r\r"
           "I will abort first of all."),

    // ---- checking rows against a draw
    Notice(M::DrawNotANumber, "draw.not_a_number", Information,
           "Die Angabe \"%1\" bei den gezogenen Zahlen ist keine ganze Zahl."
           "\r\r"
           "Ich breche erst einmal ab.",
           "Item \"%1\" among the drawn numbers is not a whole number."
           "\r\r"
           "I will abort first of all."),
    Notice(M::DrawOutOfRange, "draw.out_of_range", Information,
           "Die gezogene Zahl %1 liegt außerhalb des Bereichs von 1 bis %2."
           "\r\r"
           "Ich breche erst einmal ab.",
           "The drawn number %1 is outside the range from 1 to %2."
           "\r\r"
           "I will abort first of all."),
    Notice(M::DrawTwice, "draw.twice", Information,
           "Die Zahl %1 steht mehr als einmal unter den gezogenen Zahlen."
           "\r\r"
           "Ich breche erst einmal ab.",
           "Number %1 appears more than once among the drawn numbers."
           "\r\r"
           "I will abort first of all."),
    Notice(M::DrawTooFew, "draw.too_few", Information,
           "Es sind nur %1 Zahlen angegeben, gezogen werden aber %2."
           "\r\r"
           "Ich breche erst einmal ab.",
           "Only %1 numbers are given, but the lottery draws %2."
           "\r\r"
           "I will abort first of all."),
    Notice(M::DrawTooMany, "draw.too_many", Information,
           "Es sind %1 Zahlen angegeben, gezogen werden aber nur %2."
           "\r\r"
           "Ich breche erst einmal ab.",
           "%1 numbers are given, but the lottery draws only %2."
           "\r\r"
           "I will abort first of all."),
    Notice(M::DrawExtraNotANumber, "draw.extra_not_a_number", Information,
           "Die Zusatzzahl \"%1\" ist keine ganze Zahl."
           "\r\r"
           "Ich breche erst einmal ab.",
           "The extra number \"%1\" is not a whole number."
           "\r\r"
           "I will abort first of all."),
    Notice(M::DrawExtraOutOfRange, "draw.extra_out_of_range", Information,
           "Die Zusatzzahl %1 liegt außerhalb des Bereichs von 1 bis %2."
           "\r\r"
           "Ich breche erst einmal ab.",
           "The extra number %1 is outside the range from 1 to %2."
           "\r\r"
           "I will abort first of all."),
    Notice(M::DrawExtraAmongNumbers, "draw.extra_among_numbers", Information,
           "Die Zusatzzahl %1 steht schon unter den gezogenen Zahlen."
           "\r\r"
           "Ich breche erst einmal ab.",
           "The extra number %1 is already one of the drawn numbers."
           "\r\r"
           "I will abort first of all."),
    Notice(M::DrawExtraMoreThanOne, "draw.extra_more_than_one", Information,
           "Bitte geben Sie höchstens eine Zusatzzahl an."
           "\r\r"
           "Ich breche erst einmal ab.",
           "Please give at most one extra number."
           "\r\r"
           "I will abort first of all."),
    Notice(M::DrawNoRows, "draw.no_rows", Information,
           "Es gibt keine Tippreihen, die geprüft werden könnten."
           "\r\r"
           "Ich breche erst einmal ab.",
           "There are no series of bets that could be checked."
           "\r\r"
           "I will abort first of all."),

    // ---- own rows
    Notice(M::OwnRowsEmptyText, "own_rows.empty_text", Information,
           "Das Textfeld enthält keine Tippreihen."
           "\r\r"
           "Ich breche erst einmal ab.",
           "The text field does not contain any rows."
           "\r\r"
           "I will abort first of all."),
    Question(M::OwnRowsBracketQuestion, "own_rows.bracket_question", MessageButtons::YesNoCancel,
             "Vermute ich richtig, dass die einzelnen Reihen durch Klammern getrennt werden?"
             "\r\r"
             "Wenn nicht, kann ich deren Funktion nicht einordnen und muss abbrechen.",
             "Am I correct in assuming that the individual rows are separated by brackets?"
             "\r\r"
             "If not, I can not classify their function and must abort."),
    Notice(M::OwnRowsDelimiter, "own_rows.delimiter", Error,
           "Bitte kontrollieren Sie die Trennzeichen-Wahl."
           "\r\r"
           "Ich breche erst einmal ab.",
           "Please check the delimiter choice."
           "\r\r"
           "I will abort first of all."),
    Notice(M::OwnRowsFirstTwoRows, "own_rows.first_two_rows", Error,
           "Die ersten beiden Zeilen enthalten eine unterschiedliche Anzahl an Zahlen."
           "\r\r"
           "Ich breche erst einmal ab.",
           "The first two rows contain a different number of numbers."
           "\r\r"
           "I will abort first of all."),
    Notice(M::OwnRowsCountInLine, "own_rows.count_in_line", Error,
           "In Zeile %1 kann ich keine %2 Zahlen ausmachen."
           "\r\r"
           "Ich breche erst einmal ab.",
           "In Line %1 I cannot make out %2 numbers."
           "\r\r"
           "I will abort first of all."),
    Notice(M::OwnRowsOutOfRange, "own_rows.out_of_range", Information,
           "Die %1 in der %2. Reihe liegt außerhalb des Gültigkeitsbereichs von 1 bis %3."
           "\r\r"
           "Ich breche erst einmal ab.",
           "Number %1 in line %2 is outside the range of validity from 1 to %3."
           "\r\r"
           "I will abort first of all."),
    Notice(M::OwnRowsTwiceInRow, "own_rows.twice_in_row", Information,
           "Die %1 ist mindestens einmal zuviel in der %2. Reihe."
           "\r\r"
           "Ich breche erst einmal ab.",
           "Number %1 is at least once too much in line %2."
           "\r\r"
           "I will abort first of all."),
    Notice(M::OwnRowsNotANumber, "own_rows.not_a_number", Error,
           "Die Angabe \"%1\" in der %2. Reihe ist keine ganze Zahl."
           "\r\r"
           "Ich breche erst einmal ab.",
           "Item \"%1\" in line %2 is not a whole number."
           "\r\r"
           "I will abort first of all."),
    Notice(M::OwnRowsNoRowsToSave, "own_rows.no_rows_to_save", Information,
           "Es gibt keine Tippreihen, die abgespeichert werden könnten."
           "\r\r"
           "Ich breche erst einmal ab.",
           "There are no rows that can be saved."
           "\r\r"
           "I will abort first of all."),
    Notice(M::OwnRowsNoRowsToExport, "own_rows.no_rows_to_export", Information,
           "Es gibt keine Tippreihen, die exportiert werden könnten."
           "\r\r"
           "Ich breche erst einmal ab.",
           "There are no rows that could be exported."
           "\r\r"
           "I will abort first of all."),
    Notice(M::OwnRowsExcelMissing, "own_rows.excel_missing", Information,
           "Excel ist nicht auf Ihrem Rechner installiert, der Export daher nicht möglich."
           "\r\r"
           "Ich breche ab.",
           "Excel is not installed on your computer, therefore the export is not possible."
           "\r\r"
           "I`m stopping here."),
    Notice(M::OwnRowsNothingToSave, "own_rows.nothing_to_save", Error,
           "Das Textfeld ist leer. Somit gibt es nichts zu speichern."
           "\r\r"
           "Ich breche erst einmal ab.",
           "The text field is empty. So there is nothing to save."
           "\r\r"
           "I will abort first of all."),
    Question(M::OwnRowsOverwriteQuestion, "own_rows.overwrite_question",
             MessageButtons::YesNoCancel,
             "Das Textfeld ist nicht leer. Wenn es überschrieben werden soll, antworten Sie mit "
             "\"Ja\"."
             "\r\r"
             "Andernfalls breche ich ab.",
             "The text box is not empty. If you want to overwrite it, answer \"Yes\"."
             "\r\r"
             "Otherwise I will abort."),
    Question(M::OwnRowsClipboardOverwriteQuestion, "own_rows.clipboard_overwrite_question",
             MessageButtons::YesNoCancel,
             "Das Textfeld ist nicht leer. Wenn es mit der Zwischenablage überschrieben werden "
             "soll, antworten Sie mit \"Ja\"."
             "\r\r"
             "Andernfalls breche ich ab.",
             "The text box is not empty. If you want to overwrite it with the clipboard, answer "
             "\"Yes\"."
             "\r\r"
             "Otherwise I will abort."),
    Notice(M::OwnRowsImportUnreadable, "own_rows.import_unreadable", Error,
           "Die Datei %1 kann ich nicht als Tabelle lesen: Sie ist beschädigt, verschlüsselt oder "
           "keine Excel- oder Calc-Tabelle (.xlsx, .xls, .ods). Das Textfeld bleibt, wie es war."
           "\r\r"
           "Ich breche erst einmal ab.",
           "I cannot read the file %1 as a spreadsheet: it is damaged, encrypted or not an Excel "
           "or Calc spreadsheet (.xlsx, .xls, .ods). The text field stays as it was."
           "\r\r"
           "I will abort first of all."),
    Notice(M::OwnRowsImportTooLarge, "own_rows.import_too_large", Error,
           "Die erste Tabelle der Datei %1 ist zu groß für das Textfeld. Das Textfeld bleibt, wie "
           "es war."
           "\r\r"
           "Ich breche erst einmal ab.",
           "The first sheet of the file %1 is too large for the text field. The text field stays "
           "as it was."
           "\r\r"
           "I will abort first of all."),
    Notice(M::OwnRowsWorkbookNotOpened, "own_rows.workbook_not_opened", Information,
           "Die Tabelle ist als %1 gespeichert, ließ sich aber nicht öffnen. Bitte öffnen Sie sie "
           "selbst.",
           "The spreadsheet has been saved as %1, but it could not be opened. Please open it "
           "yourself."),

    // ---- own systems
    Notice(M::OwnSystemsTooManyRows, "own_systems.too_many_rows", Information,
           "Ein eigenes System kann höchstens 65535 Reihen enthalten, es sind aber %1 Tippreihen."
           "\r\r"
           "Ich breche ab.",
           "An own system can hold at most 65535 rows, but there are %1 lines of numbers."
           "\r\r"
           "I`m stopping here."),
    Notice(M::OwnSystemsSaveFailed, "own_systems.save_failed", Error,
           "Das System konnte nicht gespeichert werden: %1"
           "\r\r"
           "Ich muss abbrechen.",
           "The system could not be saved: %1"
           "\r\r"
           "I have to abort."),
    Notice(M::OwnSystemsDeleteFailed, "own_systems.delete_failed", Error,
           "Das System konnte nicht gelöscht werden: %1"
           "\r\r"
           "Ich muss abbrechen.",
           "The system could not be deleted: %1"
           "\r\r"
           "I have to abort."),
    Notice(M::OwnSystemsBadFileName, "own_systems.bad_file_name", Error,
           "Der Dateiname \"%1\" des eigenen Systems ist ungültig. Das System kann daher nicht "
           "verwendet werden."
           "\r\r"
           "Ich muss abbrechen.",
           "The file name \"%1\" of the own system is invalid. Therefore the system cannot be "
           "used."
           "\r\r"
           "I have to abort."),
    Notice(M::OwnSystemsRowsFileTooFewRows, "own_systems.rows_file_too_few_rows", Error,
           "Die Datei %1 mit den Systemreihen ist beschädigt: Sie enthält nur %2 statt %3 Reihen."
           "\r\r"
           "Ich muss abbrechen.",
           "The file %1 containing the system series is damaged: it holds only %2 rows instead "
           "of %3."
           "\r\r"
           "I have to abort."),
    Notice(M::OwnSystemsRowsFileWrongCount, "own_systems.rows_file_wrong_count", Error,
           "Die Datei %1 mit den Systemreihen ist beschädigt: In Zeile %2 stehen %3 statt %4 "
           "Zahlen."
           "\r\r"
           "Ich muss abbrechen.",
           "The file %1 containing the system series is damaged: line %2 holds %3 numbers "
           "instead of %4."
           "\r\r"
           "I have to abort."),
    Notice(M::OwnSystemsRowsFileNotANumber, "own_systems.rows_file_not_a_number", Error,
           "Die Datei %1 mit den Systemreihen ist beschädigt: In Zeile %2 ist \"%3\" keine ganze "
           "Zahl."
           "\r\r"
           "Ich muss abbrechen.",
           "The file %1 containing the system series is damaged: in line %2, \"%3\" is not a "
           "whole number."
           "\r\r"
           "I have to abort."),
    Notice(M::OwnSystemsRowsFileOutOfRange, "own_systems.rows_file_out_of_range", Error,
           "Die Datei %1 mit den Systemreihen ist beschädigt: In Zeile %2 liegt die Zahl %3 "
           "außerhalb des Bereichs von 1 bis %4."
           "\r\r"
           "Ich muss abbrechen.",
           "The file %1 containing the system series is damaged: in line %2, the number %3 lies "
           "outside the range from 1 to %4."
           "\r\r"
           "I have to abort."),
    Notice(M::OwnSystemsRowsFileRepeated, "own_systems.rows_file_repeated", Error,
           "Die Datei %1 mit den Systemreihen ist beschädigt: In Zeile %2 steht die Zahl %3 "
           "mehrfach."
           "\r\r"
           "Ich muss abbrechen.",
           "The file %1 containing the system series is damaged: in line %2, the number %3 "
           "occurs more than once."
           "\r\r"
           "I have to abort."),
    Notice(M::OwnSystemsRowsFileTooManyRows, "own_systems.rows_file_too_many_rows", Error,
           "Die Datei %1 mit den Systemreihen ist beschädigt: Zeile %2 (\"%4\") steht nach "
           "den %3 Reihen des Systems."
           "\r\r"
           "Ich muss abbrechen.",
           "The file %1 containing the system series is damaged: line %2 (\"%4\") comes after "
           "the system's %3 rows."
           "\r\r"
           "I have to abort."),
    Notice(M::OwnSystemsFullSystemRowCount, "own_systems.full_system_row_count", Error,
           "Das eigene System gibt die volle Gewinngarantie an, hat aber %1 statt %2 Reihen."
           "\r\r"
           "Ich muss abbrechen.",
           "The own system states the full profit guarantee but has %1 rows instead of %2."
           "\r\r"
           "I have to abort."),

    // ---- update
    Notice(M::UpdateNoConnectionCheck, "update.no_connection_check", Information,
           "Für die Aktualisierung muss eine Verbindung zum Internet bestehen.",
           "The update requires a connection to the Internet."),
    Notice(M::UpdateCheckFailed, "update.check_failed", Information,
           "Die Aktualisierung hat leider nicht geklappt.\r",
           "Unfortunately the update did not work out.\r"),
    Notice(M::UpdateNoConnectionDownload, "update.no_connection_download", Information,
           "Für den Download der Installations-Datei muss eine Verbindung zum Internet bestehen."
           "\r\r"
           "Ich breche ab.",
           "To download the installation file, you must be connected to the Internet."
           "\r\r"
           "I`m stopping here."),
    Notice(M::UpdateDownloadFailed, "update.download_failed", Information,
           "Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal oder laden "
           "Sie das Update von \"%1\" herunter.",
           "The download failed. Please try again later."),
    Question(M::UpdateInstallQuestion, "update.install_question", MessageButtons::YesNo,
             "Um die Installation durchführen zu können, muss das Programm jetzt geschlossen "
             "werden. Die Programm-Datei wird gelöscht und das Update gestartet. Wenn etwas "
             "schief läuft, bitte das Update manuell durch Doppelklick auf die Datei "
             "\"Update.exe\" im Verzeichnis %1 starten."
             "\r\r"
             "Soll fortgefahren werden?",
             "In order to perform the installation, the program must now be closed. The program "
             "file is deleted and the update is started. If something goes wrong, please start "
             "the update manually by double-clicking on the file \"Update.exe\" in the directory "
             "%1."
             "\r\r"
             "Should I continue?"),
    GermanOnly(M::UpdateStartFailed, "update.start_failed", Information,
               "Update konnte nicht gestartet werden. Bitte schließen Sie ds Programm und "
               "starten Sie das Update manuell durch Doppelklick auf die Datei \"Update.exe\" im "
               "Verzeichnis %1."),
    GermanOnly(M::UpdateInstallDeclined, "update.install_declined", Information,
               "Installation wurde auf Ihren Wunsch abgebrochen. Sie  könnnen das Update manuell "
               "durch Doppelklick auf die Datei \"Update.exe\" im Verzeichnis %1 starten."
               "\r\r"
               "Zuvor muss das Programm geschlossen und die Datei \"Kombora.exe\" im "
               "Verzeichnis %2 gelöscht werden."),
    Notice(M::UpdateVersionFileEmpty, "update.version_file_empty", Information,
           "Die Versionsdatei des Servers enthält keinen Eintrag, daher kann keine andere "
           "Version angeboten werden."
           "\r\r"
           "Ich breche erst einmal ab.",
           "The version file on the server holds no entry, so no other version can be offered."
           "\r\r"
           "I will abort first of all."),
    Notice(M::UpdateVersionFilePartial, "update.version_file_partial", Error,
           "Die Versionsdatei des Servers ist beschädigt: ihre Länge von %1 Bytes ist kein "
           "Vielfaches von 24."
           "\r\r"
           "Ich breche erst einmal ab.",
           "The version file on the server is damaged: its length of %1 bytes is not a multiple "
           "of 24."
           "\r\r"
           "I will abort first of all."),
    Notice(M::UpdateVersionTextTooLong, "update.version_text_too_long", Error,
           "Die Versionsdatei des Servers ist beschädigt: Eintrag %1 gibt eine Länge von %2 "
           "Zeichen an, höchstens 15 sind möglich."
           "\r\r"
           "Ich breche erst einmal ab.",
           "The version file on the server is damaged: entry %1 gives a length of %2 "
           "characters, at most 15 are possible."
           "\r\r"
           "I will abort first of all."),
    Notice(M::UpdateAddressNotSecure, "update.address_not_secure", Error,
           "Die Adresse des Update-Servers \"%1\" ist keine sichere HTTPS-Adresse."
           "\r\r"
           "Ich breche ab.",
           "The address of the update server \"%1\" is not a secure HTTPS address."
           "\r\r"
           "I`m stopping here."),
    Notice(M::UpdateRedirectRefused, "update.redirect_refused", Error,
           "Der Update-Server hat auf eine unsichere oder fremde Adresse umgeleitet. Von "
           "\"%1\" wird nichts geladen."
           "\r\r"
           "Ich breche ab.",
           "The update server redirected to an insecure or foreign address. Nothing is loaded "
           "from \"%1\"."
           "\r\r"
           "I`m stopping here."),
    Notice(M::UpdateDownloadIncomplete, "update.download_incomplete", Error,
           "Die Installations-Datei ist nicht vollständig angekommen (%1 von %2 Bytes). Sie wird "
           "nicht gestartet. Versuchen Sie es bitte später noch einmal.",
           "The installation file did not arrive whole (%1 of %2 bytes). It will not be "
           "started. Please try again later."),
    Notice(M::UpdateDownloadSizeUnknown, "update.download_size_unknown", Error,
           "Der Server hat weder die Größe der Installations-Datei noch ihre Prüfsumme "
           "angegeben, daher lässt sich nicht prüfen, ob sie vollständig ist. Sie wird nicht "
           "gestartet.",
           "The server stated neither the size of the installation file nor its checksum, so "
           "there is no telling whether it arrived whole. It will not be started."),
    Notice(M::UpdateDigestUnreadable, "update.digest_unreadable", Error,
           "Die Prüfsummen-Datei (SHA-256) des Servers enthält keine Prüfsumme. Die "
           "Installations-Datei wird nicht gestartet.",
           "The checksum file (SHA-256) on the server holds no checksum. The installation file "
           "will not be started."),
    Notice(M::UpdateDigestMismatch, "update.digest_mismatch", Error,
           "Die Prüfsumme (SHA-256) der Installations-Datei stimmt nicht mit der des Servers "
           "überein. Die Datei wird nicht gestartet.",
           "The checksum (SHA-256) of the installation file does not match the one on the "
           "server. The file will not be started."),
    Notice(M::UpdateHandedToDesktop, "update.handed_to_desktop", Information,
           "Die Installations-Datei %1 wurde an den Desktop übergeben. Kombora läuft weiter; "
           "schließen Sie es, bevor Sie das Update installieren.",
           "The installation file %1 has been handed to the desktop. Kombora keeps running; "
           "close it before you install the update."),

    // ---- tools
    GermanOnly(M::ToolsNOverKNMissing, "tools.n_over_k_n_missing", Information,
               "Sie müssen für \"n\" eine Zahl größer Null eingeben."
               "\r\r"
               "Ich breche erst einmal ab."),
    GermanOnly(M::ToolsNOverKKTooLarge, "tools.n_over_k_k_too_large", Information,
               "Die Zahl für \"n\" muss größer als die für \"k\" sein."
               "\r\r"
               "Ich breche erst einmal ab."),
    Notice(M::ToolsNOverKTooLarge, "tools.n_over_k_too_large", Information,
           "%1 über %2 ist zu groß, um genau berechnet zu werden."
           "\r\r"
           "Ich breche erst einmal ab.",
           "%1 over %2 is too large to be calculated exactly."
           "\r\r"
           "I will abort first of all."),
    Notice(M::ToolsCalculatorNotFound, "tools.calculator_not_found", Information,
           "Auf Ihrem Rechner wurde kein Taschenrechner-Programm gefunden."
           "\r\r"
           "Ich breche ab.",
           "No calculator program was found on your computer."
           "\r\r"
           "I`m stopping here."),
};

using L = LabelId;

constexpr std::array kLabels = {
    LabelSpec{L::StartupSystemsInside, "startup.systems_inside", "   %1 Systeme inside   ",
              "   %1 systems inside   "},
    LabelSpec{L::SelectionFoundNone, "selection.found_none", "Keine Systeme gefunden",
              "No systems found"},
    LabelSpec{L::SelectionFoundOne, "selection.found_one", "Ein System gefunden",
              "One system found"},
    LabelSpec{L::SelectionFoundMany, "selection.found_many", "%1 Systeme gefunden",
              "%1 systems found"},
    LabelSpec{L::FormingRowsCaption, "forming.rows_caption", "%1 Tippreihen", "%1 series of bets"},
    LabelSpec{L::TestGridCombinations, "test.grid_combinations", "Kombinationen", "Combinations"},
    LabelSpec{L::TestButtonStart, "test.button_start", "Test starten", "Start the test"},
    LabelSpec{L::TestButtonStop, "test.button_stop", "Test stoppen", "Stop test"},
    LabelSpec{L::TestDescriptionCaption, "test.description_caption", "Systembeschreibung",
              "System description"},
    LabelSpec{L::DrawSummaryOneRowOneMatch, "draw.summary_one_row_one_match",
              "1 Reihe mit 1 Richtigen", "1 row with 1 match"},
    LabelSpec{L::DrawSummaryOneRow, "draw.summary_one_row", "1 Reihe mit %2 Richtigen",
              "1 row with %2 matches"},
    LabelSpec{L::DrawSummaryRowsOneMatch, "draw.summary_rows_one_match",
              "%1 Reihen mit 1 Richtigen", "%1 rows with 1 match"},
    LabelSpec{L::DrawSummaryRows, "draw.summary_rows", "%1 Reihen mit %2 Richtigen",
              "%1 rows with %2 matches"},
    LabelSpec{L::DrawSummaryWithExtraOne, "draw.summary_with_extra_one", " (mit Zusatzzahl)",
              " (with the extra number)"},
    LabelSpec{L::DrawSummaryWithExtra, "draw.summary_with_extra", " (%1 davon mit Zusatzzahl)",
              " (%1 of them with the extra number)"},
    LabelSpec{L::DrawNumbersLabel, "draw.numbers_label", "Gezogene Zahlen:", "Drawn numbers:"},
    LabelSpec{L::DrawExtraLabel, "draw.extra_label", "Zusatzzahl:", "Extra number:"},
    LabelSpec{L::DrawMatchesHeader, "draw.matches_header", "Richtige", "Matches"},
    LabelSpec{L::OddsOneIn, "odds.one_in", "1 zu %1", "1 in %1"},
    LabelSpec{L::OddsNever, "odds.never", "nie", "never"},
    LabelSpec{L::OddsHeading, "odds.heading", "Echte Chancen in einer Lotterie %1 aus %2",
              "Real odds in a lottery %1 out of %2"},
    LabelSpec{L::OddsDrawnLabel, "odds.drawn_label", "Gezogene Zahlen:", "Numbers drawn:"},
    LabelSpec{L::OddsColumnMatches, "odds.column_matches", "Richtige", "Matches"},
    LabelSpec{L::OddsColumnBestRow, "odds.column_best_row", "Beste Reihe in %", "Best row in %"},
    LabelSpec{L::OddsColumnChance, "odds.column_chance", "Chance", "Chance"},
    LabelSpec{L::OddsColumnExpected, "odds.column_expected", "Reihen je Ziehung", "Rows per draw"},
    LabelSpec{L::OddsNotAvailable, "odds.not_available",
              "Die echten Chancen erscheinen nach einem vollständigen Test.",
              "The real odds appear after a complete test."},
    LabelSpec{L::ChartTitle, "chart.title", "Beste Reihe je Zahl der Treffer im Pool",
              "Best row per number of hits in the pool"},
    LabelSpec{L::ChartHitCount, "chart.hit_count", "%1 Treffer", "%1 hits"},
    LabelSpec{L::ChartMatchOne, "chart.match_one", "1 Richtiger", "1 match"},
    LabelSpec{L::ChartMatches, "chart.matches", "%1 Richtige", "%1 matches"},
    LabelSpec{L::ChartShareAxis, "chart.share_axis", "Anteil der Ziehungen in %",
              "Share of draws in %"},
    LabelSpec{L::PrintChosenNumbers, "print.chosen_numbers", "Gewählte Zahlen", "Chosen numbers"},
    LabelSpec{L::PrintBankNumbers, "print.bank_numbers", "Bankzahlen", "Bank numbers"},
    LabelSpec{L::PrintDate, "print.date", "Datum", "Date"},
    LabelSpec{L::PrintRow, "print.row", "Reihe", "Row"},
    LabelSpec{L::PrintTestTitle, "print.test_title", "Systemtest", "System test"},
    LabelSpec{L::PrintPdfCaption, "print.pdf_caption", "Als PDF speichern", "Save as PDF"},
    LabelSpec{L::PrintPdfFilter, "print.pdf_filter", "PDF-Dokumente (*.pdf)",
              "PDF documents (*.pdf)"},
    LabelSpec{L::OwnRowsFromClipboard, "own_rows.from_clipboard",
              "...aus Zwischenablage eingefügt...", "...inserted from clipboard..."},
    LabelSpec{L::OwnRowsSheetName, "own_rows.sheet_name", "Tippreihen", "Series of bets"},
    LabelSpec{L::OwnRowsOwnSheetName, "own_rows.own_sheet_name", "Tabelle1", "Sheet1"},
    LabelSpec{L::OwnRowsOwnFileName, "own_rows.own_file_name", "Eigene Reihen", "Own rows"},
    LabelSpec{L::OwnSystemsSaveButton, "own_systems.save_button", "Als System speichern",
              "Save as system"},
    LabelSpec{L::OwnSystemsSavedButton, "own_systems.saved_button", "System gespeichert",
              "System saved"},
    LabelSpec{L::OwnSystemsCompleteOne, "own_systems.complete_one", "Das System ist vollständig.",
              "The system is complete."},
    LabelSpec{L::OwnSystemsCompleteBoth, "own_systems.complete_both",
              "Beide Systeme scheinen vollständig.", "Both systems seem complete."},
    LabelSpec{L::OwnSystemsCompleteAll, "own_systems.complete_all",
              "Alle Systeme scheinen vollständig.", "All systems seem to be complete"},
    LabelSpec{L::OwnSystemsIncompleteOne, "own_systems.incomplete_one",
              "Das System ist unvollständig.", "The system is incomplete."},
    LabelSpec{L::OwnSystemsIncompleteOneOfTwo, "own_systems.incomplete_one_of_two",
              "Eines der beiden Systeme ist unvollständig.",
              "One of the two systems is incomplete.."},
    LabelSpec{L::OwnSystemsIncompleteOneOfMany, "own_systems.incomplete_one_of_many",
              "Ein System ist unvollständig.", "One system is incomplete."},
    LabelSpec{L::OwnSystemsIncompleteMany, "own_systems.incomplete_many",
              "%1 Systeme unvollständig.", "%1 systems incomplete."},
};

// The tables are indexed by their identifiers.
constexpr bool InIdOrder() {
    for (std::size_t i = 0; i < kMessages.size(); ++i) {
        if (static_cast<std::size_t>(kMessages[i].id) != i) return false;
    }
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
        if (static_cast<std::size_t>(kLabels[i].id) != i) return false;
    }
    return true;
}
static_assert(InIdOrder(), "message and label tables must follow the order of their ids");
static_assert(kMessages.size() == static_cast<std::size_t>(MessageId::ToolsCalculatorNotFound) + 1);
static_assert(kLabels.size() == static_cast<std::size_t>(LabelId::OwnSystemsIncompleteMany) + 1);

bool IsTableLanguage(int32_t language) {
    return language == 0 || language == 1;
}

}  // namespace

std::span<const MessageEntry> AllMessages() {
    return kMessages;
}

const MessageEntry& LookupMessage(MessageId id) {
    return kMessages[static_cast<std::size_t>(id)];
}

const MessageEntry* FindMessage(std::string_view key) {
    for (const auto& message : kMessages) {
        if (message.key == key) return &message;
    }
    return nullptr;
}

bool MessageShown(MessageId id, int32_t language) {
    return LookupMessage(id).germanOnly || IsTableLanguage(language);
}

std::optional<std::string> MessageText(MessageId id, int32_t language,
                                       const std::vector<std::string>& args) {
    if (!MessageShown(id, language)) return std::nullopt;
    const MessageEntry& message = LookupMessage(id);
    const bool german = message.germanOnly || language == 0;
    return FillMessagePlaceholders(german ? message.german : message.english, args);
}

std::optional<MessageStyle> MessageDialogStyle(MessageId id, int32_t language) {
    if (!MessageShown(id, language)) return std::nullopt;
    if (LookupMessage(id).germanOnly || language == 0) return MessageStyle::Plain;
    return MessageStyle::Styled;
}

std::optional<MessageKind> MessageKindFor(MessageId id, int32_t language) {
    if (!MessageShown(id, language)) return std::nullopt;
    const MessageEntry& message = LookupMessage(id);
    if (message.germanOnly || language == 0) return message.kind;
    return message.englishKind;
}

std::optional<PreparedMessage> PrepareMessage(MessageId id, int32_t language,
                                              const std::vector<std::string>& args) {
    auto text = MessageText(id, language, args);
    if (!text) return std::nullopt;
    const MessageEntry& message = LookupMessage(id);
    return PreparedMessage{id,
                           message.key,
                           *MessageKindFor(id, language),
                           message.buttons,
                           *MessageDialogStyle(id, language),
                           message.helpContext,
                           std::move(*text)};
}

MessageAnswer NoDialogAnswer(MessageId id) {
    return LookupMessage(id).noDialogAnswer;
}

MessageId ChooseNumbersMessage(int32_t bankNumbers) {
    if (bankNumbers < 0) return MessageId::FormingRowsLongerThanTip;
    if (bankNumbers == 0) return MessageId::FormingChooseNumbers;
    if (bankNumbers == 1) return MessageId::FormingChooseNumbersOneBank;
    return MessageId::FormingChooseNumbersBanks;
}

std::span<const LabelSpec> AllLabels() {
    return kLabels;
}

const LabelSpec& LookupLabel(LabelId id) {
    return kLabels[static_cast<std::size_t>(id)];
}

const LabelSpec* FindLabel(std::string_view key) {
    for (const auto& label : kLabels) {
        if (label.key == key) return &label;
    }
    return nullptr;
}

std::optional<std::string> LabelText(LabelId id, int32_t language,
                                     const std::vector<std::string>& args) {
    if (!IsTableLanguage(language)) return std::nullopt;
    const LabelSpec& label = LookupLabel(id);
    return FillMessagePlaceholders(language == 0 ? label.german : label.english, args);
}

LabelId FoundCountLabel(int64_t n) {
    if (n <= 0) return LabelId::SelectionFoundNone;
    if (n == 1) return LabelId::SelectionFoundOne;
    return LabelId::SelectionFoundMany;
}

LabelId OwnSystemsStateLabel(int32_t missing, int32_t count) {
    if (missing >= 2) return LabelId::OwnSystemsIncompleteMany;
    if (missing == 1) {
        if (count <= 1) return LabelId::OwnSystemsIncompleteOne;
        if (count == 2) return LabelId::OwnSystemsIncompleteOneOfTwo;
        return LabelId::OwnSystemsIncompleteOneOfMany;
    }
    if (count <= 1) return LabelId::OwnSystemsCompleteOne;
    if (count == 2) return LabelId::OwnSystemsCompleteBoth;
    return LabelId::OwnSystemsCompleteAll;
}

std::string FillMessagePlaceholders(std::string_view pattern,
                                    const std::vector<std::string>& args) {
    std::string out;
    out.reserve(pattern.size() + 32);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < args.size()) out += args[index];
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

int PlaceholderCount(std::string_view text) {
    int highest = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') {
            highest = std::max(highest, text[i + 1] - '0');
        }
    }
    return highest;
}

}  // namespace kombora
