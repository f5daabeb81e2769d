#pragma once

#include <QDebug>
#include <QString>

#include <ostream>

// Readable failure messages for the Qt values the tests compare: what QDebug writes of them.
template <typename T>
    requires requires(QDebug debug, const T &value) { debug << value; }
void PrintTo(const T &value, std::ostream *os)
{
    QString text;
    QDebug(&text).nospace() << value;
    *os << text.toStdString();
}
