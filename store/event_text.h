#pragma once

#include "store/archive.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace orvane {

// The name or the notes of an event, kept as the calendar file stores them: Windows-1251 bytes
// (UTF-16LE for a text the code page cannot hold) and decoded each time the text is asked for.
// A text read from the file is a part of the file's bytes, which all texts read from it share:
// a calendar's texts take the size of its file instead of twice that in UTF-16 and a block each,
// and a load neither decodes nor copies them.
class CEventText {
public:
    // The bytes of a calendar file, kept by the texts read from them.
    using FileBytes = std::shared_ptr<const QByteArray>;

    CEventText() = default;
    CEventText(const QString &text); // implicit: a text is set as a QString
    // The text `raw` read from `file`.
    CEventText(FileBytes file, ArchiveReader::RawString raw);

    QString Text() const;
    // A hash of the text in the form it is kept, without decoding it, the same in every process:
    // the same text kept in both forms (read so from a file) hashes differently.
    quint64 Hash(quint64 seed) const;
    operator QString() const { return Text(); } // and read as one
    bool isEmpty() const { return Size() == 0; }
    QByteArray toUtf8() const { return Text().toUtf8(); }

    // In the narrow form of the calendar file.
    void Write(ArchiveWriter &archive) const;

    friend bool operator==(const CEventText &a, const CEventText &b)
    {
        // Copies of one text (the common case) are told equal without decoding them.
        const ArchiveReader::RawString rawA = a.Raw();
        const ArchiveReader::RawString rawB = b.Raw();
        return (rawA.wide == rawB.wide && rawA.bytes == rawB.bytes) || a.Text() == b.Text();
    }
    friend bool operator==(const CEventText &a, const QString &b) { return a.Text() == b; }

private:
    static constexpr quint32 kWideBit = 0x80000000U;

    qsizetype Size() const { return static_cast<qsizetype>(m_size & ~kWideBit); }
    ArchiveReader::RawString Raw() const;

    FileBytes m_bytes;
    quint32 m_offset = 0;
    quint32 m_size = 0; // bytes, kWideBit set for UTF-16LE
};

} // namespace orvane
