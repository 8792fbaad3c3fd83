// The own-rows commands: parse a text of rows, export rows as a workbook, import a sheet.
#include <iostream>
#include <memory>
#include <string>

#include "cli_command.h"
#include "io/atomic_file.h"
#include "io/text_encoding.h"
#include "own/own_rows_parser.h"
#include "own/rows_csv.h"
#include "own/workbook_export.h"
#include "own/workbook_import.h"

namespace kombora::cli {
namespace {

// The command line speaks English.
constexpr int32_t kLanguage = 1;

std::string TerminalText(std::string text) {
    for (char& c : text) {
        if (c == '\r') c = '\n';
    }
    return text;
}

std::string MessageFor(MessageId id, const std::vector<std::string>& args = {}) {
    return TerminalText(MessageText(id, kLanguage, args).value_or(""));
}

std::string ReadTextFile(const std::string& name) {
    std::string text;
    std::string error;
    if (!LoadMemoText(PathFromUtf8(name), text, &error)) {
        throw CommandFailure(MessageFor(MessageId::GeneralFileReadFailed, {name, error}));
    }
    return text;
}

int DelimiterChoice(const std::string& name) {
    if (name == "comma") return 0;
    if (name == "semicolon") return 1;
    return 2;
}

// Parses as the "Own rows" page does; a failure becomes the parser's message.
ParseResult ParseOrFail(const std::string& text, const ParseOptions& options, bool brackets) {
    ParseCallbacks callbacks;
    bool asked = false;
    callbacks.askBrackets = [&] {
        asked = true;
        return brackets ? MessageAnswer::Yes : MessageAnswer::Cancel;
    };
    ParseResult result = Verarbeitungsstart(text, options, callbacks);
    if (result.ok()) return result;
    if (result.end == ParseEnd::Declined && asked) {
        throw CommandFailure(MessageFor(MessageId::OwnRowsBracketQuestion) +
                             "\n(--brackets reads the rows in brackets)");
    }
    if (result.message) throw CommandFailure(TerminalText(*NoticeText(*result.message, kLanguage)));
    throw CommandFailure("the rows could not be read");
}

void AddParseOptions(CLI::App* cmd, std::string& delimiter, bool& thorough) {
    cmd->add_option("--delimiter", delimiter, "Delimiter of the numbers in a line (default comma)")
        ->check(CLI::IsMember({"comma", "semicolon", "spaces"}))
        ->option_text("comma|semicolon|spaces");
    cmd->add_flag("--thorough,!--no-thorough", thorough,
                  "Check rows thoroughly: strip blanks and trailing delimiters (default on)");
}

void SetupParse(CLI::App& app, CliEnvironment&) {
    auto* cmd = app.add_subcommand(
        "parse", "Read a text of own rows as the page \"Own rows\" does; print one row a line");
    struct Options {
        std::string file;
        std::string delimiter = "comma";
        bool thorough = true;
        int largest = 59;
        bool brackets = false;
    };
    auto o = std::make_shared<Options>();
    cmd->add_option("FILE", o->file, "Text file of rows (UTF-8, UTF-16 or Windows-1252)")
        ->required();
    AddParseOptions(cmd, o->delimiter, o->thorough);
    cmd->add_option("--largest", o->largest, "The lottery's highest number (default 59)")
        ->check(CLI::Range(1, 100))
        ->option_text("L");
    cmd->add_flag("--brackets", o->brackets,
                  "Answer Yes when asked whether the rows are written in brackets");
    cmd->callback([o] {
        const ParseOptions options{DelimiterChoice(o->delimiter), o->thorough, o->largest};
        const ParseResult result = ParseOrFail(ReadTextFile(o->file), options, o->brackets);
        std::string out;
        out.reserve(result.rows.size() * 3 * static_cast<std::size_t>(result.rowSize));
        for (const auto& row : result.rows) {
            for (std::size_t i = 0; i < row.size(); ++i) {
                if (i > 0) out += ' ';
                out += std::to_string(row[i]);
            }
            out += '\n';
        }
        std::cout << out;
    });
}

// The delimiter of a rows file: a comma when its text holds one, else a semicolon when it
// holds one, else blanks.
int GuessDelimiter(const std::string& text) {
    if (text.find(',') != std::string::npos) return 0;
    if (text.find(';') != std::string::npos) return 1;
    return 2;
}

void SetupExport(CLI::App& app, CliEnvironment&) {
    auto* cmd = app.add_subcommand(
        "export", "Write rows as an Excel workbook (.xlsx) laid out as the row grid's export");
    struct Options {
        std::string file;
        std::string from;
        bool headings = false;
    };
    auto o = std::make_shared<Options>();
    cmd->add_option("FILE", o->file, "The workbook to write (replaced when it exists)")->required();
    cmd->add_option("--from", o->from,
                    "Text file of rows, one row a line, numbers separated by commas, "
                    "semicolons or blanks")
        ->required()
        ->option_text("ROWSFILE");
    cmd->add_flag("--with-headings", o->headings, "With row numbers and column headings");
    cmd->callback([o] {
        const std::string text = ReadTextFile(o->from);
        const ParseOptions options{GuessDelimiter(text), true, 100};
        const ParseResult parsed = ParseOrFail(text, options, true);
        std::vector<std::vector<int>> rows;
        for (const auto& row : parsed.rows) rows.emplace_back(row.begin(), row.end());
        const std::string sheetName =
            LabelText(LabelId::OwnRowsSheetName, kLanguage).value_or("Sheet1");
        const WorkbookSheet sheet =
            GridWorksheet(RowsGrid(rows), sheetName, parsed.rowSize, o->headings);
        const WorkbookWrite written = WriteWorkbook(PathFromUtf8(o->file), sheet, true);
        if (!written.ok) {
            throw CommandFailure(
                MessageFor(MessageId::GeneralFileWriteFailed, {o->file, written.error}));
        }
    });
}

void SetupImport(CLI::App& app, CliEnvironment&) {
    auto* cmd = app.add_subcommand(
        "import", "Print the first sheet of a spreadsheet as the text field receives it");
    auto file = std::make_shared<std::string>();
    cmd->add_option("FILE", *file, "Spreadsheet file (.xlsx, .ods or .xls)")->required();
    cmd->callback([file] {
        const SheetRead sheet = ReadFirstSheet(PathFromUtf8(*file));
        if (sheet.failure == SheetRead::Failure::TooLarge) {
            throw CommandFailure(MessageFor(MessageId::OwnRowsImportTooLarge, {*file}));
        }
        if (!sheet.ok()) {
            throw CommandFailure(MessageFor(MessageId::OwnRowsImportUnreadable, {*file}));
        }
        std::string text = SheetMemoText(sheet);
        if (!text.empty()) text += '\n';
        std::cout << text;
    });
}

const CommandRegistration parseCommand(SetupParse);
const CommandRegistration exportCommand(SetupExport);
const CommandRegistration importCommand(SetupImport);

}  // namespace
}  // namespace kombora::cli
