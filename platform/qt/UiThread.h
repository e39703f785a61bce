#pragma once

#include <utility>

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

// Carries `work` out on the user-interface thread and returns once it is done, the way a
// message sent to a window of that thread would: directly when called there, otherwise as a
// blocking queued call. The user-interface thread must keep handling events while it waits
// for a thread that calls this, or both wait for ever.
template <typename Work>
void RunOnUiThread(Work&& work) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        std::forward<Work>(work)();
        return;
    }
    QMetaObject::invokeMethod(app, std::forward<Work>(work), Qt::BlockingQueuedConnection);
}
