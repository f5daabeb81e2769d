#include "ui/main/day_clipboard.h"

#include "exchange/import_file.h"
#include "exchange/import_merge.h"
#include "store/data_file.h"
#include "store/message.h"
#include "ui/exchange/exchange_transfer.h"

#include <QCoreApplication>
#include <QScopeGuard>

namespace orvane {

int CopyDayEvents(CUser &user, int month, int day)
{
    CEventList &events = user.GetDayEvents(month, day);
    if (events.IsEmpty())
        return 0;
    // The export takes the events whose selection mark is set: this day's and no others.
    const auto mark = [&events](quint8 selected) {
        for (CEventRecord &event : events)
            event.Selected = selected;
    };
    for (int index = 0; index < kDaySlots; ++index)
        for (CEventRecord &event : user.Slot(index))
            event.Selected = 0;
    mark(1);
    const auto unmark = qScopeGuard([&mark] { mark(0); });
    ExportEvents(user, ExchangeTarget::Clipboard, {});
    return events.GetCount();
}

bool PasteDayEvents(CDataFile &document, int month, int day, const std::function<void()> &redraw)
{
    CImportList list;
    ImportRead read; // the clipboard holds an exchange document: nothing is left unread
    if (!ImportEvents(ExchangeTarget::Clipboard, list, {}, read))
        return false;
    if (list.IsEmpty()) {
        ShowMessage(QCoreApplication::translate("ExchangeTransfer", "В буфере нет данных для импорта."));
        return false;
    }
    for (CEventRecord &record : list) {
        record.Month = month;
        record.Day = day;
        record.Selected = 1;
    }
    const MergeReport report = MergeImportedEvents(document.m_user, list);
    if (report.added > 0)
        document.Save(); // a failure is shown by Save itself
    redraw();
    ShowMessage(MergeReportMessage(report));
    return true;
}

} // namespace orvane
