#pragma once

#include <QApplication>
#include <QDialog>
#include <QScopeGuard>
#include <QTimer>

#include <functional>

namespace orvane::test {

// Hands the next modal dialog of type T to `answer` as soon as it is up, which closes it; a
// failed check inside leaves the dialog rejected rather than `exec()` hanging.
template <typename T>
void AnswerNextModal(std::function<void(T &)> answer)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        const auto guard = qScopeGuard([dialog] { if (dialog->isVisible()) static_cast<QDialog *>(dialog)->reject(); });
        answer(*dialog);
    });
    poll->start(10);
}

} // namespace orvane::test
