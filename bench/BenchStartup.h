#pragma once

/// The start-up rows' child process: shows a window and exits at its first paint.
namespace BenchStartup {

/// @p real: the program's window as main() builds it; otherwise a plain
/// window of the same size with @p widgets widgets.
int run(int argc, char** argv, bool real, int widgets);

}  // namespace BenchStartup
