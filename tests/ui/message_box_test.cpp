// The message box and the error box: caption, icon, button and plain text.
#include "ui/message_box.h"

#include "tests/ui/window_test_support.h"

namespace gearpair {
namespace {

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
