#include "app/calendar_loader.h"

#include "store/data_file.h"
#include "store/message.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace orvane {

namespace {

const char *const kCorruptedQuestion = QT_TRANSLATE_NOOP(
    "CalendarLoader",
    "Мне очень жаль,но календарь испорчен, его невозможно ни прочитать,\n"
    "ни автоматически восстановить.\n"
    "Но если вы не представляете как это сделать, то лучше смиритесь.\n\n"
    "Может хотите создать новый календарь?");

bool KeepBrokenFile(const QString &path)
{
    const QString copy = BrokenCopyPath(path, QDateTime::currentDateTime());
    if (QFile::copy(path, copy))
        return true;
    ShowMessage(QCoreApplication::translate("CalendarLoader", "Не удалось сохранить копию испорченного календаря\n%1\n\n"
                               "Новый календарь не создан.").arg(copy));
    return false;
}

} // namespace

QString BrokenCopyPath(const QString &path, const QDateTime &when)
{
    const QString base = path + QStringLiteral(".broken-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = base;
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = base + QStringLiteral("-%1").arg(n);
    return candidate;
}

LoadOutcome LoadOrCreateCalendar(CDataFile &document)
{
    bool createAnew = false;
    for (;;) {
        if (!document.Exists() || createAnew) {
            document.Save();
            return LoadOutcome::Created;
        }
        if (document.Load())
            return LoadOutcome::Loaded;
        if (ShowMessage(QCoreApplication::translate("CalendarLoader", kCorruptedQuestion), MessageButtons::YesNo) != MessageAnswer::Yes)
            return LoadOutcome::Refused;
        if (!KeepBrokenFile(CDataFile::GetFilePath()))
            return LoadOutcome::Refused;
        createAnew = true;
    }
}

} // namespace orvane
