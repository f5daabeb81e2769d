#pragma once

#include <QString>

namespace orvane::sync {

// The password of a (server, user) pair in the desktop's Secret Service, and nowhere else. Each
// call blocks on a local event loop until the service answered.
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
    static Result Write(const QString &server, const QString &user, const QString &password);
    static Result Remove(const QString &server, const QString &user);
};

} // namespace orvane::sync
