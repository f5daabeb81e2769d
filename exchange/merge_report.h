#pragma once

#include <QString>

#include <vector>

namespace orvane {

// Why the import merge did not add a record, or what it changed in one it added.
enum class MergeReason {
    NoSuchDate,       // not added: month or day is no date of a leap year
    DayFull,          // not added: its day already holds 40 events
    CategoryListFull, // 10 categories already: put into the last one
    NoCategory,       // no category name: put into the last category
    CategoryCut,      // category name cut to 20 characters
    NameCut,          // name cut to 40 characters
    NotesCut,         // notes cut to 255 characters
    OutsideCodePage,  // characters the calendar cannot hold became "?"
    // Entries of an iCalendar or vCard file that are not read as events:
    NotAnEvent,       // a to-do, a journal entry or another component that is no event
    NotYearly,        // does not come back every year on one date
    NotAllDay,        // has a time of day
    NoBirthday,       // a contact without a birthday
};

bool SkipsRecord(MergeReason reason);
// What the reason is, as a report line tells it.
QString MergeReasonText(MergeReason reason);

// One record that was not added or was changed, as the document gave it.
struct MergeNote {
    QString name;
    int month = 0;
    int day = 0;
    std::vector<MergeReason> reasons;

    bool Added() const { return reasons.empty() || !SkipsRecord(reasons.front()); }
};

struct MergeReport {
    int added = 0;
    int skipped = 0;
    int changed = 0;
    std::vector<MergeNote> notes; // in list order

    int Count(MergeReason reason) const;
    // Counts entries a reader did not take as skipped, and appends their notes.
    void AddUnread(std::vector<MergeNote> unread);
};

// The message shown after the import wizard's merge: how many events were added and, when any
// were not added or were changed, how many and why.
QString MergeReportMessage(const MergeReport &report);

} // namespace orvane
