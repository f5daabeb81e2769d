#include "store/save_leftovers.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace orvane {

namespace {

constexpr qsizetype kRandomLetters = 6;

} // namespace

bool IsSaveLeftoverSuffix(QStringView suffix)
{
    const auto isAsciiLetter = [](QChar ch) {
        return (ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z');
    };
    return suffix.size() == kRandomLetters && std::all_of(suffix.begin(), suffix.end(), isAsciiLetter)
           && std::any_of(suffix.begin(), suffix.end(), [](QChar ch) { return ch.isUpper(); })
           && std::any_of(suffix.begin(), suffix.end(), [](QChar ch) { return ch.isLower(); });
}

int RemoveSaveLeftovers(const QString &path)
{
    const QFileInfo target(path);
    const QString prefix = target.fileName() + u'.';
    QDir folder = target.absoluteDir();
    int removed = 0;
    const QStringList names = folder.entryList({prefix + u'*'}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString &name : names)
        if (IsSaveLeftoverSuffix(QStringView(name).mid(prefix.size())) && folder.remove(name))
            ++removed;
    return removed;
}

} // namespace orvane
