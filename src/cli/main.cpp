// kombora-cli: the core of Kombora from a terminal, for scripting and checks.
#include <iostream>

#include "cli_command.h"
#include "io/checked_read.h"
#include "io/text_encoding.h"

namespace kombora::cli {

std::vector<CommandSetup>& RegisteredCommands() {
    static std::vector<CommandSetup> commands;
    return commands;
}

CommandRegistration::CommandRegistration(CommandSetup setup) {
    RegisteredCommands().push_back(std::move(setup));
}

AppContext& CliEnvironment::Context() {
    if (!context_) {
        context_ = std::make_unique<AppContext>();
        std::optional<std::filesystem::path> dir;
        if (!dataDir.empty()) dir = PathFromUtf8(dataDir);
        InitializeContext(*context_, MakeAppFolders(RunningProgramFolder(argv0_.c_str()), dir));
        // An index that is not read leaves no own systems; say so, as the start window does.
        const OwnIndexLoad& load = context_->ownIndexLoad;
        const std::string index = QuoteForMessage(PathToUtf8(context_->folders.OwnIndexFile()));
        if (load.readFailed) {
            constexpr std::uintmax_t kLimit = std::uintmax_t{kOwnIndexMaxRecords} * kOwnRecordSize;
            CheckedRead why;
            why.refusal = load.refusal;
            std::cerr << "kombora-cli: the own-systems index " << index
                      << " is not read: " << RefusalReason(why, kLimit) << "\n";
        } else if (load.trailingBytes > 0) {
            std::cerr << "kombora-cli: the own-systems index " << index << " ends in "
                      << load.trailingBytes << " bytes of an incomplete record; they are skipped\n";
        }
    }
    return *context_;
}

std::string TerminalText(const Notice& notice) {
    std::string text = NoticeText(notice, 1).value_or(std::string(LookupMessage(notice.id).key));
    for (char& c : text) {
        if (c == '\r') c = '\n';
    }
    return text;
}

}  // namespace kombora::cli

int main(int argc, char** argv) {
    using namespace kombora::cli;
    CliEnvironment env(argc > 0 ? argv[0] : "");
    CLI::App app{"Kombora from the command line: the catalogue, designs and tests of systems."};
    app.name("kombora-cli");
    app.require_subcommand(1);
    app.fallthrough();
    app.add_option("--data-dir", env.dataDir,
                   "Use DIR as the application-data folder (own systems in DIR/OwnSystems/)")
        ->option_text("DIR");
    for (const auto& setup : RegisteredCommands()) setup(app, env);
    RefuseEmptyValues(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        // Every usage fault ends with 2.
        app.exit(e, std::cout, std::cerr);
        return 2;
    } catch (const CommandFailure& e) {
        std::cerr << "kombora-cli: " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "kombora-cli: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
