#pragma once

#include <QDialog>

#include <memory>

namespace orvane {

struct AppContext;

// Builds the calendar's main window, not yet shown. Start-up runs it; with
// showOnStart false it runs hidden (or minimised where nothing else can bring it back).
std::unique_ptr<QDialog> CreateMainWindow(AppContext &context, bool showOnStart);
// Shows, raises and activates a window CreateMainWindow built, whatever its state: hidden behind
// the tray icon, minimised or under other windows.
void ShowMainWindow(QDialog &window);

} // namespace orvane
