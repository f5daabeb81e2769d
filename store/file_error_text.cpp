#include "store/file_error_text.h"

#include <QFileInfo>

#include <cerrno>

namespace orvane {

namespace {

QString KindText(QFileDevice::FileError kind)
{
    switch (kind) {
    case QFileDevice::ReadError:
        return QStringLiteral("Ошибка чтения");
    case QFileDevice::WriteError:
        return QStringLiteral("Ошибка записи");
    case QFileDevice::OpenError:
        return QStringLiteral("Файл не удалось открыть");
    case QFileDevice::PermissionsError:
        return QStringLiteral("Не удалось изменить права доступа к файлу");
    case QFileDevice::RenameError:
        return QStringLiteral("Не удалось заменить старый файл новым");
    case QFileDevice::ResizeError:
        return QStringLiteral("Не удалось изменить размер файла");
    default:
        return QStringLiteral("Неизвестная ошибка");
    }
}

} // namespace

QString FileErrorText(int systemError, QFileDevice::FileError kind)
{
    switch (systemError) {
    case ENOSPC:
        return QStringLiteral("Нет места на диске");
    case EDQUOT:
        return QStringLiteral("Превышена дисковая квота");
    case EFBIG:
        return QStringLiteral("Файл превысил допустимый размер");
    case EACCES:
    case EPERM:
        return QStringLiteral("Нет прав доступа");
    case EROFS:
        return QStringLiteral("Диск доступен только для чтения");
    case ENOENT:
        return QStringLiteral("Файл или папка не найдены");
    case ENOTDIR:
        return QStringLiteral("Часть пути не является папкой");
    case EISDIR:
        return QStringLiteral("На месте файла находится папка");
    case ENAMETOOLONG:
        return QStringLiteral("Слишком длинное имя файла");
    case ELOOP:
        return QStringLiteral("Слишком много символических ссылок в пути");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Открыто слишком много файлов");
    case ENOMEM:
        return QStringLiteral("Недостаточно памяти");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("Файл занят");
    case EIO:
        return QStringLiteral("Ошибка ввода-вывода");
    case 0:
        return KindText(kind);
    default:
        return KindText(kind) + QStringLiteral(" (код ошибки %1)").arg(systemError);
    }
}

QString OpenFailureText(const QString &path, int systemError)
{
    if (QFileInfo(path).isDir())
        return FileErrorText(EISDIR);
    if (systemError == EACCES || systemError == EPERM)
        return QStringLiteral("Нет прав на чтение файла");
    return FileErrorText(systemError, QFileDevice::OpenError);
}

} // namespace orvane
