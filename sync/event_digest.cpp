#include "sync/event_digest.h"

#include "exchange/exchange_document.h"
#include "exchange/import_merge.h"
#include "store/clock.h"
#include "store/user.h"

#include <QCryptographicHash>

namespace orvane::sync {

namespace {

QByteArray TextDigest(const QString &text)
{
    return QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).first(12).toBase64();
}

} // namespace

QByteArray EventDigest::Key() const
{
    return QByteArray::number(month) + '/' + QByteArray::number(day) + '/' + name + notes + category;
}

bool EventDigest::SharesAText(const EventDigest &other) const
{
    return month == other.month && day == other.day
           && (name == other.name || notes == other.notes || category == other.category);
}

EventDigest DigestOf(int month, int day, const QString &name, const QString &notes, const QString &category)
{
    return {month, day, TextDigest(name), TextDigest(notes), TextDigest(category)};
}

EventDigest DigestOf(const CUser &user, const CEventRecord &event)
{
    return DigestOf(event.Month, event.Day, event.Name, event.Notes, ExchangeCategoryName(user, event));
}

EventDigest FittedDigest(const CUser &user, const CImportedEvent &record)
{
    CUser scratch;
    scratch.SetCategories(user.Categories());
    CImportList list;
    list.AddTail(record)->Selected = 1;
    MergeImportedEvents(scratch, list);
    const int slot = CUser::SlotIndex(record.Month, record.Day, Clock::Today().year());
    if (slot < 0 || scratch.Slot(slot).IsEmpty())
        return {};
    return DigestOf(scratch, *scratch.Slot(slot).begin());
}

} // namespace orvane::sync
