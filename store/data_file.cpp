#include "store/data_file.h"

#include "settings/option_flags.h"
#include "store/archive.h"
#include "store/clock.h"
#include "store/file_error_text.h"
#include "store/message.h"
#include "store/windows1251.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvane {

namespace {

const QByteArray kSignature = QByteArrayLiteral("ORVANE");
const QString kFileName = QStringLiteral("orvane.orvd");

constexpr quint16 kLargeModeBit = 0x10;
constexpr quint16 kScaleMask = 0x0F;
constexpr quint16 kMinSizeWord = 2;
constexpr quint16 kMaxSizeWord = 28;
constexpr qint32 kMaxUsers = 100;

// Bytes of a full calendar, to spare the writer its reallocations.
constexpr qsizetype kTypicalSize = 64 * 1024;

LoadResult Failed(LoadFailure failure, int systemError = 0)
{
    return {failure, DescribeLoadFailure(failure), systemError};
}

// Opens `path` for reading when it is a regular file. Anything else (a device, a FIFO, a socket)
// is refused without waiting on it: errno tells why.
bool OpenRegularFile(QFile &file, const QString &path)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = fd < 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : ENODEV;
        if (fd >= 0)
            ::close(fd);
        errno = error;
        return false;
    }
    return file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
#else
    file.setFileName(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
#endif
}

} // namespace

QString CDataFile::GetFilePath()
{
    const QString overridden = qEnvironmentVariable("ORVANE_DATA_DIR");
    if (!overridden.isEmpty())
        return QDir(overridden).filePath(kFileName);
    const QString besideExecutable = QDir(QCoreApplication::applicationDirPath()).filePath(kFileName);
#ifdef Q_OS_WIN
    return besideExecutable;
#else
    // A calendar beside the executable means portable use; otherwise it lives with the user's data,
    // where a rebuild or reinstall never touches it.
    if (QFileInfo::exists(besideExecutable))
        return besideExecutable;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("orvane/") + kFileName);
#endif
}

bool CDataFile::Exists() const
{
    // Present but unreadable is not "missing": it must never be overwritten by a new calendar.
    return QFileInfo::exists(GetFilePath());
}

ReadContext CDataFile::CurrentReadContext() const
{
    return {Clock::Today(), m_options.GetMonitorDays()};
}

int CDataFile::Load(LoadFailure *failure)
{
    return FinishLoad(Read(GetFilePath(), CurrentReadContext()), failure);
}

int CDataFile::FinishLoad(const LoadResult &result, LoadFailure *failure)
{
    const QString path = GetFilePath();
    if (result.failure == LoadFailure::CannotOpen)
        ShowMessage(QCoreApplication::translate("DataFile", "Невозможно открыть календарь.\n%1\n\n%2.")
                        .arg(QDir::toNativeSeparators(path), OpenFailureText(path, result.systemError)));
    else if (result.failure == LoadFailure::UnexpectedEnd)
        ShowMessage(QCoreApplication::translate("DataFile", "Неожиданный конец файла календаря."));
    if (failure)
        *failure = result.failure;
    return result.ok() ? 1 : 0;
}

int CDataFile::Save()
{
    const QString failure = SaveOrTellWhy();
    if (!failure.isEmpty())
        ShowMessage(failure);
    return failure.isEmpty() ? 1 : 0;
}

QString CDataFile::SaveOrTellWhy()
{
    const QString path = GetFilePath();
    const SaveResult result = Write(path, m_options.GetOptions());
    if (result.ok) {
        if (m_afterSave)
            m_afterSave();
        return {};
    }
    return QCoreApplication::translate("DataFile", "Невозможно сохранить календарь\n%1\n\n%2")
        .arg(QDir::toNativeSeparators(path), result.reason);
}

LoadResult CDataFile::Read(const QString &path, const ReadContext &context)
{
    QFile file;
    errno = 0;
    if (!OpenRegularFile(file, path)) {
        const int error = errno;
        return {LoadFailure::CannotOpen,
                error == ENODEV ? QStringLiteral("not a regular file (a device, a FIFO or a socket)")
                                : DescribeLoadFailure(LoadFailure::CannotOpen),
                error};
    }
    // Read into memory rather than mapped: the events' texts stay parts of these bytes, and the
    // file may change under a mapping.
    const qint64 size = file.size();
    if (size > kMaxFileSize)
        return {LoadFailure::CannotOpen, QStringLiteral("larger than any calendar (%1 bytes)").arg(size), EFBIG};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Failed(LoadFailure::CannotOpen, errno);
    return Parse(std::move(bytes), context);
}

LoadResult CDataFile::Parse(QByteArray bytes, const ReadContext &context)
{
    if (bytes.size() < kMinFileSize)
        return Failed(LoadFailure::TooShort);
    bytes.detach(); // bytes of its own (not a caller's raw data), which the texts may keep
    const auto file = std::make_shared<const QByteArray>(std::move(bytes));
    ArchiveReader archive(*file);
    try {
        if (archive.ReadNarrowBytes() != kSignature)
            return Failed(LoadFailure::BadSignature);
        archive.ReadInt32(); // version major, minor and a reserved value: the document keeps its own
        archive.ReadInt32();
        archive.ReadInt32();
        m_nVersionMajor = 1;
        m_nVersionMinor = 2;
        const quint16 sizeWord = archive.ReadUInt16();
        if (sizeWord == 0) {
            m_nScale = 2;
            m_bLarge = false;
        } else if (sizeWord < kMinSizeWord || sizeWord > kMaxSizeWord) {
            return Failed(LoadFailure::BadSizeWord);
        } else {
            m_bLarge = (sizeWord & kLargeModeBit) != 0;
            m_nScale = m_bLarge ? static_cast<quint16>(sizeWord & kScaleMask) : sizeWord;
        }
        archive.ReadInt32();
        for (qint32 &reserved : m_aReserved)
            reserved = archive.ReadInt32();
        const qint32 users = archive.ReadInt32();
        if (users < 1 || users > kMaxUsers)
            return Failed(LoadFailure::BadUserCount);
        const LoadFailure failure = m_user.Read(archive, file, context);
        if (failure != LoadFailure::None)
            return Failed(failure);
    } catch (const ArchiveEndError &) {
        return Failed(LoadFailure::UnexpectedEnd);
    }
    return {};
}

QByteArray CDataFile::Serialize(quint32 options) const
{
    ArchiveWriter archive;
    archive.Reserve(kTypicalSize);
    archive.WriteNarrowBytes(kSignature);
    archive.WriteInt32(m_nVersionMajor);
    archive.WriteInt32(m_nVersionMinor);
    archive.WriteInt32(0);
    const bool keepSize = (options & OptionBit::SaveCalendarSize) != 0;
    archive.WriteUInt16(keepSize ? static_cast<quint16>(m_nScale | (m_bLarge ? kLargeModeBit : 0)) : 0);
    archive.WriteInt32(0);
    for (const qint32 reserved : m_aReserved)
        archive.WriteInt32(reserved);
    archive.WriteInt32(1);
    m_user.Write(archive);
    return archive.Bytes();
}

SaveResult CDataFile::Write(const QString &path, quint32 options) const
{
    // Read-only between saves, and never made writable for one: the new file is read-only before
    // it takes the old one's place.
    return WriteFileAtomically(path, Serialize(options), QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther);
}

} // namespace orvane
