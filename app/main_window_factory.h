#pragma once

#include <QDialog>

#include <memory>

namespace orvane {

struct AppContext;

// Builds the calendar's main window, not yet shown. Start-up runs it modally; with
// showOnStart false it runs hidden (or minimised where nothing else can bring it back).
std::unique_ptr<QDialog> CreateMainWindow(AppContext &context, bool showOnStart);

} // namespace orvane
