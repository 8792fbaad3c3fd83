#pragma once

// The one place where the command line's arguments are checked, so that every command
// accepts and refuses the same spellings. A whole number is written in decimal digits only,
// with a leading '-' where negative values are allowed: no blanks, no '+', nothing after the
// digits. A list is such numbers separated by commas, without blanks and without an empty
// item. Every refusal is a usage error (CLI::ValidationError, exit 2) naming the argument.

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

namespace kombora::cli {

// Makes an empty value ('') a usage error for every option and positional argument of the
// program and its commands, so that leaving a value empty never means "not given".
void RefuseEmptyValues(CLI::App& app);

// Reads an integer argument in low..high.
int ParseIntArgument(const std::string& text, const std::string& name, int low, int high);

// Reads a comma-separated list of different integers in low..high; at least one.
std::vector<int> ParseIntListArgument(const std::string& text, const std::string& name, int low,
                                      int high);

}  // namespace kombora::cli
