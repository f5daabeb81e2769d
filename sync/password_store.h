#pragma once

#include <QString>

#include <functional>

class QObject;

namespace orvane::sync {

// The password of a (server, user) pair in the desktop's Secret Service, and nowhere else. Each
// call but Fetch blocks on a local event loop until the service answered. The service's jobs
// take turns in a queue that lives on the thread of the first one: use them all on one thread
// (a program's, the thread of its windows).
class CPasswordStore {
public:
    enum class Status {
        Done,
        NotFound, // no password is kept for the pair
        NoService, // no Secret Service runs: the caller asks the user each time
        Failed, // see `error`
    };
    struct Result {
        Status status = Status::Failed;
        QString password; // when read
        QString error; // a translated message when not Done
    };

    static Result Read(const QString &server, const QString &user);
    // Reads without waiting: `done` gets the result on this thread, unless `context` is gone.
    static void Fetch(const QString &server, const QString &user, QObject *context,
                      std::function<void(const Result &)> done);
    static Result Write(const QString &server, const QString &user, const QString &password);
    static Result Remove(const QString &server, const QString &user);
};

} // namespace orvane::sync
