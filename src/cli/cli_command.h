#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/context.h"

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

// Reads an integer argument in a range, with a usage error naming the option otherwise.
int ParseIntArgument(const std::string& text, const std::string& name, int low, int high);

}  // namespace kombora::cli
