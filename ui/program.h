// The desktop program as it starts: one session for the life of the program and the three
// windows, created once in the order input form, details window, results dialog, then the
// drawing window and the shafts window of the finished runs.
#pragma once

#include <QString>
#include <QTranslator>

#include "engine/gear_design.h"
#include "ui/drawing_window.h"
#include "ui/form_a.h"
#include "ui/form_b.h"
#include "ui/form_d.h"
#include "ui/shafts_window.h"

namespace gearpair {

// The name of the desktop entry, io.github.gearpair.Gearpair.desktop, without its extension.
inline constexpr char kDesktopEntryName[] = "io.github.gearpair.Gearpair";

class Program {
public:
    // `executablePath` gives the program directory of the hand-off files. Needs the
    // application object; names it after the desktop entry (so that desktops match the windows
    // to the entry: the window class and the application id), gives every window the program's
    // icon, installs Qt's Russian texts in it and makes the signals of failed writes (file-size
    // limit, a pipe's reader gone) harmless for the process.
    explicit Program(const QString& executablePath);

    TFormA& InputForm() { return formA_; }
    TFormB& DetailsWindow() { return formB_; }
    TFormD& ResultsDialog() { return formD_; }
    DrawingWindow& Drawings() { return drawings_; }
    ShaftsWindow& Shafts() { return shafts_; }

private:
    QTranslator qtTexts_;  // Qt's own texts (file dialogs, standard buttons) in Russian
    GearSession session_;
    TFormA formA_;
    TFormB formB_;
    TFormD formD_;
    DrawingWindow drawings_;
    ShaftsWindow shafts_;
};

}  // namespace gearpair
