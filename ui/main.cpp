// Program start: the windows, the input form shown.
#include <QApplication>

#include "ui/program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    gearpair::Program program(QApplication::applicationFilePath());
    program.InputForm().show();
    return app.exec();
}
