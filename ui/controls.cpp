// Small helpers shared by the windows.
#include "ui/controls.h"

#include <QLabel>

namespace gearpair {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    label->resize(label->sizeHint());
    return label;
}

}  // namespace gearpair
