// The floors of the start-up benchmark: a bare Qt Widgets window of the input form's size,
// shown the same way and ending once it has been painted; with "--label", the same window
// holding one line of text, which brings up the font system (fontconfig, FreeType) that any
// window with text needs.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

#include "bench/first_paint.h"

int main(int argc, char* argv[]) {
    const bool withLabel = argc > 1 && std::strcmp(argv[1], "--label") == 0;
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(536, 243);  // the input form's size
    if (withLabel) {
        auto* label = new QLabel(QStringLiteral("Передаточное отношение"), &window);
        label->move(16, 8);
    }
    gearpair::bench::ExitOnFirstPaint probe(window);
    window.show();
    return app.exec();
}
