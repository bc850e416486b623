// The results dialog: its values and looks, the way to the details window while it is open,
// and the OK button that ends the program.
#include "ui/form_d.h"

#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QTextEdit>

#include "app/session_run.h"
#include "engine/design_run.h"
#include "tests/ui/window_test_support.h"

namespace gearpair {
namespace {

class FormD : public ProgramWindows {
protected:
    void SetUp() override { ShowInputForm(); }

    // Runs the dialog as the design run does and hands it to `whileOpen`, which must close it.
    void Execute(const std::function<void(QDialog&)>& whileOpen) {
        EXPECT_TRUE(AnswerModals(
                        [&] {
                            formD.Execute(Run({"125", "1,75", "37", "102", "66,5", "183,5"}));
                        },
                        whileOpen)
                        .empty());
    }

    static SessionRun Run(const ResultTexts& results, std::vector<std::string> warnings = {},
                          JobStatus status = JobStatus::Completed) {
        SessionRun run;
        run.outcome.completed = true;
        run.outcome.results = results;
        run.warnings = std::move(warnings);
        run.status = status;
        return run;
    }

    template <typename T>
    T* D(const char* name) {
        return formD.findChild<T*>(QString::fromLatin1(name));
    }
};

TEST_F(FormD, ShowsTheValuesAndEndsTheProgramOnEnter) {
    QSignalSpy endRequests(&formD, &TFormD::EndProgramRequested);
    QStringList values;
    Execute([&](QDialog& dialog) {
        for (const char* name : {"Label8", "Label9", "Label10", "Label11", "Label12", "Label13"}) {
            values << D<QLabel>(name)->text();
        }
        EXPECT_EQ(dialog.windowTitle(), u"Расчёты завершены");
        EXPECT_EQ(D<QLabel>("Label1")->text(), u"Расчёт произведен успешно.");
        EXPECT_EQ(dialog.size(), QSize(413, 227));
        // centred, give or take the window frame
        const QPoint offCentre =
            dialog.geometry().center() - dialog.screen()->availableGeometry().center();
        EXPECT_LE(offCentre.manhattanLength(), 8);
        EXPECT_FALSE(dialog.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                                             Qt::WindowMinMaxButtonsHint));
        EXPECT_EQ(D<QPushButton>("BitBtn1")->toolTip(), u"Нажмите OK для получения чертежей");
        // The input form takes no input meanwhile: Space on its focused OK starts no run.
        QTest::keyClick(formA.windowHandle(), Qt::Key_Space);
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
    });
    EXPECT_EQ(values.join(u"; "), u"125; 1,75; 37; 102; 66,5; 183,5");
    EXPECT_EQ(formD.result(), QDialog::Accepted);
    EXPECT_EQ(endRequests.count(), 1);
    EXPECT_TRUE(session.report.Lines().empty());
}

// A warning stands in a line of its own between the results and the buttons, which move down;
// a pair that cannot be made is headed so, not as a success.
TEST_F(FormD, WarningsGetALineOfTheirOwnAboveTheButtons) {
    const ResultTexts results{"125", "1,75", "21", "118", "37,8", "212,2"};
    const std::string warning = "Передача неосуществима: диаметр впадин шестерни df1 = 33,39 мм";
    const auto check = [&](QDialog& dialog) {
        const QLabel* heading = D<QLabel>("Label1");
        EXPECT_EQ(heading->text(), u"Расчёт выполнен, передачу изготовить нельзя.");
        EXPECT_FALSE(heading->text().contains(u"успешно"));
        EXPECT_TRUE(formD.rect().contains(heading->geometry()));
        const QLabel* line = D<QLabel>("LabelWarning");
        EXPECT_TRUE(line->isVisible());
        EXPECT_EQ(line->text().toStdString(), warning);
        EXPECT_GT(line->geometry().top(), D<QLabel>("Label13")->geometry().bottom());
        EXPECT_LT(line->geometry().bottom(), D<QPushButton>("BitBtn1")->geometry().top());
        EXPECT_GT(dialog.height(), 227);
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
    };
    EXPECT_TRUE(
        AnswerModals([&] { formD.Execute(Run(results, {warning}, JobStatus::Unbuildable)); }, check)
            .empty());
    Execute([&](QDialog& dialog) {
        EXPECT_FALSE(D<QLabel>("LabelWarning")->isVisible());
        EXPECT_EQ(dialog.size(), QSize(413, 227));
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
    });
}

TEST_F(FormD, EscapeLeavesItOpenAndOkStillEndsTheProgram) {
    QSignalSpy endRequests(&formD, &TFormD::EndProgramRequested);
    bool openAfterEscape = false;
    Execute([&](QDialog& dialog) {
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Escape);
        QApplication::processEvents();
        openAfterEscape = dialog.isVisible();
        QTest::mouseClick(D<QPushButton>("BitBtn1"), Qt::LeftButton);
    });
    EXPECT_TRUE(openAfterEscape);
    EXPECT_EQ(formD.result(), QDialog::Accepted);
    EXPECT_EQ(endRequests.count(), 1);
}

TEST_F(FormD, DetailsPressedTwiceShowOneUsableWindow) {
    session.report.Add("Геометрия");
    formB.ShowReport();
    QSignalSpy endRequests(&formD, &TFormD::EndProgramRequested);
    Execute([&](QDialog& dialog) {
        QTest::mouseClick(D<QPushButton>("BitBtn2"), Qt::LeftButton);
        QTest::mouseClick(D<QPushButton>("BitBtn2"), Qt::LeftButton);
        int detailsWindows = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            detailsWindows +=
                window->isVisible() && window->windowTitle() == u"Подробности расчёта";
        }
        EXPECT_EQ(detailsWindows, 1);
        // Keys reach the report through the window system while the dialog is open.
        auto* rtf = formB.findChild<QTextEdit*>("rtf");
        rtf->setFocus();
        rtf->moveCursor(QTextCursor::End);
        QTest::keyClick(formB.windowHandle(), Qt::Key_A);
        EXPECT_EQ(rtf->toPlainText(), u"Геометрияa");
        dialog.reject();  // the window-close key: back to the input form, program goes on
    });
    EXPECT_EQ(endRequests.count(), 0);
    EXPECT_TRUE(formB.isVisible());
}

TEST_F(FormD, EveryTextFitsItsPlace) {
    const auto check = [&](QDialog& dialog) {
        const auto labels = formD.findChildren<QLabel*>();
        for (QLabel* label : labels) {
            EXPECT_TRUE(formD.rect().contains(label->geometry())) << label->text().toStdString();
            for (QLabel* other : labels) {
                EXPECT_TRUE(other == label || !label->geometry().intersects(other->geometry()))
                    << label->text().toStdString() << " / " << other->text().toStdString();
            }
        }
        auto* details = D<QPushButton>("BitBtn2");
        const int margin = details->style()->pixelMetric(QStyle::PM_ButtonMargin);
        EXPECT_LE(details->fontMetrics().horizontalAdvance(details->text()) + 2 * margin,
                  details->width());
        dialog.reject();
    };
    const ResultTexts widest{"2500", "40,00", "1000", "7100", "1234,5", "8765,4"};
    EXPECT_TRUE(AnswerModals([&] { formD.Execute(Run(widest)); }, check).empty());
}

}  // namespace
}  // namespace gearpair

int main(int argc, char** argv) {
    return gearpair::RunWindowTests(argc, argv);
}
