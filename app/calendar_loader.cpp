#include "app/calendar_loader.h"

#include "store/broken_copy.h"
#include "store/data_file.h"
#include "store/message.h"

#include <QCoreApplication>
#include <QFile>

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

LoadOutcome LoadOrCreateCalendar(CDataFile &document, std::optional<LoadResult> readAhead)
{
    bool createAnew = false;
    for (;;) {
        if (!document.Exists() || createAnew) {
            document.Save();
            return LoadOutcome::Created;
        }
        LoadFailure failure = LoadFailure::None;
        const int loaded = readAhead ? document.FinishLoad(*readAhead, &failure) : document.Load(&failure);
        readAhead.reset();
        if (loaded)
            return LoadOutcome::Loaded;
        if (failure == LoadFailure::CannotOpen)
            return LoadOutcome::CannotOpen;
        if (ShowMessage(QCoreApplication::translate("CalendarLoader", kCorruptedQuestion), MessageButtons::YesNo) != MessageAnswer::Yes)
            return LoadOutcome::Refused;
        if (!KeepBrokenFile(CDataFile::GetFilePath()))
            return LoadOutcome::Refused;
        createAnew = true;
    }
}

} // namespace orvane
