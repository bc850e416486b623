// The details window: the calculation report in an editable rich-text control, the hidden
// hand-off list, and the context menu that closes, maximises and saves.
#pragma once

#include <QWidget>

#include <string>
#include <vector>

class QAction;
class QMenu;
class QPlainTextEdit;
class QTextEdit;

namespace gearpair {

struct GearSession;

class TFormB : public QWidget {
    Q_OBJECT

public:
    explicit TFormB(GearSession& session, QWidget* parent = nullptr);

    // Shows the session's report, one paragraph per line, and its hand-off list. The user's
    // edits of the report are replaced.
    void ShowReport();

    // Hands the report as the control holds it back to the session when the user has edited
    // it, so that the next run continues the report the user sees.
    void TakeEdits();

    // The report as the control holds it, one UTF-8 line per paragraph, edits included.
    std::vector<std::string> ReportLines() const;

    // Shows the window, or brings it to the front when it is shown already.
    void ShowInFront();

    void Close1Click();
    void Maximize1Click();
    // Writes "result.rtf" into the current directory; a failure goes to the error box.
    void Save1Click();

protected:
    bool event(QEvent* event) override;

private:
    void rtfContextMenu(const QPoint& position);
    void FitOuterSize();

    GearSession& session_;
    QTextEdit* rtf;
    QPlainTextEdit* MemoF;
    QMenu* PopupMenu1;
    QAction* Close1;
    QAction* Maximize1;
    QAction* Save1;
    bool outerSizeFitted_ = false;
};

}  // namespace gearpair
