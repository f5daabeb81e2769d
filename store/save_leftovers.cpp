#include "store/save_leftovers.h"

#include <QDir>
#include <QDirIterator>
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
    // The names are matched here rather than by a name filter, which would compile a regular
    // expression at every start (and match blind to case).
    int removed = 0;
    for (QDirIterator it(folder.path(), QDir::Files | QDir::Hidden | QDir::NoSymLinks); it.hasNext();) {
        const QString name = it.nextFileInfo().fileName();
        if (name.startsWith(prefix) && IsSaveLeftoverSuffix(QStringView(name).sliced(prefix.size()))
            && folder.remove(name))
            ++removed;
    }
    return removed;
}

} // namespace orvane
