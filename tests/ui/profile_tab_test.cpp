// The profile tab: both gears of a run in one fitted view, and its saves, one of them failing.
#include "ui/profile_tab.h"

#include <QLabel>
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

    ASSERT_TRUE(tab.SaveModel(ProfileTab::ModelFile::WheelDxf,
                              QString::fromStdString((base / "w.dxf").string())));
    EXPECT_NE(Bytes(base / "w.dxf").find("\nTEETH\n"), std::string::npos);
    ASSERT_TRUE(tab.SaveModel(ProfileTab::ModelFile::PinionStl,
                              QString::fromStdString((base / "p.stl").string())));
    const std::string stl = Bytes(base / "p.stl");
    ASSERT_GT(stl.size(), 84u);
    std::uint32_t count = 0;
    for (int k = 3; k >= 0; --k) count = count << 8 | static_cast<unsigned char>(stl[80 + k]);
    EXPECT_EQ(stl.size(), 84 + 50 * std::size_t{count});

    // A directory standing at the name: the file layer's message, nothing written.
    std::filesystem::create_directory(base / "taken.stl");
    bool written = true;
    const std::vector<ShownBox> boxes = AnswerModals([&] {
        written = tab.SaveModel(ProfileTab::ModelFile::WheelStl,
                                QString::fromStdString((base / "taken.stl").string()));
    });
    EXPECT_FALSE(written);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("taken.stl")));
    EXPECT_TRUE(std::filesystem::is_directory(base / "taken.stl"));
}

#ifdef GEARPAIR_STEP
// The wheel's STEP model takes seconds: meanwhile the events are processed under the busy
// cursor, and a window closed then leaves the whole file and no temporary one.
TEST(ProfileTab, WritesTheStepModelWhileTheWindowProcessesEvents) {
    GearSession session;
    ASSERT_TRUE(RunDesign(session, DesignInputs{}).completed);
    QTemporaryDir dir;
    const std::filesystem::path base(dir.path().toStdString());
    ProfileTab tab;
    tab.SetDesign(session.design, DesignProductsOf(session.design).parts, dir.path(), {});
    tab.show();

    int ticks = 0;
    int busy = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        busy += QApplication::overrideCursor() &&
                QApplication::overrideCursor()->shape() == Qt::BusyCursor;
        tab.close();
    });
    timer.start(10);
    const QString path = QString::fromStdString((base / "wheel.step").string());
    ASSERT_TRUE(tab.SaveModel(ProfileTab::ModelFile::WheelStep, path));
    EXPECT_GE(ticks, 5);
    EXPECT_EQ(busy, ticks);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(tab.isVisible());

    const std::string step = Bytes(base / "wheel.step");
    EXPECT_EQ(step.rfind("ISO-10303-21;", 0), 0u);
    EXPECT_NE(step.find("END-ISO-10303-21;"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(base),
                            std::filesystem::directory_iterator()),
              1);
}
#endif

}  // namespace
}  // namespace gearpair

int main(int argc, char** argv) {
    return gearpair::RunWindowTests(argc, argv);
}
