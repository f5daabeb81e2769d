#pragma once

namespace orvane {

class COptionTree;

// Presents every COptionTree to assistive technology as a tree (installed once, by the first
// tree made): its rows are items with their text, check box or radio button role and checked
// state, group headings are items whose children are the rows of the group, and the keyboard's
// row is the focused one.
void InstallOptionTreeAccessible();

// Tells assistive technology that the keyboard's row is now `row`.
void NotifyOptionRowFocused(COptionTree &tree, int row);
// Tells assistive technology that the check of `row` changed.
void NotifyOptionRowChecked(COptionTree &tree, int row);

} // namespace orvane
