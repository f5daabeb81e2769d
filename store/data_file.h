#pragma once

#include "store/atomic_file.h"
#include "store/load_result.h"
#include "store/user.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <array>
#include <functional>

namespace orvane {

class COptionFlags;

// The document: header fields, the main window's calendar scale and large mode, and the user.
class CDataFile {
public:
    static constexpr int kMinFileSize = 13;
    // Twice the largest calendar: 366 days of 40 events with the longest name and notes (a record
    // of 315 bytes). A larger file is refused unread.
    static constexpr qint64 kMaxFileSize = 2 * 366 * (4 + 40 * 315);

    explicit CDataFile(COptionFlags &options) : m_options(options) {}

    // Where the calendar lives: ORVANE_DATA_DIR, else an orvane.orvd beside the executable
    // when there is one, else the user's data folder (beside the executable on Windows).
    static QString GetFilePath();
    bool Exists() const;

    // Reads the program's file; failures that deserve it are shown, a file that cannot be opened
    // with its path and the reason. Returns 1 / 0, and the failure through `failure`.
    int Load(LoadFailure *failure = nullptr);
    // The same for a read of the program's file already done by Read (on another thread):
    // shows what Load would show of it.
    int FinishLoad(const LoadResult &result, LoadFailure *failure = nullptr);
    // Writes the program's file atomically; a failure is shown. Returns 1 / 0.
    int Save();
    // The same, the failure not shown but given: the message Save would show, empty when saved.
    QString SaveOrTellWhy();
    // Called after each successful save of the program's file; empty: nothing.
    void SetAfterSave(std::function<void()> afterSave) { m_afterSave = std::move(afterSave); }

    // The same without messages, on any path. Read refuses what is not a regular file and a file
    // larger than kMaxFileSize. Between saves the file is read-only: Write takes away its write
    // bits and keeps the others, so a calendar its user keeps private stays so.
    LoadResult Read(const QString &path, const ReadContext &context);
    SaveResult Write(const QString &path, quint32 options) const;

    // The byte layout. Parse appends to the document and leaves it as far as it got on failure;
    // the events' texts keep `bytes`.
    QByteArray Serialize(quint32 options) const;
    LoadResult Parse(QByteArray bytes, const ReadContext &context);

    // The context the running program loads with: today's date and the notice span.
    ReadContext CurrentReadContext() const;

    qint32 m_nVersionMajor = 1;
    qint32 m_nVersionMinor = 2;
    quint16 m_nScale = 2;
    std::array<qint32, 4> m_aReserved{};
    bool m_bLarge = false;
    CUser m_user;

private:
    COptionFlags &m_options;
    std::function<void()> m_afterSave;
};

} // namespace orvane
