// The desktop program as it starts: Qt's own texts in Russian, and failed writes that do not end
// the process.
#include "ui/program.h"

#include <csignal>

#include "tests/ui/window_test_support.h"

namespace gearpair {
namespace {

TEST(Program, TranslatesQtsOwnTextsAndOutlivesFailedWrites) {
    const gearpair::testing::TempDir dir;
    const Program program(QString::fromStdString((dir.Path() / "gearpair").string()));
    // The standard buttons and file dialogs Qt draws itself.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Отмена");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"), u"Сохранить как");
    EXPECT_EQ(std::signal(SIGPIPE, SIG_DFL), SIG_IGN);
    EXPECT_EQ(std::signal(SIGXFSZ, SIG_DFL), SIG_IGN);
}

// Desktops match the windows to the menu entry by the window class and the application id,
// and show the entry's icon on each of them.
TEST(Program, WindowsCarryTheDesktopEntrysNameAndIcon) {
    const gearpair::testing::TempDir dir;
    Program program(QString::fromStdString((dir.Path() / "gearpair").string()));
    EXPECT_EQ(QCoreApplication::applicationName(), u"io.github.gearpair.Gearpair");
    EXPECT_EQ(QGuiApplication::desktopFileName(), u"io.github.gearpair.Gearpair");
    EXPECT_EQ(QApplication::windowIcon().availableSizes(), (QList<QSize>{{48, 48}, {128, 128}}));
    for (QWidget* window : std::initializer_list<QWidget*>{
             &program.InputForm(), &program.DetailsWindow(), &program.ResultsDialog(),
             &program.Drawings(), &program.Shafts()}) {
        EXPECT_EQ(window->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    }
}

}  // namespace
}  // namespace gearpair

int main(int argc, char** argv) {
    return gearpair::RunWindowTests(argc, argv);
}
