#pragma once

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

namespace orvane {

// Runs `work` on a thread of its own, which makes and uses whatever it needs there (a network
// client lives on the thread that made it), and hands its result to `done` on the thread of
// `context`, unless `context` is gone by then. The thread deletes itself once done; the caller
// may wait for it and delete it sooner.
template <typename Result>
QThread *RunOffThread(QObject *context, std::function<Result()> work, std::function<void(Result &)> done)
{
    auto result = std::make_shared<Result>();
    QThread *thread = QThread::create([result, work = std::move(work)] { *result = work(); });
    QObject::connect(thread, &QThread::finished, context, [result, done = std::move(done)] { done(*result); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
    return thread;
}

} // namespace orvane
