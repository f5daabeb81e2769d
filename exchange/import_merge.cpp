#include "exchange/import_merge.h"

#include "store/clock.h"
#include "store/event_limits.h"
#include "store/user.h"
#include "store/windows1251.h"

#include <algorithm>

namespace orvane {

namespace {

constexpr int kLeapYear = 2000;

bool HasDate(const CEventRecord &record)
{
    return record.Month >= 1 && record.Month <= 12 && record.Day >= 1
        && record.Day <= DaysInMonth(record.Month, kLeapYear);
}

// The text within what the calendar holds, with the reasons for any change.
QString Fit(const QString &text, int maxLength, MergeReason cut, std::vector<MergeReason> &reasons)
{
    QString fitted = ReplaceOutsideCp1251(text);
    if (fitted != text && std::find(reasons.begin(), reasons.end(), MergeReason::OutsideCodePage) == reasons.end())
        reasons.push_back(MergeReason::OutsideCodePage);
    if (fitted.size() > maxLength) {
        fitted.truncate(maxLength);
        reasons.push_back(cut);
    }
    return fitted;
}

// Inserts a category so that every event keeps the category it shows under: numbers at and
// after the position move up by one, and numbers outside the list (shown under the second
// category) follow the second category.
void InsertCategory(CUser &user, int position, const QString &name)
{
    const int count = user.GetCategoryCount();
    const int second = position <= 1 ? 2 : 1;
    for (int index = 0; index < kDaySlots; ++index) {
        for (CEventRecord &event : user.Slot(index)) {
            if (event.Category < 0 || event.Category >= count)
                event.Category = second;
            else if (event.Category >= position)
                ++event.Category;
        }
    }
    user.InsertCategory(position, name);
}

int CategoryFor(CUser &user, const QString &name, bool expected, std::vector<MergeReason> &reasons)
{
    const int found = static_cast<int>(user.Categories().indexOf(name));
    if (found >= 0)
        return found;
    const int last = user.GetCategoryCount() - 1;
    if (name.isEmpty() && last >= 0) {
        if (expected)
            reasons.push_back(MergeReason::NoCategory);
        return last;
    }
    if (user.GetCategoryCount() >= kMaxCategories) {
        reasons.push_back(MergeReason::CategoryListFull);
        return last;
    }
    const int position = qMax(0, last);
    InsertCategory(user, position, name);
    return position;
}

} // namespace

MergeReport MergeImportedEvents(CUser &user, const CImportList &list)
{
    MergeReport report;
    const int year = Clock::Today().year();
    for (const CImportedEvent &record : list) {
        if (!record.Selected)
            continue;
        MergeNote note{record.Name, record.Month, record.Day, {}};
        CEventList *slot = HasDate(record) ? &user.Slot(CUser::SlotIndex(record.Month, record.Day, year)) : nullptr;
        if (!slot) {
            note.reasons.push_back(MergeReason::NoSuchDate);
        } else if (slot->IsFull()) {
            note.reasons.push_back(MergeReason::DayFull);
        } else {
            CEventRecord event = record; // the event alone: the calendar keeps no category name
            event.Name = Fit(record.Name, kMaxEventLabel, MergeReason::NameCut, note.reasons);
            event.Notes = Fit(record.Notes, kMaxNotes, MergeReason::NotesCut, note.reasons);
            const QString category = Fit(record.CategoryName, kMaxCategoryLabel, MergeReason::CategoryCut, note.reasons);
            event.Category = CategoryFor(user, category, record.CategoryExpected, note.reasons);
            event.Selected = 0;
            slot->AddTail(event);
            ++report.added;
        }
        if (note.reasons.empty())
            continue;
        ++(note.Added() ? report.changed : report.skipped);
        report.notes.push_back(std::move(note));
    }
    return report;
}

} // namespace orvane
