#pragma once

#include <QString>

namespace orvane {

// The user guide, a page made from the README when the program is built: beside the program in
// the build folder, or where it is installed, in the documentation folder. Empty when neither
// has it.
QString HelpPagePath();

// Opens the user guide in the desktop's browser; says so when it cannot.
void OpenHelpPage();

} // namespace orvane
