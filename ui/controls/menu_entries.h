#pragma once

#include "res/menus.h"

class QMenu;

namespace orvane {

// Adds the entries of a menu table to a menu: separators, and actions carrying their command
// id as data and their enabled state.
void AddMenuEntries(QMenu &menu, const QList<res::MenuEntry> &entries);

} // namespace orvane
