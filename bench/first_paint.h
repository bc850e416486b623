// Ends the process as soon as a window has been painted for the first time: the start-up
// probes stop the clock of bench/startup_bench there.
#pragma once

#include <QObject>

class QWidget;

namespace gearpair::bench {

// Watches `window`; once its first paint event (and those of its children, delivered in the
// same pass) has been handled, the process exits at once with code 0, without tearing down.
class ExitOnFirstPaint : public QObject {
public:
    explicit ExitOnFirstPaint(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool painted_ = false;
};

}  // namespace gearpair::bench
