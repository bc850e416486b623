// The shafts window of a finished run: opened from the results dialog beside it, its tables as
// the shafts' view designs them, a distance entered that redesigns the shaft, one the shaft
// cannot have refused with the typed text kept, and its end with a run that stops.
#include "ui/shafts_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

#include <string>
#include <vector>

#include "app/shafts_view.h"
#include "core/errors.h"
#include "engine/design_run.h"
#include "tests/ui/window_test_support.h"
#include "ui/program.h"

namespace gearpair {
namespace {

using Cells = std::vector<std::vector<std::string>>;

// A table of the window as texts: the headings, then the rows.
Cells TableTexts(const QTableWidget& table) {
    Cells cells(1);
    for (int column = 0; column < table.columnCount(); ++column) {
        cells[0].push_back(table.horizontalHeaderItem(column)->text().toStdString());
    }
    for (int row = 0; row < table.rowCount(); ++row) {
        cells.emplace_back();
        for (int column = 0; column < table.columnCount(); ++column) {
            cells.back().push_back(table.item(row, column)->text().toStdString());
        }
    }
    return cells;
}

// The window's tables of a shaft as texts, in the order shown, each after its title.
std::vector<std::pair<std::string, Cells>> PageTables(const QWidget& page) {
    std::vector<std::pair<std::string, Cells>> tables;
    for (const QTableWidget* table : page.findChildren<QTableWidget*>()) {
        tables.emplace_back(table->objectName().toStdString(), TableTexts(*table));
    }
    return tables;
}

// The same, as the view gives them.
std::vector<std::pair<std::string, Cells>> ViewTables(const ShaftTab& tab) {
    std::vector<std::pair<std::string, Cells>> tables;
    for (const ShaftTableGroup& group : tab.table) {
        Cells cells{group.headings};
        cells.insert(cells.end(), group.rows.begin(), group.rows.end());
        tables.emplace_back(group.title, cells);
    }
    return tables;
}

// The program as it starts, in a scratch program directory that is also the current one.
class ShaftsOfARun : public ::testing::Test {
protected:
    ShaftsOfARun() : program(dir.filePath(QStringLiteral("gearpair"))) {
        previousDir = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    ~ShaftsOfARun() override { QDir::setCurrent(previousDir); }

    // Types `text` over the field `name` of the output shaft's tab and presses Enter; returns
    // the boxes that opened.
    std::vector<ShownBox> Enter(QLineEdit* field, const QString& text) {
        field->selectAll();
        TypeText(field, text);
        return AnswerModals([&] { QTest::keyClick(field, Qt::Key_Return); });
    }

    QTemporaryDir dir;
    Program program;
    QString previousDir;
};

TEST_F(ShaftsOfARun, OpensBesideTheResultsAndEnteredDistancesRedesignTheShaft) {
    // The default design, shown by the view the window paints.
    GearSession session;
    ASSERT_TRUE(RunDesign(session, DesignInputs{}).completed);
    ShaftsView expected(session.design, DesignProductsOf(session.design),
                        DesignInputs{}.arrangement);
    ASSERT_TRUE(expected.HasShafts());
    ASSERT_EQ(expected.Shafts().output.bearings[0].bearing.designation, "316");

    TFormA& formA = program.InputForm();
    formA.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&formA));
    ShaftsWindow& shafts = program.Shafts();
    const auto whileOpen = [&](QDialog& dialog) {
        auto* button = dialog.findChild<QPushButton*>(QStringLiteral("shaftsButton"));
        auto* drawings = dialog.findChild<QPushButton*>(QStringLiteral("BitBtn3"));
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        EXPECT_EQ(button->text(), u"Валы...");
        // Beside "Чертежи...", clear of it and of OK, inside the dialog.
        EXPECT_FALSE(button->geometry().intersects(drawings->geometry()));
        EXPECT_FALSE(button->geometry().intersects(ok->geometry()));
        EXPECT_EQ(button->y(), drawings->y());
        EXPECT_TRUE(dialog.rect().contains(button->geometry()));
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);
        int shown = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            shown += window->isVisible() && window->windowTitle() == u"Валы и подшипники";
        }
        EXPECT_EQ(shown, 1);
        EXPECT_FALSE(shafts.frameGeometry().intersects(dialog.frameGeometry()));
        dialog.reject();  // back to the input form; the shafts window stays
    };
    ASSERT_TRUE(AnswerModals([&] { formA.BitBtn1Click(); }, whileOpen).empty());
    ASSERT_TRUE(shafts.isVisible());

    auto* tabs = shafts.findChild<QTabWidget*>(QStringLiteral("tabs"));
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), u"Входной вал");
    EXPECT_EQ(tabs->tabText(1), u"Выходной вал");
    EXPECT_EQ(shafts.findChild<QLabel*>(QStringLiteral("status"))->text(),
              QString::fromStdString(expected.StatusLine()));
    tabs->setCurrentIndex(1);
    QWidget* output = tabs->widget(1);
    auto* bearings = output->findChild<QTableWidget*>(QStringLiteral("Подшипники"));
    ASSERT_NE(bearings, nullptr);
    ASSERT_EQ(bearings->horizontalHeaderItem(1)->text(), u"обозначение");
    EXPECT_EQ(bearings->item(0, 1)->text().toStdString(),
              expected.Shafts().output.bearings[0].bearing.designation);
    EXPECT_EQ(PageTables(*output), ViewTables(expected.Tab(Shaft::Output)));

    // A span entered: the shaft designed again with it, its tables and fields redrawn.
    auto* span = output->findChild<QLineEdit*>(QStringLiteral("span"));
    std::array<std::string, kShaftFields.size()> texts = expected.Tab(Shaft::Output).fieldTexts;
    ASSERT_EQ(span->text().toStdString(), texts[1]);
    EXPECT_TRUE(Enter(span, QStringLiteral("250")).empty());
    texts[1] = "250";
    ASSERT_EQ(expected.ApplyFields(Shaft::Output, texts), std::nullopt);
    EXPECT_EQ(PageTables(*output), ViewTables(expected.Tab(Shaft::Output)));
    EXPECT_EQ(span->text(), u"250");
    EXPECT_EQ(shafts.View().Shafts().output.distances.span, 250);

    // A span too short for the hub: the error box, and the typed text stays to be corrected.
    texts[1] = "20";
    const std::optional<std::string> refused = expected.ApplyFields(Shaft::Output, texts);
    ASSERT_TRUE(refused);
    const std::vector<ShownBox> boxes = Enter(span, QStringLiteral("20"));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
    EXPECT_EQ(boxes[0].text, QString::fromStdString(ErrorBoxText(*refused)));
    EXPECT_EQ(span->text(), u"20");
    EXPECT_EQ(shafts.View().Shafts().output.distances.span, 250);

    // Escape closes the window; a run that stops forgets the shafts.
    QTest::keyClick(shafts.windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(shafts.isVisible());
    shafts.ShowInFront();
    formA.findChild<QToolButton*>(QStringLiteral("SpeedButton4"))->click();
    formA.findChild<QComboBox*>(QStringLiteral("ComboBox4"))->setCurrentIndex(6);  // 0,63
    EXPECT_EQ(AnswerModals([&] { formA.BitBtn1Click(); }).size(), 1u);
    EXPECT_FALSE(shafts.isVisible());
    EXPECT_FALSE(shafts.HasDesign());
}

}  // namespace
}  // namespace gearpair

int main(int argc, char** argv) {
    return gearpair::RunWindowTests(argc, argv);
}
