#include "store/file_error_text.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>

namespace orvane {

namespace {

QString KindText(QFileDevice::FileError kind)
{
    switch (kind) {
    case QFileDevice::ReadError:
        return QCoreApplication::translate("FileError", "Ошибка чтения");
    case QFileDevice::WriteError:
        return QCoreApplication::translate("FileError", "Ошибка записи");
    case QFileDevice::OpenError:
        return QCoreApplication::translate("FileError", "Файл не удалось открыть");
    case QFileDevice::PermissionsError:
        return QCoreApplication::translate("FileError", "Не удалось изменить права доступа к файлу");
    case QFileDevice::RenameError:
        return QCoreApplication::translate("FileError", "Не удалось заменить старый файл новым");
    case QFileDevice::ResizeError:
        return QCoreApplication::translate("FileError", "Не удалось изменить размер файла");
    default:
        return QCoreApplication::translate("FileError", "Неизвестная ошибка");
    }
}

} // namespace

QString FileErrorText(int systemError, QFileDevice::FileError kind)
{
    switch (systemError) {
    case ENOSPC:
        return QCoreApplication::translate("FileError", "Нет места на диске");
    case EDQUOT:
        return QCoreApplication::translate("FileError", "Превышена дисковая квота");
    case EFBIG:
        return QCoreApplication::translate("FileError", "Файл превысил допустимый размер");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("FileError", "Нет прав доступа");
    case EROFS:
        return QCoreApplication::translate("FileError", "Диск доступен только для чтения");
    case ENOENT:
        return QCoreApplication::translate("FileError", "Файл или папка не найдены");
    case ENOTDIR:
        return QCoreApplication::translate("FileError", "Часть пути не является папкой");
    case EISDIR:
        return QCoreApplication::translate("FileError", "На месте файла находится папка");
    case ENAMETOOLONG:
        return QCoreApplication::translate("FileError", "Слишком длинное имя файла");
    case ELOOP:
        return QCoreApplication::translate("FileError", "Слишком много символических ссылок в пути");
    case EMFILE:
    case ENFILE:
        return QCoreApplication::translate("FileError", "Открыто слишком много файлов");
    case ENOMEM:
        return QCoreApplication::translate("FileError", "Недостаточно памяти");
    case EBUSY:
    case ETXTBSY:
        return QCoreApplication::translate("FileError", "Файл занят");
    case EIO:
        return QCoreApplication::translate("FileError", "Ошибка ввода-вывода");
    case 0:
        return KindText(kind);
    default:
        return KindText(kind) + QCoreApplication::translate("FileError", " (код ошибки %1)").arg(systemError);
    }
}

QString OpenFailureText(const QString &path, int systemError)
{
    const QFileInfo info(path);
    if (info.isDir())
        return FileErrorText(EISDIR);
    if (info.exists() && !info.isFile())
        return QCoreApplication::translate("FileError", "На месте файла находится не обычный файл, а устройство или канал");

    if (systemError == EACCES || systemError == EPERM)
        return QCoreApplication::translate("FileError", "Нет прав на чтение файла");
    return FileErrorText(systemError, QFileDevice::OpenError);
}

} // namespace orvane
