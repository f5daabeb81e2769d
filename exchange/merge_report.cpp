#include "exchange/merge_report.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace orvane {

namespace {

constexpr MergeReason kAllReasons[] = {
    MergeReason::NoSuchDate,  MergeReason::DayFull,  MergeReason::CategoryListFull,
    MergeReason::NoCategory,  MergeReason::CategoryCut, MergeReason::NameCut,
    MergeReason::NotesCut,    MergeReason::OutsideCodePage, MergeReason::NotAnEvent,
    MergeReason::NotYearly,   MergeReason::NotAllDay, MergeReason::NoBirthday,
};

// "<heading>: N" and a line per reason of that kind that occurred.
QString Section(const MergeReport &report, const QString &heading, int count, bool skips)
{
    QStringList lines{QStringLiteral("%1: %2").arg(heading).arg(count)};
    for (const MergeReason reason : kAllReasons)
        if (SkipsRecord(reason) == skips && report.Count(reason) > 0)
            lines << QStringLiteral("    %1: %2").arg(MergeReasonText(reason)).arg(report.Count(reason));
    return lines.join(u'\n');
}

} // namespace

QString MergeReasonText(MergeReason reason)
{
    switch (reason) {
    case MergeReason::NoSuchDate:
        return QCoreApplication::translate("MergeReport", "неверная дата");
    case MergeReason::DayFull:
        return QCoreApplication::translate("MergeReport", "в этом дне уже 40 событий");
    case MergeReason::CategoryListFull:
        return QCoreApplication::translate("MergeReport", "категорий уже 10, событие отнесено к последней");
    case MergeReason::NoCategory:
        return QCoreApplication::translate("MergeReport", "категория не указана, событие отнесено к последней");
    case MergeReason::CategoryCut:
        return QCoreApplication::translate("MergeReport", "название категории сокращено до 20 символов");
    case MergeReason::NameCut:
        return QCoreApplication::translate("MergeReport", "название сокращено до 40 символов");
    case MergeReason::NotesCut:
        return QCoreApplication::translate("MergeReport", "описание сокращено до 255 символов");
    case MergeReason::OutsideCodePage:
        return QCoreApplication::translate("MergeReport", "недопустимые символы заменены на \"?\"");
    case MergeReason::NotAnEvent:
        return QCoreApplication::translate("MergeReport", "не событие (задача, запись дневника и т. п.)");
    case MergeReason::NotYearly:
        return QCoreApplication::translate("MergeReport", "не повторяется каждый год в один и тот же день");
    case MergeReason::NotAllDay:
        return QCoreApplication::translate("MergeReport", "событие со временем, а не на весь день");
    case MergeReason::NoBirthday:
        return QCoreApplication::translate("MergeReport", "у контакта не указан день рождения");
    }
    return {};
}

bool SkipsRecord(MergeReason reason)
{
    return reason == MergeReason::NoSuchDate || reason == MergeReason::DayFull || reason >= MergeReason::NotAnEvent;
}

int MergeReport::Count(MergeReason reason) const
{
    return static_cast<int>(std::count_if(notes.begin(), notes.end(), [reason](const MergeNote &note) {
        return std::find(note.reasons.begin(), note.reasons.end(), reason) != note.reasons.end();
    }));
}

void MergeReport::AddUnread(std::vector<MergeNote> unread)
{
    skipped += static_cast<int>(unread.size());
    notes.insert(notes.end(), std::make_move_iterator(unread.begin()), std::make_move_iterator(unread.end()));
}

QString MergeReportMessage(const MergeReport &report)
{
    QStringList parts{QCoreApplication::translate("MergeReport", "Добавлено событий: %1.").arg(report.added)};
    if (report.skipped > 0)
        parts << Section(report, QCoreApplication::translate("MergeReport", "Не добавлено событий"), report.skipped, true);
    if (report.changed > 0)
        parts << Section(report, QCoreApplication::translate("MergeReport", "Добавлено с изменениями"), report.changed, false);
    return parts.join(QStringLiteral("\n\n"));
}

} // namespace orvane
