// The drawing window: its tabs and each part's warning line, fit, zoom and pan, the save actions
// and a save that fails, the title-block fields remembered between sessions; and the way to it
// from the results dialog of a finished run, beside the dialog, its end with a run that stops,
// and the run's sheets drawn again with the title-block fields' texts.
#include "ui/drawing_window.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <variant>

#include "core/errors.h"
#include "drawing/dxf_writer.h"
#include "engine/design_products.h"
#include "engine/design_run.h"
#include "tests/file_size_limit.h"
#include "tests/ui/window_test_support.h"
#include "ui/profile_tab.h"
#include "ui/program.h"
#include "ui/sheet_painter.h"
#include "ui/sheet_view.h"

namespace gearpair {
namespace {

// A sheet of the given format with its edge and one contour line: enough to see and save.
Sheet SheetOf(double widthMm, double heightMm) {
    const Point corners[] = {{0, 0}, {widthMm, 0}, {widthMm, heightMm}, {0, heightMm}};
    Sheet sheet;
    sheet.format = widthMm > 300 ? "A3" : "A4";
    sheet.widthMm = widthMm;
    sheet.heightMm = heightMm;
    sheet.scale = "1:1";
    sheet.items = {Item{Layer::Frame, Polyline{{std::begin(corners), std::end(corners)}, true}},
                   Item{Layer::Contour, Line{{40, 40}, {120, 90}}},
                   Item{Layer::Axis, Circle{{100, 70}, 30}},
                   Item{Layer::Text, Text{{70, 60}, "Ø77,46", 3.5, Anchor::BottomCentre, 30}}};
    sheet.title = "Колесо зубчатое";
    return sheet;
}

std::string Bytes(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The title-block texts remembered in the test program's scratch settings are forgotten before
// and after a test, so that every test starts from the defaults.
struct ForgottenTitleTexts {
    ForgottenTitleTexts() { Forget(); }
    ~ForgottenTitleTexts() { Forget(); }
    static void Forget() {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("gearpair"),
                  QStringLiteral("gearpair"))
            .remove(QStringLiteral("drawing"));
    }
};

// The text of the title-block field `attribute` on `sheet`; "(none)" when there is none.
std::string TitleText(const Sheet& sheet, const std::string& attribute) {
    for (const Item& item : sheet.items) {
        const auto* text = std::get_if<Text>(&item.shape);
        if (text && text->attribute == attribute) return text->text;
    }
    return "(none)";
}

// Types `text` over a title-block field of `window` and presses Enter.
void Enter(DrawingWindow& window, const char* field, const QString& text) {
    auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(field));
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

class Drawings : public ::testing::Test {
protected:
    void SetUp() override {
        DrawingSet set;
        set.wheel = SheetOf(420, 297);
        set.pinion = SheetOf(210, 297);
        window.SetDrawings(std::move(set), PartWarnings{{}, {"Шестерню выполнить заодно с валом"}},
                           dir.path());
        window.resize(900, 640);
        window.ShowInFront();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    SheetView& View(const char* name) {
        return *window.findChild<SheetView*>(QString::fromLatin1(name));
    }

    // The zoom at which the whole sheet fits the view with its 12-pixel margins.
    static double FitScale(const SheetView& view, double widthMm, double heightMm) {
        return std::min((view.width() - 24) / widthMm, (view.height() - 24) / heightMm);
    }

    QTemporaryDir dir;
    ForgottenTitleTexts forgotten;
    DrawingWindow window;
};

TEST_F(Drawings, OpensFittedOnTheWheelWithEachPartsWarningsOnItsOwnTab) {
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("tabs"));
    EXPECT_EQ(window.windowTitle(), u"Чертежи");
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), u"Колесо");
    EXPECT_EQ(tabs->tabText(1), u"Шестерня");
    EXPECT_EQ(tabs->tabText(2), u"Профиль");
    EXPECT_EQ(tabs->currentIndex(), 0);

    SheetView& wheel = View("wheelView");
    EXPECT_TRUE(wheel.IsFitted());
    EXPECT_DOUBLE_EQ(wheel.Scale(), FitScale(wheel, 420, 297));
    EXPECT_DOUBLE_EQ(2 * wheel.Origin().x() + 420 * wheel.Scale(), wheel.width());
    EXPECT_DOUBLE_EQ(2 * wheel.Origin().y() + 297 * wheel.Scale(), wheel.height());

    auto* wheelWarning = window.findChild<QLabel*>(QStringLiteral("wheelWarning"));
    auto* pinionWarning = window.findChild<QLabel*>(QStringLiteral("pinionWarning"));
    EXPECT_FALSE(wheelWarning->isVisible());

    tabs->setCurrentIndex(1);
    SheetView& pinion = View("pinionView");
    EXPECT_DOUBLE_EQ(pinion.Scale(), FitScale(pinion, 210, 297));
    EXPECT_EQ(&window.CurrentView(), &pinion);
    EXPECT_TRUE(pinionWarning->isVisible());
    EXPECT_EQ(pinionWarning->text(), u"Шестерню выполнить заодно с валом");
    EXPECT_LE(pinionWarning->geometry().bottom(), pinion.geometry().top());

    window.SetDrawings(DrawingSet{SheetOf(420, 297), SheetOf(210, 297)},
                       PartWarnings{{"колесо"}, {}}, dir.path());
    EXPECT_FALSE(pinionWarning->isVisible());
    tabs->setCurrentIndex(0);
    EXPECT_TRUE(wheelWarning->isVisible());
    EXPECT_EQ(wheelWarning->text(), u"колесо");
}

TEST_F(Drawings, WheelZoomsAboutTheCursorDragPansAndHomeOrDoubleClickFits) {
    SheetView& view = View("wheelView");
    const double fit = view.Scale();
    const QPointF at(300, 200);
    const QPointF paper = view.PaperAt(at);
    QWheelEvent notch(at, view.mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &notch);
    EXPECT_DOUBLE_EQ(view.Scale(), fit * 1.2);
    EXPECT_NEAR(view.PaperAt(at).x(), paper.x(), 1e-9);
    EXPECT_NEAR(view.PaperAt(at).y(), paper.y(), 1e-9);
    EXPECT_FALSE(view.IsFitted());

    // A resize keeps the user's zoom; a fitted view follows the window.
    window.resize(800, 600);
    EXPECT_DOUBLE_EQ(view.Scale(), fit * 1.2);

    const QPointF origin = view.Origin();
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(&view, QPoint(150, 130));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(150, 130));
    EXPECT_EQ(view.Origin(), origin + QPointF(50, 30));

    // The zoom stops a quarter below the fitted one.
    for (int i = 0; i < 20; ++i) view.ZoomAt(at, 0.5);
    EXPECT_DOUBLE_EQ(view.Scale(), FitScale(view, 420, 297) / 4);

    QTest::keyClick(window.windowHandle(), Qt::Key_Home);
    EXPECT_TRUE(view.IsFitted());
    EXPECT_DOUBLE_EQ(view.Scale(), FitScale(view, 420, 297));
    window.resize(900, 640);
    EXPECT_DOUBLE_EQ(view.Scale(), FitScale(view, 420, 297));

    view.ZoomAt(at, 2);
    QTest::mouseDClick(&view, Qt::LeftButton, {}, QPoint(200, 200));
    EXPECT_TRUE(view.IsFitted());

    // The zoom keys, like the wheel, keep the point under the cursor where it is.
    QCursor::setPos(view.mapToGlobal(at.toPoint()));
    const QPointF underCursor = view.PaperAt(at);
    QTest::keyClick(window.windowHandle(), Qt::Key_Plus);
    EXPECT_DOUBLE_EQ(view.Scale(), FitScale(view, 420, 297) * 1.2);
    EXPECT_NEAR(view.PaperAt(at).x(), underCursor.x(), 1e-9);
    EXPECT_NEAR(view.PaperAt(at).y(), underCursor.y(), 1e-9);
    QTest::keyClick(window.windowHandle(), Qt::Key_Minus);
    EXPECT_DOUBLE_EQ(view.Scale(), FitScale(view, 420, 297));
    EXPECT_NEAR(view.PaperAt(at).x(), underCursor.x(), 1e-9);

    QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(Drawings, OnTheProfileTabTheKeysZoomFitAndSaveTheProfile) {
    GearSession session;
    ASSERT_TRUE(RunDesign(session, DesignInputs{}).completed);
    ProfileTab& profile = window.Profile();
    profile.SetDesign(session.design, DesignProductsOf(session.design).parts, dir.path(), {});
    window.findChild<QTabWidget*>(QStringLiteral("tabs"))->setCurrentIndex(2);
    QApplication::processEvents();
    const double fit = profile.Scale();
    const double sheet = View("wheelView").Scale();

    QTest::keyClick(window.windowHandle(), Qt::Key_Plus);
    EXPECT_DOUBLE_EQ(profile.Scale(), fit * 1.2);
    EXPECT_DOUBLE_EQ(View("wheelView").Scale(), sheet);
    QTest::keyClick(window.windowHandle(), Qt::Key_Home);
    EXPECT_DOUBLE_EQ(profile.Scale(), fit);

    QString offered;
    const auto answer = [&](QDialog& dialog) {
        offered = dynamic_cast<QFileDialog&>(dialog).selectedFiles().value(0);
        dialog.accept();
    };
    QSignalSpy saved(&profile, &ProfileTab::ModelSaved);
    AnswerModals([&] { QTest::keySequence(window.windowHandle(), QKeySequence::Save); }, answer);
    EXPECT_TRUE(offered.endsWith(QStringLiteral("/wheel-profile.dxf"))) << offered.toStdString();
    // The save runs on the tab's worker: its end is signalled.
    ASSERT_TRUE(!saved.isEmpty() || saved.wait(10000));
    EXPECT_NE(Bytes(offered).find("\nTEETH\n"), std::string::npos);
}

TEST_F(Drawings, AZoomedInRepaintShowsWhatTheWholeSheetWouldShow) {
    SheetView& view = View("wheelView");
    // Well inside the paper, where the line, the circle and the text cross the view's edges.
    const QPointF paperPoint(85, 297 - 70);
    view.ZoomAt(view.Origin() + paperPoint * view.Scale(), 12);
    const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);

    QImage whole(shown.size(), QImage::Format_RGB32);
    whole.fill(Qt::white);
    QPainter painter(&whole);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(view.Origin());
    painter.scale(view.Scale(), view.Scale());
    PaintSheet(painter, SheetOf(420, 297));
    painter.end();
    EXPECT_EQ(shown, whole);
}

TEST_F(Drawings, SaveActionsOpenInTheRunDirectoryAndWriteTheShownSheet) {
    auto* menu = window.findChild<QMenu*>(QStringLiteral("menu"));
    QStringList items;
    for (QAction* action : menu->actions()) items << action->text();
    EXPECT_EQ(items.join(u"|"), u"Сохранить DXF...|Сохранить PDF...|Сохранить SVG...||Вписать");

    window.findChild<QTabWidget*>(QStringLiteral("tabs"))->setCurrentIndex(1);
    const QDir saved(dir.path());
    for (const char* name : {"saveDxf", "savePdf", "saveSvg"}) {
        const QString suffix = QString::fromLatin1(name + 4).toLower();
        QStringList offered;
        const auto answer = [&](QDialog& dialog) {
            auto& files = dynamic_cast<QFileDialog&>(dialog);
            offered << QDir(files.directory()).canonicalPath() << files.selectedFiles().value(0);
            // as the user types it
            files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(QStringLiteral("copy.") + suffix);
            dialog.accept();
        };
        auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_TRUE(AnswerModals([&] { action->trigger(); }, answer).empty()) << name;
        ASSERT_EQ(offered.size(), 2) << name;
        EXPECT_EQ(offered[0], saved.canonicalPath());
        EXPECT_TRUE(offered[1].endsWith(QStringLiteral("/pinion.") + suffix)) << name;
        EXPECT_FALSE(Bytes(saved.filePath(QStringLiteral("copy.") + suffix)).empty()) << name;
    }
    EXPECT_EQ(Bytes(saved.filePath(QStringLiteral("copy.dxf"))), DxfText(SheetOf(210, 297)));
}

TEST_F(Drawings, AFailedSaveShowsTheFileLayersMessageAndLosesNothing) {
    const std::filesystem::path taken =
        std::filesystem::path(dir.path().toStdString()) / "wheel.dxf";
    std::filesystem::create_directory(taken);
    std::ofstream(taken / "kept") << "kept";
    std::string expected;
    try {
        WriteDxf(SheetOf(420, 297), taken.string());
    } catch (const Error& error) {
        expected = ErrorBoxText(error.what());
    }
    ASSERT_NE(expected.find("wheel.dxf"), std::string::npos) << expected;

    bool written = true;
    const std::vector<ShownBox> boxes = AnswerModals([&] {
        written = window.SaveSheet(DrawingWindow::FileKind::Dxf, QString::fromStdString(taken));
    });
    EXPECT_FALSE(written);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
    EXPECT_EQ(boxes[0].text, QString::fromStdString(expected));
    EXPECT_TRUE(std::filesystem::is_directory(taken));
    EXPECT_EQ(Bytes(QString::fromStdString((taken / "kept").string())), "kept");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path().toStdString()),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(View("wheelView").IsFitted());
}

// The program as it starts, in a scratch program directory that is also the current one.
class DrawingsOfARun : public ::testing::Test {
protected:
    DrawingsOfARun() : program(dir.filePath(QStringLiteral("gearpair"))) {
        previousDir = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    ~DrawingsOfARun() override { QDir::setCurrent(previousDir); }

    // The default design's run, its results dialog closed at once, and its drawing window.
    DrawingWindow& RunAndShowDrawings() {
        TFormA& formA = program.InputForm();
        if (!formA.isVisible()) {
            formA.show();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&formA));
        }
        EXPECT_TRUE(
            AnswerModals([&] { formA.BitBtn1Click(); }, [](QDialog& d) { d.reject(); }).empty());
        program.Drawings().ShowInFront();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&program.Drawings()));
        return program.Drawings();
    }

    QTemporaryDir dir;
    ForgottenTitleTexts forgotten;
    Program program;
    QString previousDir;
};

TEST_F(DrawingsOfARun, ResultsDialogOpensOneDrawingWindowAndTheRunDirectoryHoldsTheFourFiles) {
    TFormA& formA = program.InputForm();
    formA.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&formA));
    DrawingWindow& drawings = program.Drawings();
    const auto whileOpen = [&](QDialog& dialog) {
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        auto* details = dialog.findChild<QPushButton*>(QStringLiteral("BitBtn2"));
        auto* button = dialog.findChild<QPushButton*>(QStringLiteral("BitBtn3"));
        EXPECT_EQ(button->text(), u"Чертежи...");
        EXPECT_EQ(button->geometry(), QRect(2, 192, 75, 25));
        EXPECT_EQ(button->font(), details->font());
        EXPECT_EQ(dialog.size(), QSize(413, 227));
        EXPECT_EQ(ok->nextInFocusChain(), details);
        EXPECT_EQ(details->nextInFocusChain(), button);
        // The drawings are on disk before the dialog opens.
        const QDir run(dir.filePath(QStringLiteral("dwg1")));
        EXPECT_EQ(run.entryList(QDir::Files, QDir::Name).join(u" "),
                  u"pinion.dxf pinion.pdf wheel.dxf wheel.pdf");

        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);
        int shown = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            shown += window->isVisible() && window->windowTitle() == u"Чертежи";
        }
        EXPECT_EQ(shown, 1);
        EXPECT_EQ(drawings.findChild<QTabWidget*>(QStringLiteral("tabs"))->currentIndex(), 0);
        EXPECT_TRUE(drawings.CurrentView().IsFitted());
        // Beside the dialog, not over it.
        EXPECT_FALSE(drawings.frameGeometry().intersects(dialog.frameGeometry()));
        QTest::mouseClick(ok, Qt::LeftButton);
    };
    EXPECT_TRUE(AnswerModals([&] { formA.BitBtn1Click(); }, whileOpen).empty());
    EXPECT_EQ(program.ResultsDialog().result(), QDialog::Accepted);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("transmit.txt"))));
    EXPECT_TRUE(drawings.HasDrawings());

    // A run that stops leaves no design to show: the window closes and forgets the sheets.
    formA.findChild<QToolButton*>(QStringLiteral("SpeedButton4"))->click();
    formA.findChild<QComboBox*>(QStringLiteral("ComboBox4"))->setCurrentIndex(6);  // 0,63
    EXPECT_EQ(AnswerModals([&] { formA.BitBtn1Click(); }).size(), 1u);
    EXPECT_FALSE(drawings.isVisible());
    EXPECT_FALSE(drawings.HasDrawings());
}

// The window opens beside the dialog it is asked from, on the side with more room.
TEST_F(Drawings, OpensBesideTheDialogOnTheRoomierSide) {
    window.close();
    QWidget dialog;
    dialog.setGeometry(40, 60, 200, 150);
    dialog.show();
    window.ShowBeside(dialog);
    const QRect screen = dialog.screen()->availableGeometry();
    EXPECT_FALSE(window.frameGeometry().intersects(dialog.frameGeometry()));
    EXPECT_GT(window.x(), dialog.x());
    EXPECT_TRUE(screen.contains(window.frameGeometry())) << window.frameGeometry().width();

    window.close();
    dialog.move(screen.right() - 250, 60);
    window.ShowBeside(dialog);
    EXPECT_FALSE(window.frameGeometry().intersects(dialog.frameGeometry()));
    EXPECT_LT(window.x(), dialog.x());
}

TEST_F(DrawingsOfARun, ADrawingThatCannotBeWrittenKeepsTheHandoffAndStillOpensTheResults) {
    TFormA& formA = program.InputForm();
    formA.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&formA));
    bool errorShown = false;
    bool resultsAfterError = false;
    std::vector<ShownBox> boxes;
    {
        const testing::FileSizeLimit limit(4096);
        boxes = AnswerModals([&] { formA.BitBtn1Click(); },
                             [&](QDialog& dialog) {
                                 resultsAfterError = errorShown;
                                 dialog.reject();
                             },
                             [&](QMessageBox&) { errorShown = true; });
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
    EXPECT_EQ(boxes[0].text, QStringLiteral("I/O error 27: %1/dwg1/wheel.dxf.").arg(dir.path()));
    EXPECT_TRUE(resultsAfterError);
    const QDir base(dir.path());
    EXPECT_TRUE(base.exists(QStringLiteral("transmit.txt")));
    EXPECT_TRUE(base.exists(QStringLiteral("path.lsp")));
    EXPECT_EQ(QDir(base.filePath(QStringLiteral("dwg1"))).entryList(QDir::Files | QDir::Hidden),
              QStringList());
    EXPECT_NE(program.DetailsWindow().ReportLines().size(), 0u);
}

TEST_F(Drawings, TitleFieldsAreRememberedForTheNextSession) {
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("wheelDesignation"))->text(),
              u"ГП.01.001");
    EXPECT_TRUE(AnswerModals([&] {
                    Enter(window, "wheelDesignation", QStringLiteral("АБВГ.721134.005"));
                    Enter(window, "pinionDesignation", QStringLiteral("АБВГ.721134.006"));
                    Enter(window, "material", QStringLiteral("Сталь 40Х ГОСТ 4543-2016"));
                    Enter(window, "developer", QStringLiteral("Петров"));
                    Enter(window, "checker", QStringLiteral("Сидоров"));
                    Enter(window, "organisation", QStringLiteral("ООО «Редуктор»"));
                }).empty());

    DrawingWindow next;
    EXPECT_EQ(next.findChild<QLineEdit*>(QStringLiteral("organisation"))->text(),
              u"ООО «Редуктор»");
    const DrawingInputs& inputs = next.Inputs();
    EXPECT_EQ(inputs.wheelDesignation, "АБВГ.721134.005");
    EXPECT_EQ(inputs.pinionDesignation, "АБВГ.721134.006");
    EXPECT_EQ(inputs.material, "Сталь 40Х ГОСТ 4543-2016");
    EXPECT_EQ(inputs.developer, "Петров");
    EXPECT_EQ(inputs.checker, "Сидоров");
    EXPECT_EQ(inputs.organisation, "ООО «Редуктор»");

    // An emptied material field is the steel chosen by hardness, not a blank graph 3.
    EXPECT_TRUE(AnswerModals([&] { Enter(next, "material", QString()); }).empty());
    EXPECT_EQ(next.Inputs().material, std::nullopt);
    EXPECT_EQ(DrawingWindow().Inputs().material, std::nullopt);
}

// A text the check of a user's text refuses: the error box names the field and the character,
// the typed text stays in the field and is not taken; a refused remembered text is the
// field's default in the next window.
TEST_F(Drawings, ARefusedTextStaysInItsFieldAndARememberedOneFallsBack) {
    const std::vector<ShownBox> boxes =
        AnswerModals([&] { Enter(window, "checker", QStringLiteral("Иванов 中")); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
    EXPECT_EQ(boxes[0].text.toStdString(),
              ErrorBoxText("Поле «Проверил»: символ «中» отсутствует в шрифте чертежа"));
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("checker"))->text(), u"Иванов 中");
    EXPECT_EQ(window.Inputs().checker, "");

    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("gearpair"),
              QStringLiteral("gearpair"))
        .setValue(QStringLiteral("drawing/wheelDesignation"), QStringLiteral("ГП\x01"));
    EXPECT_EQ(DrawingWindow().Inputs().wheelDesignation, "ГП.01.001");
}

TEST_F(DrawingsOfARun, TitleFieldsRedrawBothSheetsAndReachTheNextRunsFiles) {
    DrawingWindow& drawings = RunAndShowDrawings();
    SheetView& view = drawings.CurrentView();
    view.ZoomAt(QPointF(view.width(), view.height()), 4);  // at the title block
    const double zoom = view.Scale();
    const QDir firstRun(dir.filePath(QStringLiteral("dwg1")));
    const std::string firstWheel = Bytes(firstRun.filePath(QStringLiteral("wheel.dxf")));
    const DrawingSet& sheets = drawings.Sheets();
    ASSERT_EQ(TitleText(sheets.wheel, "DESIGNATION"), "ГП.01.001");

    EXPECT_TRUE(AnswerModals([&] {
                    Enter(drawings, "wheelDesignation", QStringLiteral("ГП.05.100"));
                    Enter(drawings, "developer", QStringLiteral("Петров"));
                }).empty());
    EXPECT_EQ(TitleText(sheets.wheel, "DESIGNATION"), "ГП.05.100");
    EXPECT_EQ(TitleText(sheets.pinion, "DESIGNATION"), "ГП.01.002");
    EXPECT_EQ(TitleText(sheets.wheel, "DEVELOPER"), "Петров");
    EXPECT_EQ(TitleText(sheets.pinion, "DEVELOPER"), "Петров");
    // The engineer's zoom stays; the run's files stay as the run wrote them.
    EXPECT_DOUBLE_EQ(view.Scale(), zoom);
    EXPECT_EQ(Bytes(firstRun.filePath(QStringLiteral("wheel.dxf"))), firstWheel);

    RunAndShowDrawings();
    EXPECT_EQ(TitleText(sheets.wheel, "DESIGNATION"), "ГП.05.100");
    EXPECT_EQ(Bytes(dir.filePath(QStringLiteral("dwg2/wheel.dxf"))), DxfText(sheets.wheel));
    EXPECT_EQ(Bytes(dir.filePath(QStringLiteral("dwg2/pinion.dxf"))), DxfText(sheets.pinion));
}

TEST_F(DrawingsOfARun, ATextTooLongForItsCellShowsTheErrorAndKeepsTheSheets) {
    DrawingWindow& drawings = RunAndShowDrawings();
    const std::string wheel = DxfText(drawings.Sheets().wheel);
    const std::string pinion = DxfText(drawings.Sheets().pinion);

    const QString name = QStringLiteral("Константинопольский-Задунайский");
    const std::vector<ShownBox> boxes = AnswerModals([&] { Enter(drawings, "developer", name); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
    // The message names the field and the text.
    EXPECT_TRUE(boxes[0].text.contains(u"«Разработал»")) << boxes[0].text.toStdString();
    EXPECT_TRUE(boxes[0].text.contains(name)) << boxes[0].text.toStdString();
    EXPECT_EQ(DxfText(drawings.Sheets().wheel), wheel);
    EXPECT_EQ(DxfText(drawings.Sheets().pinion), pinion);
    EXPECT_EQ(drawings.findChild<QLineEdit*>(QStringLiteral("developer"))->text(), u"");
    EXPECT_EQ(DrawingWindow().Inputs().developer, "");
}

}  // namespace
}  // namespace gearpair

int main(int argc, char** argv) {
    return gearpair::RunWindowTests(argc, argv);
}
