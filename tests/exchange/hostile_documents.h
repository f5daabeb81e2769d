// Documents built to hurt the exchange reader, shared by its test and its benchmark.
#pragma once

#include "exchange/exchange_reader.h"

#include <QFile>
#include <QIODevice>

#include <cstring>

namespace orvane::test {

// Ten levels of entities, each ten of the one below: 3 GB once expanded.
inline QByteArray EntityBomb()
{
    QByteArray bomb = "<?xml version=\"1.0\"?>\n<!DOCTYPE Orvane [\n<!ENTITY l0 \"lollollollollollollollollollol\">\n";
    for (int i = 1; i < 10; ++i)
        bomb += "<!ENTITY l" + QByteArray::number(i) + " \"" + ("&l" + QByteArray::number(i - 1) + ";").repeated(10) + "\">\n";
    return bomb + "]>\n<Orvane><Event name=\"&l9;\" information=\"&l9;\"/>&l9;</Orvane>\n";
}

// An entity of the document type that names `url`.
inline QByteArray ExternalEntity(const QByteArray &url)
{
    return "<!DOCTYPE Orvane [<!ENTITY w SYSTEM \"" + url + "\">]><Orvane><Event name=\"&w;\"/></Orvane>";
}

// A sparse file of `size` bytes that begins like an exchange document.
inline bool WriteHugeFile(const QString &path, qint64 size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("<Orvane>") == 8 && file.resize(size);
}

// An endless stream of events, as a pipe on standard input would bring it; counts what it served.
class EndlessDocument : public QIODevice {
public:
    EndlessDocument() { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 served = 0;

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        static const QByteArray pattern = QByteArray("<Event name=\"x\"/>").repeated(256);
        const qint64 size = qMin<qint64>(maxSize, pattern.size());
        std::memcpy(data, pattern.constData(), static_cast<size_t>(size));
        served += size;
        return size;
    }
    qint64 writeData(const char *, qint64) override { return -1; }
};

} // namespace orvane::test
