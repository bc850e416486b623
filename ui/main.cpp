// Program start: the three windows, created once in the order input form, details window,
// results dialog; only the input form is shown.
#include <QApplication>

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
    // Closing the input form ends the program, whatever else is open.
    formB.setAttribute(Qt::WA_QuitOnClose, false);
    QObject::connect(&formD, &gearpair::TFormD::EndProgramRequested, &app, &QApplication::quit);
    formA.show();
    return app.exec();
}
