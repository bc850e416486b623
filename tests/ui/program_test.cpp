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

}  // namespace
}  // namespace gearpair

int main(int argc, char** argv) {
    return gearpair::RunWindowTests(argc, argv);
}
