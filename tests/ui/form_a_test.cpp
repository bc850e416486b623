// The input form driven through its real widgets: defaults, validation on leaving a typed
// field, the arrangement group, and whole design runs with their boxes and the results dialog.
#include "ui/form_a.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTextEdit>
#include <QToolButton>

#include "engine/design_run.h"
#include "tests/ui/window_test_support.h"

namespace gearpair {
namespace {

constexpr char kTitle[] = "Расчёт цилиндрической передачи";

class FormA : public ProgramWindows {
protected:
    void SetUp() override { ShowInputForm(); }

    // Types `text` over the field's text, as a user who selected it all.
    void Type(QComboBox* box, const QString& text) {
        box->setFocus(Qt::MouseFocusReason);
        box->lineEdit()->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }

    QStringList Items(QComboBox* box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
        return items;
    }

    // Presses OK and reads the results dialog if one opens, leaving it without ending the
    // program (the window-close command).
    std::vector<ShownBox> RunDesignFromForm(QStringList& values) {
        return AnswerModals([&] { QTest::mouseClick(A<QPushButton>("BitBtn1"), Qt::LeftButton); },
                            [&](QDialog& dialog) {
                                for (const char* name : {"Label8", "Label9", "Label10", "Label11",
                                                         "Label12", "Label13"}) {
                                    values << dialog.findChild<QLabel*>(name)->text();
                                }
                                dialog.close();
                            });
    }
};

TEST_F(FormA, StartsWithTheDefaultsAndOkFocused) {
    QStringList texts;
    for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5",
                             "ComboBox6", "ComboBox7"}) {
        texts << A<QComboBox>(name)->currentText();
    }
    EXPECT_EQ(texts.join(u"; "), u"2,8; 6000; 86,3; 0,5; 250; 14; 15000");
    EXPECT_EQ(Items(A<QComboBox>("ComboBox7")).join(u"; "),
              u"10000; 15000; 20000; 25000; 30000; 35000; 40000");
    EXPECT_TRUE(A<QToolButton>("SpeedButton3")->isChecked());
    EXPECT_FALSE(A<QToolButton>("SpeedButton2")->isChecked() ||
                 A<QToolButton>("SpeedButton4")->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), A<QPushButton>("BitBtn1"));
    EXPECT_EQ(formA.windowTitle(), QString::fromUtf8(kTitle));
    EXPECT_EQ(formA.size(), QSize(536, 243));
    EXPECT_EQ(A<QComboBox>("ComboBox4")->toolTip(),
              u"Выберите коэффициент ширины колеса относительно межосевого расстояния");
    EXPECT_EQ(session.design.baseDir, DirPath().toStdString() + "/");
}

TEST_F(FormA, RestoringTheFormKeepsTheUsersChoices) {
    A<QComboBox>("ComboBox1")->setCurrentIndex(0);
    formA.hide();
    formA.show();
    EXPECT_EQ(A<QComboBox>("ComboBox1")->currentText(), u"2");
}

struct Typed {
    const char* name;
    const char* box;
    const char* text;
    const char* message;  // empty: accepted
};

class FormATyped : public FormA, public ::testing::WithParamInterface<Typed> {};

TEST_P(FormATyped, ValidatesWhenTheFocusMovesOn) {
    auto* box = A<QComboBox>(GetParam().box);
    const QString text = QString::fromUtf8(GetParam().text);
    const QStringList before = Items(box);
    Type(box, text);
    QWidget* focusBehindTheMessage = nullptr;
    const auto shown =
        AnswerModals([&] { QTest::keyClick(box, Qt::Key_Tab); }, {},
                     [&](QMessageBox&) { focusBehindTheMessage = formA.focusWidget(); });
    EXPECT_EQ(box->currentText(), text);
    if (*GetParam().message == '\0') {
        EXPECT_TRUE(shown.empty());
        EXPECT_EQ(Items(box), before + QStringList{text});
        return;
    }
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, QString::fromUtf8(GetParam().message));
    EXPECT_EQ(shown[0].title, QString::fromUtf8(kTitle));
    EXPECT_EQ(shown[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(shown[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(focusBehindTheMessage, box);
    EXPECT_EQ(formA.focusWidget(), box);
    EXPECT_EQ(Items(box), before);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FormATyped,
    ::testing::Values(
        Typed{"PowerUpperBound", "ComboBox2", "55000", ""},
        Typed{"PowerWithExponentAsTyped", "ComboBox2", "1e3", ""},
        Typed{"HardnessLowerBound", "ComboBox5", "207", ""},
        Typed{"PowerAboveRange", "ComboBox2", "55000,5", "Значение может быть от 60 до 55000"},
        Typed{"PowerBelowRange", "ComboBox2", "59,99", "Значение может быть от 60 до 55000"},
        Typed{"SpeedZero", "ComboBox3", "0", "Значение может быть от 1 до 10000"},
        Typed{"HardnessBelowRange", "ComboBox5", "206,9", "Значение может быть от 207 до 652"},
        Typed{"LifeAboveRange", "ComboBox7", "40001", "Значение может быть от 10000 до 40000"},
        Typed{"EmptyPower", "ComboBox2", "", "Неправильно введено значение"},
        Typed{"FullStopAsDecimalMark", "ComboBox2", "6000.5", "Неправильно введено значение"},
        Typed{"Letters", "ComboBox2", "abc", "Неправильно введено значение"}),
    [](const ::testing::TestParamInfo<Typed>& info) { return info.param.name; });

TEST_F(FormA, LeavingBackwardsWithShiftTabValidatesAsTabDoes) {
    auto* life = A<QComboBox>("ComboBox7");
    Type(life, QStringLiteral("40001"));
    const auto shown =
        AnswerModals([&] { QTest::keyClick(life, Qt::Key_Backtab, Qt::ShiftModifier); });
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"Значение может быть от 10000 до 40000");
    EXPECT_EQ(formA.focusWidget(), life);
}

TEST_F(FormA, AppendsOnlyTextsThatAreNoItemYet) {
    auto* power = A<QComboBox>("ComboBox2");
    for (const char* text : {"6000", "1e3", "1E3", " 6000"}) {
        Type(power, QString::fromUtf8(text));
        EXPECT_TRUE(AnswerModals([&] { QTest::keyClick(power, Qt::Key_Tab); }).empty());
    }
    EXPECT_EQ(Items(power), (QStringList{"6000", "1e3", " 6000"}));
}

TEST_F(FormA, FocusGivenBackAfterTheMessageValidatesNothingElse) {
    // The field the user tabbed into holds a bad text that nobody typed there. As on systems
    // that give the form back its activation while the box closes, that field has the focus
    // again when the focus returns to the rejected field, which must not check it.
    auto* power = A<QComboBox>("ComboBox2");
    power->setEditText(QStringLiteral("abc"));
    auto* life = A<QComboBox>("ComboBox7");
    Type(life, QStringLiteral("5"));
    const auto shown = AnswerModals([&] { QTest::keyClick(life, Qt::Key_Tab); }, {},
                                    [&](QMessageBox&) { QApplication::setActiveWindow(&formA); });
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"Значение может быть от 10000 до 40000");
    EXPECT_EQ(QApplication::focusWidget(), life);
}

TEST_F(FormA, SwitchingToAnotherWindowValidatesNothing) {
    Type(A<QComboBox>("ComboBox2"), QStringLiteral("abc"));
    formB.show();
    EXPECT_TRUE(AnswerModals([&] { QApplication::setActiveWindow(&formB); }).empty());
}

TEST_F(FormA, ArrangementButtonsFormOneGroup) {
    auto* middle = A<QToolButton>("SpeedButton3");
    auto* left = A<QToolButton>("SpeedButton2");
    QTest::mouseClick(middle, Qt::LeftButton);
    EXPECT_TRUE(middle->isChecked());
    QTest::mouseClick(left, Qt::LeftButton);
    EXPECT_TRUE(left->isChecked());
    EXPECT_FALSE(middle->isChecked() || A<QToolButton>("SpeedButton4")->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), A<QPushButton>("BitBtn1"));  // a click takes none
}

// The keyboard reaches the pictures as a radio group: Tab stops at the chosen one only, and
// the arrow keys move the choice.
TEST_F(FormA, ArrangementPicturesTakeTheFocusAndTheArrowKeys) {
    auto* right = A<QToolButton>("SpeedButton4");
    auto* ok = A<QPushButton>("BitBtn1");
    auto* speed = A<QComboBox>("ComboBox3");
    speed->setFocus();
    EXPECT_TRUE(AnswerModals([&] { QTest::keyClick(speed, Qt::Key_Tab); }).empty());
    EXPECT_EQ(QApplication::focusWidget(), A<QToolButton>("SpeedButton3"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_TRUE(right->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), right);
    QTest::keyClick(right, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), right);
    QTest::keyClick(right, Qt::Key_Left);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_TRUE(A<QToolButton>("SpeedButton2")->isChecked());
}

TEST_F(FormA, DefaultRunFromTheEnterKeyShowsTheResults) {
    QStringList values;
    const auto shown =
        AnswerModals([&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); },
                     [&](QDialog& dialog) {
                         for (const char* name :
                              {"Label8", "Label9", "Label10", "Label11", "Label12", "Label13"}) {
                             values << dialog.findChild<QLabel*>(name)->text();
                         }
                         dialog.close();
                     });
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(values.join(u"; "), u"200; 3,00; 34; 95; 105,4; 294,6");
    EXPECT_EQ(A<QLabel>("Label1")->text(), u"1");  // the run number of the hand-off
    EXPECT_TRUE(QFile::exists(FilePath(QStringLiteral("transmit.txt"))));
    const QString report = formB.findChild<QTextEdit*>("rtf")->toPlainText();
    EXPECT_TRUE(report.startsWith(u"Введённые значения\nuz  2,800\n"))
        << report.left(80).toStdString();
}

// The design's warnings reach the results dialog's drawing button, with no drawing written.
TEST_F(FormA, GearShaftDesignMarksTheDrawingButtonWithItsWarning) {
    A<QComboBox>("ComboBox1")->setCurrentIndex(6);  // 4
    Type(A<QComboBox>("ComboBox5"), QStringLiteral("450"));
    Type(A<QComboBox>("ComboBox3"), QStringLiteral("1000"));
    QString tip;
    bool marked = false;
    AnswerModals([&] { QTest::mouseClick(A<QPushButton>("BitBtn1"), Qt::LeftButton); },
                 [&](QDialog& dialog) {
                     auto* button = dialog.findChild<QPushButton*>("BitBtn3");
                     tip = button->toolTip();
                     marked = !button->icon().isNull();
                     dialog.close();
                 });
    EXPECT_TRUE(tip.startsWith(u"Шестерню выполнить заодно с валом: ")) << tip.toStdString();
    EXPECT_TRUE(marked);
}

TEST_F(FormA, NoDataRunShowsTheMessageAndNoDialog) {
    QTest::mouseClick(A<QToolButton>("SpeedButton4"), Qt::LeftButton);
    A<QComboBox>("ComboBox4")->setCurrentIndex(6);  // 0,63
    QStringList values;
    const auto shown = RunDesignFromForm(values);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(
        shown[0].text,
        QString::fromUtf8(kNoDataMessage.data(), kNoDataMessage.size()).replace(u'\r', u'\n'));
    EXPECT_EQ(shown[0].icon, QMessageBox::NoIcon);
    EXPECT_TRUE(values.isEmpty());
    EXPECT_EQ(formB.findChild<QTextEdit*>("rtf")->toPlainText().count(u"Введённые значения"), 1);
}

TEST_F(FormA, RejectedValueStopsTheRunStartedByClickingOk) {
    auto* power = A<QComboBox>("ComboBox2");
    Type(power, QStringLiteral("abc"));
    QStringList values;
    const auto shown = RunDesignFromForm(values);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"Неправильно введено значение");
    EXPECT_TRUE(values.isEmpty());
    EXPECT_TRUE(session.report.Lines().empty());
    EXPECT_EQ(formA.focusWidget(), power);
}

TEST_F(FormA, RunErrorGoesToTheErrorBoxAndTheFormStaysOpen) {
    // A directory where the run counter must be: the hand-off cannot read it.
    ASSERT_TRUE(QDir(DirPath()).mkdir(QStringLiteral("numdir.num")));
    QStringList values;
    const auto shown = RunDesignFromForm(values);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"File access denied.");
    EXPECT_EQ(shown[0].icon, QMessageBox::Critical);
    EXPECT_EQ(shown[0].title, QString::fromUtf8(kTitle));
    EXPECT_TRUE(values.isEmpty());
    EXPECT_TRUE(formA.isVisible());
    EXPECT_TRUE(formB.findChild<QTextEdit*>("rtf")->toPlainText().contains(u"Геометрия"));
}

TEST_F(FormA, EveryCaptionFitsBesideTheOtherControls) {
    const auto children = formA.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        const QRect place = child->geometry();
        EXPECT_TRUE(formA.rect().contains(place)) << child->objectName().toStdString();
        if (auto* label = qobject_cast<QLabel*>(child)) {
            EXPECT_GE(place.width(), label->sizeHint().width()) << label->text().toStdString();
        }
        for (QWidget* other : children) {
            if (other != child && child->isVisible() && other->isVisible()) {
                EXPECT_FALSE(place.intersects(other->geometry()))
                    << child->objectName().toStdString() << " "
                    << other->objectName().toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace gearpair

int main(int argc, char** argv) {
    return gearpair::RunWindowTests(argc, argv);
}
