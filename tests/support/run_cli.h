#pragma once

#include <sys/wait.h>
#include <unistd.h>
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

namespace kombora::testing {

struct CliResult {
    int exitCode = -1;
    std::string out;  // standard output
    std::string err;  // standard error
};

// Runs kombora-cli with the arguments (already quoted for the shell) and collects its output.
inline CliResult RunCli(const std::string& arguments) {
    static int counter = 0;
    const auto errFile =
        std::filesystem::temp_directory_path() /
        ("kombora-cli-err-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    const std::string command =
        std::string("'") + KOMBORA_CLI_PATH + "' " + arguments + " 2>'" + errFile.string() + "'";
    CliResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return result;
    std::array<char, 4096> buffer;
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (FILE* err = std::fopen(errFile.c_str(), "rb")) {
        while ((n = std::fread(buffer.data(), 1, buffer.size(), err)) > 0)
            result.err.append(buffer.data(), n);
        std::fclose(err);
    }
    std::filesystem::remove(errFile);
    return result;
}

inline int CountLines(const std::string& text) {
    int lines = 0;
    for (char c : text) lines += c == '\n';
    return lines;
}

}  // namespace kombora::testing
