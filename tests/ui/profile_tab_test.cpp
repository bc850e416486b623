// The profile tab: both gears of a run in one fitted view, and its saves, one of them failing,
// two of them queued while a modal dialog runs.
#include "ui/profile_tab.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/design_run.h"
#include "tests/ui/window_test_support.h"

namespace gearpair {
namespace {

std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A binary STL whole: the header, the triangle count and that many triangles.
bool WholeStl(const std::string& stl) {
    if (stl.size() < 84) return false;
    std::uint32_t count = 0;
    for (int k = 3; k >= 0; --k) count = count << 8 | static_cast<unsigned char>(stl[80 + k]);
    return count > 0 && stl.size() == 84 + 50 * std::size_t{count};
}

// Saves one model file and waits for the save's end: its error, empty when written.
QString SaveAndWait(ProfileTab& tab, ProfileTab::ModelFile file,
                    const std::filesystem::path& path) {
    QSignalSpy saved(&tab, &ProfileTab::ModelSaved);
    if (!tab.SaveModel(file, QString::fromStdString(path.string()))) return QStringLiteral("none");
    if (!saved.wait(30000)) return QStringLiteral("no end");
    return saved.at(0).at(1).toString();
}

TEST(ProfileTab, FitsBothGearsAndSavesEachModelFile) {
    GearSession session;
    ASSERT_TRUE(RunDesign(session, DesignInputs{}).completed);
    QTemporaryDir dir;
    const std::filesystem::path base(dir.path().toStdString());
    ProfileTab tab;
    tab.resize(800, 400);
    tab.SetDesign(session.design, DesignProductsOf(session.design).parts, dir.path(), {});
    // The wheel's tip, the centre distance and the pinion's tip across, two wheel tips high.
    const double across = (session.design.da2 + session.design.da1) / 2 + session.design.aw;
    EXPECT_DOUBLE_EQ(tab.Scale(), std::min(776 / across, 376 / session.design.da2));
    // A pair that cannot be made: the sheets' warning across the top, the pair fitted under it.
    const std::string warning = "Передача неосуществима: диаметр впадин шестерни df1 = 33,39 мм";
    tab.SetDesign(session.design, DesignProductsOf(session.design).parts, dir.path(), warning);
    const auto* line = tab.findChild<QLabel*>(QStringLiteral("profileWarning"));
    ASSERT_NE(line, nullptr);
    EXPECT_FALSE(line->isHidden());
    EXPECT_EQ(line->text().toStdString(), warning);
    const int top = line->heightForWidth(800);
    EXPECT_GT(top, 0);
    EXPECT_DOUBLE_EQ(tab.Scale(), std::min(776 / across, (376.0 - top) / session.design.da2));

    EXPECT_EQ(SaveAndWait(tab, ProfileTab::ModelFile::WheelDxf, base / "w.dxf"), u"");
    EXPECT_NE(Bytes(base / "w.dxf").find("\nTEETH\n"), std::string::npos);
    EXPECT_EQ(SaveAndWait(tab, ProfileTab::ModelFile::PinionStl, base / "p.stl"), u"");
    EXPECT_TRUE(WholeStl(Bytes(base / "p.stl")));

    // A directory standing at the name: the file layer's message in the error box, nothing
    // written.
    std::filesystem::create_directory(base / "taken.stl");
    QString error;
    const std::vector<ShownBox> boxes = AnswerModals(
        [&] { error = SaveAndWait(tab, ProfileTab::ModelFile::WheelStl, base / "taken.stl"); });
    EXPECT_TRUE(error.contains(QStringLiteral("taken.stl"))) << error.toStdString();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("taken.stl")));
    EXPECT_TRUE(std::filesystem::is_directory(base / "taken.stl"));
}

// Two saves given back to back, the window closed, then a modal dialog runs while they do (the
// results dialog after OK): both files are written whole while the dialog is still open, and
// the busy cursor goes when they end. The first is the wheel's STEP model
// (seconds of the modelling kernel) where the build has the writer, else its STL.
TEST(ProfileTab, QueuedSavesWriteTheirFilesWhileAModalDialogRuns) {
    GearSession session;
    ASSERT_TRUE(RunDesign(session, DesignInputs{}).completed);
    QTemporaryDir dir;
    const std::filesystem::path base(dir.path().toStdString());
    ProfileTab tab;
    tab.SetDesign(session.design, DesignProductsOf(session.design).parts, dir.path(), {});
    tab.show();
    QSignalSpy saved(&tab, &ProfileTab::ModelSaved);
#ifdef GEARPAIR_STEP
    const ProfileTab::ModelFile firstFile = ProfileTab::ModelFile::WheelStep;
    const std::filesystem::path first = base / "wheel.step";
    const auto wholeFirst = [](const std::string& step) {
        return step.rfind("ISO-10303-21;", 0) == 0 &&
               step.find("END-ISO-10303-21;") != std::string::npos;
    };
#else
    const ProfileTab::ModelFile firstFile = ProfileTab::ModelFile::WheelStl;
    const std::filesystem::path first = base / "wheel.stl";
    const auto wholeFirst = WholeStl;
#endif
    const std::filesystem::path second = base / "pinion.stl";

    // OK pressed on the input form while the saves run: the results dialog's modal loop, from
    // the next event on; it is closed once both files are there, or after 30 s.
    QDialog dialog;
    bool dialogRan = false;
    bool wholeWhileOpen = false;
    QElapsedTimer open;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        // The replacement is atomic: a file there is whole, or the test fails below.
        const bool there = std::filesystem::exists(first) && std::filesystem::exists(second);
        if (there) wholeWhileOpen = wholeFirst(Bytes(first)) && WholeStl(Bytes(second));
        if (there || open.elapsed() > 30000) dialog.reject();
    });
    QTimer::singleShot(0, [&] {
        dialogRan = true;
        open.start();
        poll.start(20);
        dialog.exec();
    });

    ASSERT_TRUE(tab.SaveModel(firstFile, QString::fromStdString(first.string())));
    ASSERT_TRUE(
        tab.SaveModel(ProfileTab::ModelFile::PinionStl, QString::fromStdString(second.string())));
    tab.close();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);

    // The dialog runs within this wait.
    for (int i = 0; i < 400 && saved.count() < 2; ++i) saved.wait(100);
    EXPECT_TRUE(dialogRan);
    EXPECT_TRUE(wholeWhileOpen);
    // The ends are told in order, and the cursor is restored with the last.
    ASSERT_EQ(saved.count(), 2);
    EXPECT_EQ(saved.at(0).at(0).toString().toStdString(), first.string());
    EXPECT_EQ(saved.at(1).at(0).toString().toStdString(), second.string());
    EXPECT_EQ(saved.at(0).at(1).toString(), u"");
    EXPECT_EQ(saved.at(1).at(1).toString(), u"");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // No temporary file stays.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(base),
                            std::filesystem::directory_iterator()),
              2);
}

}  // namespace
}  // namespace gearpair

int main(int argc, char** argv) {
    return gearpair::RunWindowTests(argc, argv);
}
