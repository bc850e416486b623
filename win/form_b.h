// The details window: the report of the last run in a rich-edit control, with a right-click
// menu to close it, maximise it and save it as "result.rtf" in the current directory.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "engine/gear_design.h"
#include "win/window.h"

namespace gearpair::win {

class TFormB : public Window {
public:
    explicit TFormB(GearSession& session);
    ~TFormB() override;

    // The session's report into the control.
    void ShowReport();
    // The user's edits of the report, if any, become the session's report.
    void TakeEdits();
    void ShowInFront();
    // The report as the control holds it, one text per paragraph.
    std::vector<std::string> ReportLines() const;
    void Save1Click();

    HWND Editor() const { return rtf_; }

    // The right-click menu's commands.
    static constexpr int kClose1 = 101;
    static constexpr int kMaximize1 = 102;
    static constexpr int kSave1 = 103;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    GearSession& session_;
    HFONT font_;
    HWND rtf_ = nullptr;
    HMENU popupMenu1_ = nullptr;
};

}  // namespace gearpair::win
