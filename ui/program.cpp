// Program start: the windows wired to each other and to the end of the program.
#include "ui/program.h"

#include <QCoreApplication>

namespace gearpair {

Program::Program(const QString& executablePath)
    : formA_(session_, executablePath), formB_(session_), formD_(formB_, &formA_) {
    formA_.SetResultWindows(formB_, formD_);
    formA_.SetDrawingWindow(drawings_);
    // Closing the input form ends the program, whatever else is open; the results dialog's
    // OK ends it too.
    formB_.setAttribute(Qt::WA_QuitOnClose, false);
    drawings_.setAttribute(Qt::WA_QuitOnClose, false);
    QObject::connect(&formD_, &TFormD::DrawingsRequested, &drawings_, &DrawingWindow::ShowInFront);
    QObject::connect(&formD_, &TFormD::EndProgramRequested, QCoreApplication::instance(),
                     &QCoreApplication::quit);
}

}  // namespace gearpair
