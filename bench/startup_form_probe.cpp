// The desktop program's start as ui/main.cpp makes it (the three windows in their order, the
// input form shown), ending once the input form has been painted.
#include <QApplication>

#include "bench/first_paint.h"
#include "ui/message_box.h"
#include "ui/program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(gearpair::kApplicationTitle));
    gearpair::Program program(QApplication::applicationFilePath());
    gearpair::bench::ExitOnFirstPaint probe(program.InputForm());
    program.InputForm().show();
    return app.exec();
}
