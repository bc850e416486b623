// Long work handed to the job runner, its outcome posted back to the window's thread.
#include "ui/background_work.h"

#include <QApplication>
#include <QMetaObject>
#include <QPointer>

#include <utility>

namespace gearpair {

void RunInBackground(JobRunner& runner, QObject* target, JobRunner::Work work,
                     std::function<void(const JobOutcome&)> done) {
    QApplication::setOverrideCursor(Qt::BusyCursor);
    // Posted to the application, which outlives every window, so that the cursor is restored
    // also after `target` is gone; the guard, read only on the window's thread, says whether
    // it is.
    runner.Submit(std::move(work), [target = QPointer<QObject>(target),
                                    done = std::move(done)](JobOutcome outcome) mutable {
        QMetaObject::invokeMethod(
            qApp,
            [target = std::move(target), done = std::move(done), outcome = std::move(outcome)] {
                QApplication::restoreOverrideCursor();
                if (target) done(outcome);
            },
            Qt::QueuedConnection);
    });
}

}  // namespace gearpair
