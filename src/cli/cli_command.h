#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/context.h"
#include "arguments.h"
#include "numbers/board_messages.h"

namespace kombora::cli {

// A failure of a command: its text goes to stderr and the program exits with 1.
struct CommandFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// What every command shares: the options of the main command and the program state, loaded
// on first use.
class CliEnvironment {
  public:
    explicit CliEnvironment(std::string argv0) : argv0_(std::move(argv0)) {}

    std::string dataDir;  // --data-dir

    AppContext& Context();

  private:
    std::string argv0_;
    std::unique_ptr<AppContext> context_;
};

// Each command registers itself from its own file with a static CommandRegistration.
using CommandSetup = std::function<void(CLI::App& app, CliEnvironment& env)>;

struct CommandRegistration {
    explicit CommandRegistration(CommandSetup setup);
};

std::vector<CommandSetup>& RegisteredCommands();

// A message of the core for the terminal: its line and paragraph breaks become line breaks.
std::string TerminalText(const Notice& notice);

}  // namespace kombora::cli
