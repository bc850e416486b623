// The message box and the error box: caption, icon, button, and the error box's full stop.
#include "ui/message_box.h"

#include "tests/ui/window_test_support.h"

namespace gearpair {
namespace {

struct Ending {
    const char* name;
    const char* message;
    const char* shown;
};

class ErrorBoxTextTest : public testing::TestWithParam<Ending> {};

TEST_P(ErrorBoxTextTest, AppendsAFullStopAfterCharactersThatSortAboveIt) {
    EXPECT_EQ(ErrorBoxText(QString::fromUtf8(GetParam().message)),
              QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorBoxTextTest,
    testing::Values(Ending{"FileName", "Cannot create file result.rtf",
                           "Cannot create file result.rtf."},
                    Ending{"Digit", "I/O error 28", "I/O error 28."},
                    Ending{"Conversion", "'abc' is not a valid floating point value",
                           "'abc' is not a valid floating point value."},
                    Ending{"Quote", "'abc'", "'abc'"}, Ending{"Cyrillic", "Ошибка", "Ошибка."},
                    Ending{"Slash", "c:/", "c:/."}, Ending{"FullStop", "Disk full.", "Disk full."},
                    Ending{"Hyphen", "a-", "a-"}, Ending{"Parenthesis", "(x)", "(x)"},
                    Ending{"Blank", "x ", "x "}, Ending{"Empty", "", ""}),
    [](const testing::TestParamInfo<Ending>& info) { return info.param.name; });

TEST(MessageBoxes, ShowTheTextAsPlainTextUnderTheApplicationTitle) {
    Qt::TextFormat format = Qt::RichText;
    const auto shown = AnswerModals(
        [] {
            ShowMessageBox(nullptr, "<b>a</b>\rb");
            ShowErrorBox(nullptr, "Floating point overflow");
        },
        {}, [&](QMessageBox& box) { format = box.textFormat(); });
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, u"<b>a</b>\nb");
    EXPECT_EQ(shown[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(shown[1].text, u"Floating point overflow.");
    EXPECT_EQ(shown[1].icon, QMessageBox::Critical);
    for (const ShownBox& box : shown) {
        EXPECT_EQ(box.title, u"Расчёт цилиндрической передачи");
        EXPECT_EQ(box.buttons, QMessageBox::Ok);
    }
    EXPECT_EQ(format, Qt::PlainText);
}

}  // namespace
}  // namespace gearpair

int main(int argc, char** argv) {
    return gearpair::RunWindowTests(argc, argv);
}
