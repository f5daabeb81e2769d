#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace orvane {

class CUser;

// A category as the day editor leaves it: its label and the number it had when the editor
// opened (-1 for a category added there).
struct EditedCategory {
    QString label;
    int originalIndex = -1;
};

// An event as the day editor leaves it, under category `category` of the edited list.
struct EditedEvent {
    QString name;
    QString notes;
    int category = 0;
    int notify = 1;
};

// Writes an edited day back: the day's slot is rebuilt from `events` (in order, dated with the
// given month and day) and the category list replaced by the labels. The events of every other
// day keep the category they had: numbers behind an inserted or deleted category are shifted,
// events of a deleted category go to the last category, and numbers outside the old list (shown
// under the second category) follow the second category.
void CommitDayEdit(CUser &user, int month, int day, const std::vector<EditedCategory> &categories,
                   const std::vector<EditedEvent> &events);

} // namespace orvane
