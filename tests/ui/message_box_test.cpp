// The message box and the error box: caption, icon, button and plain text, every line of a
// message shown as written, and room for the caption.
#include "ui/message_box.h"

#include <QLabel>
#include <QScreen>

#include "engine/design_run.h"
#include "tests/ui/window_test_support.h"

namespace gearpair {
namespace {

// Text lines a label shows: its height in line spacings; -1 when a line is wider than the
// label, so that it is broken or cut.
int ShownLines(const QLabel& label) {
    const QFontMetrics metrics = label.fontMetrics();
    for (const QString& line : label.text().split(u'\n')) {
        if (metrics.horizontalAdvance(line) > label.contentsRect().width()) return -1;
    }
    return qRound(label.contentsRect().height() / double(metrics.lineSpacing()));
}

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

TEST(MessageBoxes, ShowTheNoDataMessageOnItsThreeLines) {
    int lines = 0;
    const auto shown = AnswerModals(
        [] { ShowMessageBox(nullptr, kNoDataMessage); }, {},
        [&](QMessageBox& box) { lines = ShownLines(*box.findChild<QLabel*>("qt_msgbox_label")); });
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(lines, 3);
}

TEST(MessageBoxes, AreWideEnoughForTheCaptionInABoldTitleFace) {
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const int caption = QFontMetrics(titleFont).horizontalAdvance(kApplicationTitle);
    int width = 0;
    AnswerModals([] { ShowMessageBox(nullptr, "Неправильно введено значение"); }, {},
                 [&](QMessageBox& box) { width = box.width(); });
    // and room for the close button
    EXPECT_GE(width, caption + 60);
}

// A text longer than the screen is wide wraps inside a box that leaves room for its frame.
TEST(MessageBoxes, LongTextWrapsWithinTheScreen) {
    QString text;
    for (int word = 0; word < 80; ++word) text += QStringLiteral("длинное ");
    int width = 0;
    int screenWidth = 0;
    bool wrapped = false;
    AnswerModals([&] { ShowErrorBox(nullptr, text.toStdString()); }, {},
                 [&](QMessageBox& box) {
                     width = box.width();
                     screenWidth = box.screen()->availableGeometry().width();
                     const auto* label = box.findChild<QLabel*>("qt_msgbox_label");
                     wrapped = label->wordWrap() &&
                               label->height() >= label->heightForWidth(label->width()) &&
                               label->height() > 2 * label->fontMetrics().lineSpacing();
                 });
    EXPECT_LE(width, screenWidth - 48);
    EXPECT_TRUE(wrapped);
}

}  // namespace
}  // namespace gearpair

int main(int argc, char** argv) {
    return gearpair::RunWindowTests(argc, argv);
}
