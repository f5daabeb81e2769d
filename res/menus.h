#pragma once

#include <QList>
#include <QString>

namespace orvane::res {

// Command ids: the controls of the main window send their own id, menu entries theirs.
namespace CommandId {
constexpr int Close = 1; // the dialog's OK
constexpr int PreviousMonth = 1028;
constexpr int NextMonth = 1029;
constexpr int MainMenu = 1037;
constexpr int HelpContents = 32771;
constexpr int AboutBox = 32772;
constexpr int NewEvent = 32773;
constexpr int DeleteEvent = 32775;
constexpr int Properties = 32779;
constexpr int GoToDay = 32780;
constexpr int Import = 32781;
constexpr int Export = 32782;
constexpr int CutEvent = 32785;
constexpr int CopyEvent = 32786;
constexpr int PasteEvent = 32787;
constexpr int MonitorClose = 32788;
constexpr int MonitorOpenCalendar = 32789;
constexpr int TrayShow = 32790;
constexpr int TrayClose = 32791;
constexpr int Sync = 32792;
constexpr int About = 57664;
constexpr int Minimize = 57665;
constexpr int Help = 57670;
} // namespace CommandId

namespace MenuId {
constexpr int Main = 154;
constexpr int Tray = 207; // one drop-down: "Показать", separator, "Закрыть"
} // namespace MenuId

// Drop-downs of the main menu.
namespace MainMenuPopup {
constexpr int Help = 0;   // opened by "?"
constexpr int Events = 1; // the event tree dialog's context menu
constexpr int Calendar = 2; // opened by the menu button
} // namespace MainMenuPopup

// One entry of a drop-down; id 0 is a separator.
struct MenuEntry {
    int id = 0;
    QString text;
    bool enabled = true;

    bool IsSeparator() const { return id == 0; }
};

// The entries of drop-down `popup` of menu `menuId`; empty when there is no such drop-down.
QList<MenuEntry> LoadMenuPopup(int menuId, int popup);

} // namespace orvane::res
