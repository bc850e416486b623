// Small helpers shared by the windows: UTF-8 texts of the calculation as QString, and a label
// placed at its designer position.
#pragma once

#include <QString>

#include <string_view>

class QLabel;
class QWidget;

namespace gearpair {

// A UTF-8 text of the calculation (messages, list items, captions) as a QString.
QString FromUtf8(std::string_view text);

// A label named `name` at (left, top), sized to its text.
QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, int left, int top);

}  // namespace gearpair
