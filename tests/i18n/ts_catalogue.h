#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace orvane::test {

// One message of a Qt Linguist .ts file.
struct TsMessage {
    QString context;
    QString source;
    QString type;              // the translation's type attribute: "" when finished
    QStringList translations;  // one, or one per plural form
};

// The messages of the .ts file at `path`; empty when it cannot be read.
std::vector<TsMessage> ReadTsFile(const QString &path);

// Whether `text` holds a Cyrillic letter.
bool HasCyrillic(const QString &text);

// Takes away and deletes every translator installed in the application.
void RemoveTranslators();

} // namespace orvane::test
