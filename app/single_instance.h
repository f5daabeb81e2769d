#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace orvane {

// One running calendar per user: a lock file in the user's runtime folder. The lock of an
// instance that died is taken over, and so is one that names no owner (a start killed before it
// wrote itself in) once it is a few seconds old; a younger one is waited for.
class SingleInstance {
public:
    // True when this process is the only instance.
    bool Acquire();
    // The user's runtime folder, where the lock lies.
    static QString Folder();

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace orvane
