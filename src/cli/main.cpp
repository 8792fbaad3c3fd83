// kombora-cli: the core of Kombora from a terminal, for scripting and checks.
#include <iostream>

#include "io/text_encoding.h"
#include "cli_command.h"

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
    }
    return *context_;
}

int ParseIntArgument(const std::string& text, const std::string& name, int low, int high) {
    std::size_t used = 0;
    long value = 0;
    try {
        value = std::stol(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || value < low || value > high) {
        throw CLI::ValidationError(name, "must be a whole number from " + std::to_string(low) +
                                             " to " + std::to_string(high) + ", not '" + text +
                                             "'");
    }
    return static_cast<int>(value);
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
