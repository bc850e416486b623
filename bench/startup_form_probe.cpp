// The desktop program's start, exactly as ui/main.cpp makes it (the three windows in their
// order, the input form shown), ending once the input form has been painted.
#include <QApplication>

#include "bench/first_paint.h"
#include "engine/gear_design.h"
#include "ui/form_a.h"
#include "ui/form_b.h"
#include "ui/form_d.h"
#include "ui/message_box.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(gearpair::kApplicationTitle));
    gearpair::GearSession session;
    gearpair::TFormA formA(session, QApplication::applicationFilePath());
    gearpair::TFormB formB(session);
    gearpair::TFormD formD(formB, &formA);
    formA.SetResultWindows(formB, formD);
    formB.setAttribute(Qt::WA_QuitOnClose, false);
    QObject::connect(&formD, &gearpair::TFormD::EndProgramRequested, &app, &QApplication::quit);
    gearpair::bench::ExitOnFirstPaint probe(formA);
    formA.show();
    return app.exec();
}
