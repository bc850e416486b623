// The two modal boxes of the program: the message box (stop and validation messages) and the
// error box (an error raised inside an event handler).
#pragma once

#include <QString>

#include <string_view>

class QWidget;

namespace gearpair {

// The application title: the main window's caption and the caption of every box.
inline constexpr char kApplicationTitle[] = "Расчёт цилиндрической передачи";

// Modal box with the application title, no icon and one OK button. A carriage return in the
// text starts a new line; a line is wrapped only when it is wider than the screen.
void ShowMessageBox(QWidget* parent, std::string_view text);

// Modal box with the application title, the error icon and one OK button.
void ShowErrorBox(QWidget* parent, std::string_view message);

}  // namespace gearpair
