// The drawing window's strip of the engineer's title-block texts (the two designations, the
// material, the developer, the checker, the organisation) in as few rows as its width allows,
// and those texts remembered between sessions in the user's settings.
#pragma once

#include <QWidget>

#include <utility>
#include <vector>

#include "drawing/drawings.h"

class QGridLayout;
class QLabel;
class QLineEdit;

namespace gearpair {

class TitleFields : public QWidget {
    Q_OBJECT

public:
    explicit TitleFields(QWidget* parent = nullptr);

    // Shows the texts in the fields; an absent material is an empty field.
    void Show(const DrawingInputs& inputs);
    // The fields' texts; an empty material field is the steel chosen by hardness. A text the
    // check of a user's text refuses throws UserTextError naming the first such field.
    DrawingInputs Inputs() const;

signals:
    // The editing of a field has finished (Enter, or the focus has left it).
    void EditingFinished();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The fields in as few rows as the strip's width allows.
    void Arrange();

    QGridLayout* titleGrid_;
    std::vector<std::pair<QLabel*, QLineEdit*>> titleRows_;  // the fields in kTitleFields' order
    int titleArrangement_ = -1;                              // the index of the arrangement in use
};

// The texts remembered from the last session (the user's settings of "gearpair", on Linux
// ~/.config/gearpair/gearpair.conf, group "drawing"), or the defaults.
DrawingInputs RememberedTitleTexts();
void RememberTitleTexts(const DrawingInputs& inputs);

}  // namespace gearpair
