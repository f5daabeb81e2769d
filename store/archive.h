#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace orvane {

// Thrown when the bytes end inside a value.
struct ArchiveEndError {};

// Reads the little-endian integers, length-prefixed strings and string arrays of the calendar
// file. Narrow strings are Windows-1251; the wide form (marker 0xFF 0xFFFE) is UTF-16LE.
class ArchiveReader {
public:
    explicit ArchiveReader(QByteArrayView bytes) : m_bytes(bytes) {}

    qint32 ReadInt32() { return static_cast<qint32>(ReadUInt32()); }
    quint32 ReadUInt32();
    quint16 ReadUInt16();
    quint8 ReadUInt8();
    // A string as stored: the code-page bytes of a narrow one, the UTF-16LE bytes of a wide one.
    struct RawString {
        QByteArrayView bytes;
        bool wide = false;
    };
    RawString ReadRawString();
    static QString Decode(RawString raw);
    QString ReadString() { return Decode(ReadRawString()); }
    QByteArray ReadNarrowBytes();
    QStringList ReadStringArray();

    qsizetype Remaining() const { return m_bytes.size() - m_pos; }

private:
    struct Length {
        quint32 count;
        bool wide;
    };
    Length ReadLength();
    quint32 ReadPlainLength(quint8 first);
    QByteArrayView Take(qsizetype count);

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

// Writes the same encodings; strings always in the narrow form.
class ArchiveWriter {
public:
    void WriteInt32(qint32 value) { WriteUInt32(static_cast<quint32>(value)); }
    void WriteUInt32(quint32 value);
    void WriteUInt16(quint16 value);
    void WriteUInt8(quint8 value) { m_bytes.append(static_cast<char>(value)); }
    void WriteString(const QString &text);
    void WriteNarrowBytes(QByteArrayView bytes);
    void WriteStringArray(const QStringList &list);

    void Reserve(qsizetype size) { m_bytes.reserve(size); }
    const QByteArray &Bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

} // namespace orvane
