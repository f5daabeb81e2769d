#pragma once

#include "store/event_limits.h"

#include <QString>

namespace orvane {

// The editor's title for a date: "День 05, Март".
QString EventTreeTitle(int month, int day);

// The name a new event gets: an empty name becomes "Без названия" in the last category and the
// category's own label elsewhere; a name with "(" loses everything from the character before its
// last "(" on ("Word (remark)" -> "Word").
QString NameForNewEvent(const QString &name, const QString &categoryLabel, bool lastCategory);

inline constexpr int kMaxEventsInEditor = 31;

// What becomes of a label typed in the tree.
struct LabelCheck {
    QString text;     // the label to keep
    QString message;  // shown to the user when not empty
    bool editAgain = false; // the text was refused: edit the same item again
};
LabelCheck CheckLabel(const QString &typed, const QString &previous, bool category);

// The message for text the calendar file cannot hold.
QString UnsupportedCharactersMessage();

} // namespace orvane
