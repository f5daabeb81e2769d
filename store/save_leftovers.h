#pragma once

#include <QString>
#include <QStringView>

namespace orvane {

// A save killed between naming its temporary file and renaming it over the target leaves that
// file behind as "<name>.<six random letters>" (the naming of QSaveFile). Removes such files
// beside `path`; call it only while no other save of the same file can run. A suffix of one case
// only ("backup") is never taken for one, so a user's own copy stays, and so does one leftover in
// 32 whose random letters happen to share a case. Returns how many went.
int RemoveSaveLeftovers(const QString &path);
// Whether `suffix`, what follows "<name>." in a file name, is taken for such a leftover's.
bool IsSaveLeftoverSuffix(QStringView suffix);

} // namespace orvane
