#include "store/event_text.h"

#include "store/stable_hash.h"
#include "store/windows1251.h"

#include <QtEndian>

namespace orvane {

namespace {

// The text's own bytes: Windows-1251 when the code page holds it (they decode to the same text),
// else UTF-16LE. Returns whether they are wide.
bool Encode(const QString &text, QByteArray &bytes)
{
    if (FitsCp1251(text)) {
        bytes = EncodeCp1251(text);
        return false;
    }
    bytes.resize(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i)
        qToLittleEndian(text[i].unicode(), bytes.data() + 2 * i);
    return true;
}

} // namespace

CEventText::CEventText(const QString &text)
{
    if (text.isEmpty())
        return;
    QByteArray bytes;
    const bool wide = Encode(text, bytes);
    const auto own = std::make_shared<const QByteArray>(std::move(bytes));
    *this = CEventText(own, {*own, wide});
}

CEventText::CEventText(FileBytes file, ArchiveReader::RawString raw)
    : m_bytes(std::move(file)),
      m_offset(static_cast<quint32>(raw.bytes.data() - m_bytes->constData())),
      m_size(static_cast<quint32>(raw.bytes.size()) | (raw.wide ? kWideBit : 0))
{
}

ArchiveReader::RawString CEventText::Raw() const
{
    if (isEmpty())
        return {};
    return {QByteArrayView(m_bytes->constData() + m_offset, Size()), (m_size & kWideBit) != 0};
}

QString CEventText::Text() const
{
    return isEmpty() ? QString() : ArchiveReader::Decode(Raw());
}

quint64 CEventText::Hash(quint64 seed) const
{
    const ArchiveReader::RawString raw = Raw();
    return StableHash(raw.bytes, raw.wide ? ~seed : seed);
}

void CEventText::Write(ArchiveWriter &archive) const
{
    // The code page's bytes decode to characters that encode to the same bytes again.
    const ArchiveReader::RawString raw = Raw();
    if (raw.wide)
        archive.WriteString(Text());
    else
        archive.WriteNarrowBytes(raw.bytes);
}

} // namespace orvane
