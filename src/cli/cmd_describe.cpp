// describe: the description a chosen system gets on the "Choice of numbers" page.
#include <iostream>
#include <memory>

#include "cli_command.h"
#include "selection/system_choice.h"

namespace kombora::cli {
namespace {

struct DescribeOptions {
    std::string index;
    std::string tip;
};

void RunDescribe(const DescribeOptions& o, CliEnvironment& env) {
    const Catalogue& catalogue = env.Context().catalogue;
    if (catalogue.size() == 0) throw CommandFailure("the catalogue is empty");
    const int index = ParseIntArgument(o.index, "INDEX", 0, catalogue.size() - 1);
    const int tip = o.tip.empty() ? catalogue[index].RG : ParseIntArgument(o.tip, "--tip", 2, 100);
    std::string text = DescribeCatalogueEntry(catalogue, tip, index);
    for (char& c : text) {
        if (c == '\r') c = '\n';
    }
    std::cout << text << '\n';
}

void SetupDescribe(CLI::App& app, CliEnvironment& env) {
    auto* cmd = app.add_subcommand("describe", "Print the description of a catalogue system");
    auto o = std::make_shared<DescribeOptions>();
    cmd->add_option("INDEX", o->index, "Catalogue index of the system")->required();
    cmd->add_option("--tip", o->tip,
                    "Size of a tip row, bank numbers included (default: the system's row size)")
        ->option_text("S");
    cmd->callback([o, &env] { RunDescribe(*o, env); });
}

const CommandRegistration describeCommand(SetupDescribe);

}  // namespace
}  // namespace kombora::cli
