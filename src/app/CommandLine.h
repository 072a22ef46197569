#pragma once

#include <QByteArray>

#include <optional>

/// The program's options, answered before any window or display is needed.
namespace CommandLine {

/// What the command line asks for.
struct Request {
    /// Set when the program should stop at once, with this exit code.
    std::optional<int> exitCode;
    /// A card to open into the form, as an absolute path in the file
    /// system's own bytes (which need not be UTF-8); "" for none.
    QByteArray file;
};

/**
 * Handles --help and --version (on standard output, exit code 0) and an
 * unknown option or more than one file (the usage on standard error, exit
 * code 2). Qt's own options (-platform, -style...) pass through.
 */
Request handle(int argc, char** argv);

}  // namespace CommandLine
