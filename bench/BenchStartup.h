#pragma once

/// The start-up rows' child process: shows a window, prints the moment its
/// first paint is done (CLOCK_MONOTONIC, ns) and exits.
namespace BenchStartup {

/// The windows whose start-up is compared.
enum class Window {
    Program,          ///< the program's, as main() builds it
    Plain,            ///< the same kinds of widget, as many, plainly placed
    CaptionedLabels,  ///< as many labels, each with a caption
    BlankLabels,      ///< as many labels without text: no font is ever needed
};

/// Shows @p which (labels: @p widgets of them) in a 680 x 633 window.
int run(int argc, char** argv, Window which, int widgets);

/// How many widgets the plain window has (a QApplication must exist).
int plainWidgets();

}  // namespace BenchStartup
