// The opening of the desktop program's two heavier windows, as the user asks for them once the
// program runs: "--drawings", the drawing window of the default design's finished run (its
// sheets made at the run, as OK makes them) shown as "Чертежи..." shows it; "--variants", the
// window "Варианты" of the input form's defaults, from the button's click. Prints the seconds
// from the request to the window's first paint, then ends.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "drawing/drawings.h"
#include "engine/design_products.h"
#include "engine/design_run.h"
#include "ui/profile_tab.h"
#include "ui/program.h"
#include "ui/variants_window.h"

namespace {

// Prints the clock's seconds and ends the process once a window's first paint pass is over.
class StopAtFirstPaint : public QObject {
public:
    explicit StopAtFirstPaint(const QElapsedTimer& clock) : clock_(clock) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [this] {
                    std::printf("%.6f\n", static_cast<double>(clock_.nsecsElapsed()) * 1e-9);
                    std::fflush(nullptr);
                    std::_Exit(0);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& clock_;
    bool painted_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    const bool variants = argc > 1 && std::strcmp(argv[1], "--variants") == 0;
    QApplication app(argc, argv);
    gearpair::Program program(QApplication::applicationFilePath());
    QElapsedTimer clock;
    StopAtFirstPaint stop(clock);
    if (variants) {
        // Once the form is up, as a user's click finds it.
        program.InputForm().show();
        QTimer::singleShot(0, [&] {
            clock.start();
            gearpair::TFormA& form = program.InputForm();
            form.VariantsButtonClick();
            if (form.Variants()) form.Variants()->installEventFilter(&stop);
        });
    } else {
        gearpair::GearSession session;
        if (!gearpair::RunDesign(session, gearpair::DesignInputs{}).completed) return 1;
        const gearpair::DesignProducts products = gearpair::DesignProductsOf(session.design);
        gearpair::DrawingWindow& window = program.Drawings();
        window.SetDrawings(gearpair::BuildDrawings(session.design, products), {}, QString(),
                           gearpair::DrawnDesign{session.design, products});
        window.Profile().SetDesign(session.design, products.parts, QString(), std::string());
        window.installEventFilter(&stop);
        clock.start();
        window.ShowInFront();
    }
    return app.exec();
}
