#include "store/archive.h"

#include "store/windows1251.h"

#include <QtEndian>

namespace orvane {

namespace {
constexpr quint8 kByteMarker = 0xFF;
constexpr quint16 kWordMarker = 0xFFFF;
constexpr quint16 kWideMarker = 0xFFFE;
} // namespace

QByteArrayView ArchiveReader::Take(qsizetype count)
{
    if (count < 0 || count > Remaining())
        throw ArchiveEndError{};
    QByteArrayView view = m_bytes.sliced(m_pos, count);
    m_pos += count;
    return view;
}

quint32 ArchiveReader::ReadUInt32()
{
    return qFromLittleEndian<quint32>(Take(4).data());
}

quint16 ArchiveReader::ReadUInt16()
{
    return qFromLittleEndian<quint16>(Take(2).data());
}

quint8 ArchiveReader::ReadUInt8()
{
    return static_cast<quint8>(Take(1).front());
}

quint32 ArchiveReader::ReadPlainLength(quint8 first)
{
    if (first < kByteMarker)
        return first;
    const quint16 word = ReadUInt16();
    if (word < kWordMarker)
        return word;
    return ReadUInt32();
}

ArchiveReader::Length ArchiveReader::ReadLength()
{
    const quint8 first = ReadUInt8();
    if (first < kByteMarker)
        return {first, false};
    const quint16 word = ReadUInt16();
    if (word == kWideMarker)
        return {ReadPlainLength(ReadUInt8()), true};
    if (word < kWordMarker)
        return {word, false};
    return {ReadUInt32(), false};
}

ArchiveReader::RawString ArchiveReader::ReadRawString()
{
    const Length length = ReadLength();
    if (!length.wide)
        return {Take(length.count), false};
    if (length.count > static_cast<quint64>(Remaining()) / 2)
        throw ArchiveEndError{};
    return {Take(static_cast<qsizetype>(length.count) * 2), true};
}

QString ArchiveReader::Decode(RawString raw)
{
    if (!raw.wide)
        return DecodeCp1251(raw.bytes);
    QString text(raw.bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(qFromLittleEndian<quint16>(raw.bytes.data() + 2 * i));
    return text;
}

QByteArray ArchiveReader::ReadNarrowBytes()
{
    const Length length = ReadLength();
    if (length.wide) // a wide string is compared by its text in the code page
        return EncodeCp1251(QString::fromUtf16(
            reinterpret_cast<const char16_t *>(Take(static_cast<qsizetype>(length.count) * 2).data()),
            static_cast<qsizetype>(length.count)));
    return Take(length.count).toByteArray();
}

QStringList ArchiveReader::ReadStringArray()
{
    quint32 count = ReadUInt16();
    if (count == kWordMarker)
        count = ReadUInt32();
    // Every element takes at least one byte: a larger count cannot be real.
    if (count > static_cast<quint64>(Remaining()))
        throw ArchiveEndError{};
    QStringList list;
    list.reserve(count);
    for (quint32 i = 0; i < count; ++i)
        list.append(ReadString());
    return list;
}

void ArchiveWriter::WriteUInt32(quint32 value)
{
    char raw[4];
    qToLittleEndian(value, raw);
    m_bytes.append(raw, 4);
}

void ArchiveWriter::WriteUInt16(quint16 value)
{
    char raw[2];
    qToLittleEndian(value, raw);
    m_bytes.append(raw, 2);
}

void ArchiveWriter::WriteNarrowBytes(QByteArrayView bytes)
{
    const auto length = static_cast<quint64>(bytes.size());
    if (length < kByteMarker) {
        WriteUInt8(static_cast<quint8>(length));
    } else if (length < kWideMarker) {
        WriteUInt8(kByteMarker);
        WriteUInt16(static_cast<quint16>(length));
    } else {
        WriteUInt8(kByteMarker);
        WriteUInt16(kWordMarker);
        WriteUInt32(static_cast<quint32>(length));
    }
    m_bytes.append(bytes);
}

void ArchiveWriter::WriteString(const QString &text)
{
    WriteNarrowBytes(EncodeCp1251(text));
}

void ArchiveWriter::WriteStringArray(const QStringList &list)
{
    const auto count = static_cast<quint64>(list.size());
    if (count < kWordMarker) {
        WriteUInt16(static_cast<quint16>(count));
    } else {
        WriteUInt16(kWordMarker);
        WriteUInt32(static_cast<quint32>(count));
    }
    for (const QString &text : list)
        WriteString(text);
}

} // namespace orvane
