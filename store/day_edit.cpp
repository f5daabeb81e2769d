#include "store/day_edit.h"

#include "store/clock.h"
#include "store/user.h"

namespace orvane {

namespace {

// Where each old category number stands in the new list.
std::vector<int> NewNumbers(int oldCount, const std::vector<EditedCategory> &categories)
{
    const int last = static_cast<int>(categories.size()) - 1;
    std::vector<int> renumber(static_cast<size_t>(oldCount), last);
    for (size_t position = 0; position < categories.size(); ++position) {
        const int old = categories[position].originalIndex;
        if (old >= 0 && old < oldCount)
            renumber[static_cast<size_t>(old)] = static_cast<int>(position);
    }
    return renumber;
}

} // namespace

void CommitDayEdit(CUser &user, int month, int day, const std::vector<EditedCategory> &categories,
                   const std::vector<EditedEvent> &events)
{
    const int oldCount = user.GetCategoryCount();
    const std::vector<int> renumber = NewNumbers(oldCount, categories);
    const int shownAsSecond = oldCount > 1 ? renumber[1] : 1;
    const int editedSlot = CUser::SlotIndex(month, day, Clock::Today().year());

    for (int index = 0; index < kDaySlots; ++index) {
        if (index == editedSlot)
            continue;
        for (CEventRecord &event : user.Slot(index)) {
            const bool known = event.Category >= 0 && event.Category < oldCount;
            event.Category = known ? renumber[static_cast<size_t>(event.Category)] : shownAsSecond;
        }
    }

    CEventList &slot = user.Slot(editedSlot);
    slot.RemoveAll();
    for (const EditedEvent &edited : events) {
        CEventRecord event;
        event.Name = edited.name;
        event.Notes = edited.notes;
        event.Month = month;
        event.Day = day;
        event.Category = edited.category;
        event.Monitoring = edited.notify;
        slot.AddTail(event);
    }

    QStringList labels;
    for (const EditedCategory &category : categories)
        labels.append(category.label);
    user.SetCategories(labels);
}

} // namespace orvane
