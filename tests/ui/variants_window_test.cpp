// The variants window through its widgets: the table and its sorting, the Pareto marks in the
// table and on the plot, and a chosen row or point reaching the input form.
#include "ui/variants_window.h"

#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTableView>

#include "app/variant_table.h"
#include "tests/ui/window_test_support.h"
#include "ui/variant_plot.h"

namespace gearpair {
namespace {

// The form's defaults among the variants: width 0,5, helix 14, hardness 250.
constexpr std::size_t kDefaultsRow = (4 * 13 + 6) * 14 + 2;

class Variants : public ProgramWindows {
protected:
    void SetUp() override { ShowInputForm(); }

    static int Column(VariantColumn column) { return VariantsModel::ColumnOf(column); }
};

TEST_F(Variants, TableSortsByValueAndMarksTheParetoSetAndTheCurrentDesign) {
    // Tab from OK, the last stop before, reaches the button.
    A<QPushButton>("BitBtn1")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(A<QPushButton>("BitBtn1"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), A<QPushButton>("VariantsButton"));
    QTest::mouseClick(A<QPushButton>("VariantsButton"), Qt::LeftButton);
    VariantsWindow* window = formA.Variants();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), u"Варианты");
    QAbstractItemModel* table = window->Table()->model();
    ASSERT_EQ(table->rowCount(), 7 * 13 * 14);
    // The inputs, the figures, the Pareto mark and the message (which says the status): no
    // blank column.
    EXPECT_EQ(table->columnCount(), 18);
    for (int column = 0; column < table->columnCount(); ++column) {
        EXPECT_FALSE(table->headerData(column, Qt::Horizontal).toString().isEmpty()) << column;
    }

    // Total mass ascending: by value, not by text ("104,072" after "24,266"), any variant that
    // did not complete last.
    const int mass = Column(VariantColumn::MassTotal);
    window->Table()->sortByColumn(mass, Qt::AscendingOrder);
    double previous = 0;
    bool blanks = false;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QString text = table->index(row, mass).data().toString();
        if (text.isEmpty()) {
            blanks = true;
            continue;
        }
        EXPECT_FALSE(blanks) << "a figure after a blank at row " << row;
        const double value = QString(text).replace(u',', u'.').toDouble();
        EXPECT_GE(value, previous) << row;
        previous = value;
    }

    // The Pareto marks of the table and the plot are the search's set.
    const std::vector<Variant>& variants = window->Model().Variants();
    const auto inSet =
        std::count_if(variants.begin(), variants.end(), [](const Variant& v) { return v.pareto; });
    int marked = 0;
    for (int row = 0; row < table->rowCount(); ++row) {
        marked += table->index(row, Column(VariantColumn::Pareto)).data().toString() == u"●";
    }
    EXPECT_GT(inSet, 1);
    EXPECT_EQ(marked, inSet);
    EXPECT_EQ(std::ssize(window->Plot()->Layout().Pareto()), inSet);
    // Pairs that cannot be made are points of their own, apart from the plain ones.
    const auto unbuildable = std::count_if(variants.begin(), variants.end(), [](const Variant& v) {
        return v.Completed() && !v.buildable;
    });
    EXPECT_EQ(std::ssize(window->Plot()->Layout().Unbuildable()), unbuildable);

    // The form's design is the highlighted one, and the star on the plot.
    ASSERT_EQ(window->Model().Current(), kDefaultsRow);
    const Variant& defaults = variants[kDefaultsRow];
    const QModelIndex current = window->Model().index(static_cast<int>(kDefaultsRow), 0);
    EXPECT_TRUE(current.data(Qt::BackgroundRole).isValid());
    const std::optional<VariantPlotLayout::Point> star = window->Plot()->Layout().Current();
    ASSERT_TRUE(star);
    EXPECT_EQ(star->row, kDefaultsRow);
    EXPECT_EQ(star->value, (PlotXY{100 * defaults.SmallerMargin(), defaults.masses.total}));
}

TEST_F(Variants, OpeningAndClosingLeavesTheFormAsItIs) {
    const auto fields = [&] {
        QStringList texts;
        for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5",
                                 "ComboBox6", "ComboBox7"}) {
            texts << A<QComboBox>(name)->currentText();
        }
        return texts;
    };
    const QStringList before = fields();
    QTest::mouseClick(A<QPushButton>("VariantsButton"), Qt::LeftButton);
    VariantsWindow* window = formA.Variants();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    // The table takes the focus and the keys move its selection: still no change on the form.
    window->Table()->setFocus();
    QTest::keyClick(window->Table(), Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(fields(), before);

    // Opened again, last left hanging over the screen's corner: the form's design is the
    // current row, and in view, and the whole window on the screen.
    window->close();
    window->move(window->screen()->availableGeometry().bottomRight() - QPoint(100, 100));
    formA.VariantsButtonClick();
    const QModelIndex current = window->Table()->currentIndex();
    ASSERT_TRUE(current.isValid());
    EXPECT_EQ(window->Table()->model()->index(current.row(), 0).data(),
              window->Model().index(static_cast<int>(kDefaultsRow), 0).data());
    EXPECT_TRUE(
        window->Table()->viewport()->rect().intersects(window->Table()->visualRect(current)));
    // It would fit a 1024 x 768 screen too.
    EXPECT_LE(window->minimumSizeHint().width(), 1000);
    EXPECT_LE(window->minimumSizeHint().height(), 700);
    EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()));

    QTest::keyClick(window->Table(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(fields(), before);
}

TEST_F(Variants, ChosenRowOrPointFillsTheFormAndOkRunsIt) {
    A<QComboBox>("ComboBox5")->setCurrentText(QStringLiteral("320,5"));  // joins the list
    formA.VariantsButtonClick();
    VariantsWindow* window = formA.Variants();
    ASSERT_EQ(window->Model().Variants().size(), 7u * 13 * 15);
    EXPECT_EQ(window->Model().Variants()[7].hardness, "320,5");

    // A click near a point of the plot picks that variant's row; one far from every point none.
    const std::vector<Variant>& variants = window->Model().Variants();
    const auto lightest =
        std::min_element(variants.begin(), variants.end(), [](const Variant& a, const Variant& b) {
            return a.Completed() && (!b.Completed() || a.masses.total < b.masses.total);
        });
    const auto row = static_cast<std::size_t>(lightest - variants.begin());
    QSignalSpy chosen(window, &VariantsWindow::VariantChosen);
    VariantPlot* plot = window->Plot();
    const QPointF pixel =
        plot->PixelOf({100 * lightest->SmallerMargin(), lightest->masses.total}) + QPointF(1, -1);
    EXPECT_EQ(plot->VariantAtPixel(
                  plot->PixelOf({plot->Layout().Span().right, plot->Layout().Span().bottom})),
              std::nullopt);
    ASSERT_EQ(plot->VariantAtPixel(pixel), row);
    QTest::mouseClick(plot, Qt::LeftButton, {}, pixel.toPoint());
    ASSERT_EQ(chosen.count(), 1);

    EXPECT_EQ(A<QComboBox>("ComboBox4")->currentText(),
              QString::fromUtf8(kWidthTexts[lightest->widthItem].data()));
    EXPECT_EQ(A<QComboBox>("ComboBox6")->currentText(),
              QString::fromUtf8(kHelixTexts[lightest->helixItem].data()));
    EXPECT_EQ(A<QComboBox>("ComboBox5")->currentText().toStdString(), lightest->hardness);

    // OK runs the chosen variant: the results dialog shows its centre distance.
    QString shownDistance;
    AnswerModals([&] { formA.BitBtn1Click(); },
                 [&](QDialog& dialog) {
                     shownDistance = dialog.findChild<QLabel*>("Label8")->text();
                     dialog.close();
                 });
    EXPECT_EQ(shownDistance.toStdString(), VariantCell(*lightest, VariantColumn::Aw));
}

}  // namespace
}  // namespace gearpair

int main(int argc, char** argv) {
    return gearpair::RunWindowTests(argc, argv);
}
