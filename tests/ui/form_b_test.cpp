// The details window: the report as the user sees and edits it, hiding and showing again, and
// saving it as "result.rtf" in the current directory.
#include "ui/form_b.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextEdit>
#include <QWindow>

#include "tests/ui/window_test_support.h"

namespace gearpair {
namespace {

class FormB : public ProgramWindows {
protected:
    FormB() {
        for (const char* line : {"Введённые значения", "uz  2,800", "", kRecalculationLine,
                                 "Передаваемые результаты", "(Ёё №) {x}\\y"}) {
            session.report.Add(line);
        }
        session.handoffList = "(aw 200.000) ";
        formB.ShowReport();
        formB.show();
    }

    void Trigger(const char* action) { formB.findChild<QAction*>(action)->trigger(); }

    // Types at the end of the report, as a user who clicked there.
    void AppendByKeyboard(const QString& text) {
        rtf->moveCursor(QTextCursor::End);
        TypeText(rtf, text);
    }

    // The paragraphs unrtf reads from a file, runs of blanks taken as one (unrtf collapses
    // them itself).
    QStringList ReadBack(const QString& path) {
        const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
        if (unrtf.isEmpty()) {
            ADD_FAILURE() << "unrtf is not installed (scripts/setup installs it)";
            return {};
        }
        QProcess process;
        process.start(unrtf, {QStringLiteral("--html"), path});
        process.waitForFinished();
        QString html = QString::fromUtf8(process.readAllStandardOutput());
        html = html.mid(html.indexOf(QStringLiteral("<body>")));
        static const QRegularExpression entity(QStringLiteral("&#(\\d+);"));
        for (auto match = entity.match(html); match.hasMatch(); match = entity.match(html)) {
            html.replace(match.capturedStart(), match.capturedLength(),
                         QChar(match.captured(1).toInt()));
        }
        html.remove(QRegularExpression(QStringLiteral("<(?!br>)[^>]*>")));
        html.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        QStringList lines = html.split(QStringLiteral("<br>"));
        for (QString& line : lines) line = Collapsed(line);
        while (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
        return lines;
    }

    static QString Collapsed(QString text) {
        return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "))
            .trimmed();
    }

    static constexpr char kRecalculationLine[] =
        "                            --====ПЕРЕРАСЧЁТ====--  1,000";
    QTextEdit* rtf = formB.findChild<QTextEdit*>("rtf");
};

TEST_F(FormB, HoldsTheReportAndTheHiddenHandoffList) {
    EXPECT_EQ(formB.windowTitle(), u"Подробности расчёта");
    EXPECT_EQ(rtf->document()->blockCount(), 6);
    EXPECT_EQ(rtf->document()->findBlockByNumber(3).text(), QString::fromUtf8(kRecalculationLine));
    EXPECT_EQ(rtf->font().pixelSize(), 19);
    auto* memo = formB.findChild<QPlainTextEdit*>("MemoF");
    EXPECT_EQ(memo->toPlainText(), u"(aw 200.000) ");
    EXPECT_EQ(memo->height(), 0);
    QStringList menu;
    for (QAction* action : formB.findChild<QMenu*>("PopupMenu1")->actions()) menu << action->text();
    EXPECT_EQ(menu, (QStringList{"Close", "Maximize", "Save"}));
}

TEST_F(FormB, OuterSizeIncludesTheFrame) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&formB));
    ASSERT_FALSE(formB.windowHandle()->frameMargins().isNull());
    EXPECT_EQ(formB.frameGeometry(), QRect(213, 125, 544, 375));
}

TEST_F(FormB, ClosingHidesTheWindowAndKeepsTheUsersEdits) {
    AppendByKeyboard(QStringLiteral(" правка"));
    Trigger("Close1");
    EXPECT_FALSE(formB.isVisible());
    formB.ShowInFront();
    formB.close();  // the title bar's close button
    formB.ShowInFront();
    EXPECT_TRUE(formB.isVisible());
    EXPECT_EQ(formB.ReportLines().back(), "(Ёё №) {x}\\y правка");
    // The next run goes on from the report the user sees.
    formB.TakeEdits();
    EXPECT_EQ(session.report.Lines().back(), "(Ёё №) {x}\\y правка");
}

TEST_F(FormB, SaveWritesWhatTheControlHoldsAsAnRtfDocument) {
    AppendByKeyboard(QStringLiteral(" правка"));
    QFile old(QStringLiteral("result.rtf"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    EXPECT_TRUE(AnswerModals([&] { Trigger("Save1"); }).empty());
    QStringList expected;
    for (const std::string& line : formB.ReportLines()) {
        expected << Collapsed(QString::fromStdString(line));
    }
    expected.removeAll(QString());  // unrtf drops empty paragraphs
    QStringList read = ReadBack(QStringLiteral("result.rtf"));
    read.removeAll(QString());
    EXPECT_EQ(read, expected);
    EXPECT_EQ(expected.back(), u"(Ёё №) {x}\\y правка");
}

#ifndef _WIN32
TEST_F(FormB, SaveThroughASymlinkedResultWritesItsTargetAndKeepsTheLink) {
    const QDir here(QString::fromStdString(dir.Path().string()));
    ASSERT_TRUE(here.mkpath(QStringLiteral("kept")));
    QFile old(here.filePath(QStringLiteral("kept/report.rtf")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    ASSERT_TRUE(QFile::link(QStringLiteral("kept/report.rtf"), QStringLiteral("result.rtf")));
    EXPECT_TRUE(AnswerModals([&] { Trigger("Save1"); }).empty());
    const QFileInfo link(here.filePath(QStringLiteral("result.rtf")));
    EXPECT_TRUE(link.isSymLink());
    EXPECT_EQ(link.symLinkTarget(), here.filePath(QStringLiteral("kept/report.rtf")));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_TRUE(old.readAll().startsWith("{\\rtf1"));
    EXPECT_EQ(here.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{"kept", "result.rtf"}));
}
#endif

TEST_F(FormB, SaveThatCannotCreateTheFileShowsTheErrorBox) {
    ASSERT_TRUE(QDir(DirPath()).mkdir(QStringLiteral("result.rtf")));
    const auto shown = AnswerModals([&] { Trigger("Save1"); });
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"Cannot create file result.rtf.");
    EXPECT_EQ(shown[0].icon, QMessageBox::Critical);
    EXPECT_EQ(shown[0].title, u"Расчёт цилиндрической передачи");
    EXPECT_EQ(formB.ReportLines().size(), 6u);
    EXPECT_TRUE(QFileInfo(FilePath(QStringLiteral("result.rtf"))).isDir());
}

}  // namespace
}  // namespace gearpair

int main(int argc, char** argv) {
    return gearpair::RunWindowTests(argc, argv);
}
