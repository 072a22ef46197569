#pragma once

#include <optional>

/// The program's options, answered before any window or display is needed.
namespace CommandLine {

/**
 * Handles --help and --version (on standard output, exit code 0) and an
 * unknown option (the usage on standard error, exit code 2). Returns the
 * exit code when the program should stop there, nothing when it should
 * start its window. Qt's own options (-platform, -style...) pass through.
 */
std::optional<int> handle(int argc, char** argv);

}  // namespace CommandLine
