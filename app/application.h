#pragma once

namespace orvane {

// The whole life of the calendar program; returns the process exit code.
int RunApplication(int argc, char **argv);

} // namespace orvane
