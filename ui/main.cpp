// Program start: the application title, the three windows, the input form shown.
#include <QApplication>

#include "ui/message_box.h"
#include "ui/program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(gearpair::kApplicationTitle));
    gearpair::Program program(QApplication::applicationFilePath());
    program.InputForm().show();
    return app.exec();
}
