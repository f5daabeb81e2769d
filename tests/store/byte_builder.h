#pragma once

#include <QByteArray>

namespace orvane::test {

// Spells out calendar-file bytes by hand, independently of the program's writer.
class ByteBuilder {
public:
    ByteBuilder &i32(qint32 v) { return u32(static_cast<quint32>(v)); }
    ByteBuilder &u32(quint32 v) { return u16(static_cast<quint16>(v)).u16(static_cast<quint16>(v >> 16)); }
    ByteBuilder &u16(quint16 v) { return u8(static_cast<quint8>(v)).u8(static_cast<quint8>(v >> 8)); }
    ByteBuilder &u8(quint8 v) { return raw(QByteArray(1, static_cast<char>(v))); }
    ByteBuilder &raw(const QByteArray &b) { m_bytes.append(b); return *this; }
    // A string shorter than 255 bytes: its length byte, then the bytes.
    ByteBuilder &str(const QByteArray &b) { return u8(static_cast<quint8>(b.size())).raw(b); }
    // The header of a calendar file up to and including the user count.
    ByteBuilder &header(quint16 sizeWord = 2, qint32 users = 1)
    {
        return str("ORVANE").i32(1).i32(2).i32(0).u16(sizeWord).i32(0).emptySlots(4).i32(users);
    }
    // The default user record's fields before the slots: two categories, "<user>", two empty strings, rights 2.
    ByteBuilder &defaultUserFields()
    {
        return u16(2)
            .str(QByteArray::fromHex("c4e5edfc20f0eee6e4e5ede8ff")) // День рождения
            .str(QByteArray::fromHex("cef1f2e0ebfcedeee5"))         // Остальное
            .str("<user>").u8(0).u8(0).i32(2);
    }
    ByteBuilder &emptySlots(int n) { return raw(QByteArray(4 * n, '\0')); }
    ByteBuilder &event(qint32 month, const QByteArray &name, const QByteArray &notes, qint32 day,
                       qint32 category = 1, qint32 monitoring = 1)
    {
        return i32(month).str(name).str(notes).i32(day).i32(category).i32(monitoring);
    }
    operator QByteArray() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// The calendar a new document writes: the default user and 366 empty slots.
inline QByteArray DefaultCalendar(quint16 sizeWord = 2, qint32 users = 1)
{
    return ByteBuilder().header(sizeWord, users).defaultUserFields().emptySlots(366);
}

// A full calendar, 4.6 MB: 366 days of 40 events with 40-letter names and 254-letter notes.
// The events have no month, so each stays on the day it was written to, in any year.
inline QByteArray FullCalendar(char letter = 'a')
{
    ByteBuilder b;
    b.header().defaultUserFields();
    for (int slot = 0; slot < 366; ++slot) {
        b.i32(40);
        for (int i = 0; i < 40; ++i)
            b.event(0, QByteArray(40, letter), QByteArray(254, static_cast<char>('a' + i % 26)), 1 + slot % 28);
    }
    return b;
}

} // namespace orvane::test
