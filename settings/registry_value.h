#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace orvane {

// Registry value types, numbered as the registry numbers them.
namespace RegistryType {
constexpr quint32 kNone = 0;
constexpr quint32 kSz = 1;
constexpr quint32 kExpandSz = 2;
constexpr quint32 kBinary = 3;
constexpr quint32 kDword = 4;
constexpr quint32 kMultiSz = 7;
constexpr quint32 kQword = 11;
} // namespace RegistryType

// One registry value as the registry keeps it: its type and its raw bytes. Strings are UTF-16LE
// with a terminating zero, a DWORD is four little-endian bytes.
struct RegistryValue {
    quint32 type = RegistryType::kNone;
    QByteArray data;

    static RegistryValue String(const QString &text, quint32 type = RegistryType::kSz);
    static RegistryValue Dword(quint32 value);

    // The text of a string value, up to its first zero character.
    QString StringText() const;
    // The number of bytes the value fills when read through the 8-bit (Windows-1251) interface.
    qsizetype NarrowSize() const;
    // The value as text by its type; 1 for strings and DWORDs, 0 with a placeholder text otherwise.
    int ToText(QString &out) const;

    friend bool operator==(const RegistryValue &, const RegistryValue &) = default;
};

} // namespace orvane
