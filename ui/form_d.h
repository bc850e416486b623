// The results dialog: the six values of a finished design, the way to the details window, and
// the OK button that ends the program so that the drawing script can take over.
#pragma once

#include <QDialog>

#include <array>

#include "engine/design_run.h"

class QKeyEvent;
class QLabel;
class QPushButton;

namespace gearpair {

struct SessionRun;
class TFormB;

class TFormD : public QDialog {
    Q_OBJECT

public:
    // `parent` is the window the dialog blocks while it is open (the input form); the details
    // window stays usable.
    TFormD(TFormB& details, QWidget* parent = nullptr);

    // Heads the dialog with the run's status (a pair that cannot be made is said so), fills the
    // six value labels, shows the design's warnings a line each above the buttons and marks the
    // drawing button with them (a warning sign, the texts as its tooltip), centres the dialog
    // on the screen and runs it modally. Returns when the dialog closes.
    void Execute(const SessionRun& run);

    // OK: closes the dialog and asks for the end of the program.
    void BitBtn1Click();
    // "Подробно...": the details window, modeless.
    void BitBtn2Click();

signals:
    void EndProgramRequested();
    // "Чертежи...": the drawing window of the run, modeless.
    void DrawingsRequested();
    // "Валы...": the shafts window of the run, modeless.
    void ShaftsRequested();

protected:
    // Escape does not dismiss the dialog: a stray key would send the user back to the input
    // form, where the next OK makes a second hand-off under a new run number.
    void keyPressEvent(QKeyEvent* event) override;

private:
    TFormB& details_;
    std::array<QLabel*, kResultFields.size()>
        values_;  // Label8 to Label13, the texts of kResultFields
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QPushButton* shaftsButton_;
    QLabel* headline_;  // Label1: how the run ended
    QLabel* warning_;   // the design's warnings, a line each
};

}  // namespace gearpair
