// Renders the windows to PNG files for the documentation: the input form at start, the variants
// of its inputs, the results dialog after the default design, the details window with its
// report, the drawing window with the wheel's sheet and the shafts window on its first shaft.
// Usage: gearpair-screenshots <output directory>; run on Qt's offscreen platform.
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#include "ui/program.h"
#include "ui/variants_window.h"

namespace {

bool Save(QWidget& window, const QDir& directory, const char* name) {
    const QString path = directory.filePath(QString::fromLatin1(name));
    if (window.grab().save(path)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gearpair-screenshots <output directory>\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    // The default run writes its hand-off files; they go to a scratch program directory.
    QTemporaryDir programDir;
    if (!programDir.isValid()) return 1;
    // The drawing window shows its default title-block texts, not those the user running this
    // has remembered.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, programDir.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, programDir.path());

    gearpair::Program program(programDir.filePath(QStringLiteral("gearpair")));
    gearpair::TFormA& formA = program.InputForm();
    gearpair::TFormB& formB = program.DetailsWindow();
    gearpair::TFormD& formD = program.ResultsDialog();
    formA.show();
    QApplication::processEvents();
    bool saved = Save(formA, output, "formA.png");

    // The variants of the form's inputs, sorted by total mass, with the form's own design
    // chosen, so that the form keeps its defaults for the run below.
    formA.VariantsButtonClick();
    gearpair::VariantsWindow& variants = *formA.Variants();
    variants.Table()->sortByColumn(
        gearpair::VariantsModel::ColumnOf(gearpair::VariantColumn::MassTotal), Qt::AscendingOrder);
    variants.SelectVariant(*variants.Model().Current());
    variants.Table()->scrollToTop();
    QApplication::processEvents();
    saved = Save(variants, output, "variants.png") && saved;
    variants.hide();

    // The results dialog is modal: photograph it, and the details window opened from it,
    // from inside its event loop, then dismiss it without ending the program.
    QTimer::singleShot(0, &formD, [&] {
        saved = Save(formD, output, "formD.png") && saved;
        formD.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
        QApplication::processEvents();
        saved = Save(formB, output, "formB.png") && saved;
        formD.findChild<QPushButton*>(QStringLiteral("BitBtn3"))->click();
        // The offscreen screen leaves little room beside the dialog: the window is shown at
        // its usual size.
        program.Drawings().resize(960, 680);
        QApplication::processEvents();
        saved = Save(program.Drawings(), output, "drawing_window.png") && saved;
        formD.findChild<QPushButton*>(QStringLiteral("shaftsButton"))->click();
        program.Shafts().resize(1040, 820);
        QApplication::processEvents();
        saved = Save(program.Shafts(), output, "shafts.png") && saved;
        formD.reject();
    });
    formA.BitBtn1Click();
    return saved ? 0 : 1;
}
