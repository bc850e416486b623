// The worker thread of long work.
#include "ui/background_work.h"

#include <QApplication>
#include <QEventLoop>
#include <QMetaObject>

#include <future>

namespace gearpair {

std::string RunResponsively(std::function<std::string()> work) {
    QApplication::setOverrideCursor(Qt::BusyCursor);
    QEventLoop loop;
    std::future<std::string> result = std::async(std::launch::async, [&loop, &work] {
        struct Wake {
            QEventLoop& loop;
            ~Wake() { QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection); }
        } wake{loop};
        return work();
    });
    // The loop ends at the worker's call, or earlier when the application quits; the worker
    // is waited for either way, so `loop` and `work` outlive it.
    if (result.wait_for(std::chrono::seconds(0)) != std::future_status::ready) loop.exec();
    result.wait();
    QApplication::restoreOverrideCursor();
    return result.get();
}

}  // namespace gearpair
