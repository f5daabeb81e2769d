#include "settings/registry_value.h"

#include <QList>
#include <QtEndian>

using namespace Qt::Literals::StringLiterals;

namespace orvane {

RegistryValue RegistryValue::String(const QString &text, quint32 type)
{
    RegistryValue value{type, {}};
    value.data.reserve((text.size() + 1) * 2);
    for (const QChar ch : text) {
        const char16_t unit = ch.unicode();
        value.data.append(static_cast<char>(unit & 0xff));
        value.data.append(static_cast<char>(unit >> 8));
    }
    value.data.append(2, '\0');
    return value;
}

RegistryValue RegistryValue::Dword(quint32 number)
{
    RegistryValue value{RegistryType::kDword, QByteArray(4, '\0')};
    qToLittleEndian(number, value.data.data());
    return value;
}

QString RegistryValue::StringText() const
{
    QString text;
    for (qsizetype i = 0; i + 1 < data.size(); i += 2) {
        const auto unit = qFromLittleEndian<char16_t>(data.constData() + i);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}

qsizetype RegistryValue::NarrowSize() const
{
    if (type == RegistryType::kSz || type == RegistryType::kExpandSz) {
        // Windows-1251 spends one byte on every character (a substitute byte on a character it
        // lacks), plus the terminating zero.
        return StringText().toUcs4().size() + 1;
    }
    return data.size();
}

int RegistryValue::ToText(QString &out) const
{
    switch (type) {
    case RegistryType::kSz:
    case RegistryType::kExpandSz:
        out = StringText();
        return 1;
    case RegistryType::kBinary:
        out = u"Binary data"_s;
        return 0;
    case RegistryType::kDword: {
        // Read from a zero-filled buffer, so a short value counts its missing bytes as zeros.
        QByteArray bytes = data.left(4);
        bytes.append(4 - bytes.size(), '\0');
        out = QString::number(qFromLittleEndian<qint32>(bytes.constData()));
        return 1;
    }
    default:
        out = u"Can't convert to string"_s;
        return 0;
    }
}

} // namespace orvane
