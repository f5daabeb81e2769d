#pragma once

#include <QString>

namespace orvane {

// A save killed between naming its temporary file and renaming it over the target leaves that
// file behind as "<name>.<six random letters>" (the naming of QSaveFile). Removes such files
// beside `path`; call it only while no other save of the same file can run. A suffix of one case
// only ("backup") is never taken for one, so a user's own copy stays. Returns how many went.
int RemoveSaveLeftovers(const QString &path);

} // namespace orvane
