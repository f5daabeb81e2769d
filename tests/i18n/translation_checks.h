#pragma once

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>

namespace orvane::test {

// Whether `text` holds a Cyrillic letter.
inline bool HasCyrillic(const QString &text)
{
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(cyrillic);
}

// Takes away and deletes every translator installed in the application.
inline void RemoveTranslators()
{
    for (QTranslator *translator : QCoreApplication::instance()->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace orvane::test
