// Small helpers shared by the windows: UTF-8 texts of the calculation as QString, a label
// placed at its designer position, a window shown beside a dialog, and the picture button that
// stays down when chosen.
#pragma once

#include <QSize>
#include <QString>
#include <QToolButton>

#include <string_view>

class QLabel;
class QWidget;

namespace gearpair {

// A UTF-8 text of the calculation (messages, list items, captions) as a QString.
QString FromUtf8(std::string_view text);

// A label named `name` at (left, top), sized to its text.
QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, int left, int top);

// The line of warnings above a drawing (each part's sheet, the profile): dark red on pale
// yellow, wrapped, plain text; hidden until it is given a text.
QLabel* WarningLine(const char* name);

// Shows `window` in front, the first time beside `dialog` on the dialog's screen, sized to
// `preferred` (its client area) where there is room and never narrower than `leastWidth`, `gap`
// pixels from the dialog, which moves aside when the screen needs it (PlaceBeside).
void ShowBesideDialog(QWidget& window, QWidget& dialog, QSize preferred, int leastWidth, int gap);

// A picture button of a group in which one stays down, drawn as a speed button: a raised
// frame when up; when down, a sunken frame over a face tinted with the highlight colour and
// the picture shifted by one pixel, so that a glance tells which one is chosen.
class PictureButton : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace gearpair
