#pragma once

#include <QString>

/// The text of the "Help" box that explains the two file encodings.
namespace HelpText {

/// The source line, two bare carriage returns, then the passage.
QString text();

/// The passage alone: one paragraph without line breaks.
QString passage();

}  // namespace HelpText
