// The results dialog: the six results of a completed run, OK to end the program,
// "Подробно..." to open the details window, "Чертежи..." and "Валы..." the drawing and the
// shafts windows beside it; modal over the input form.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "app/design_texts.h"
#include "engine/design_run.h"
#include "win/window.h"

namespace gearpair::win {

class DrawingWindow;
class ShaftsWindow;
class TFormB;

class TFormD : public Window {
public:
    explicit TFormD(TFormB& details);
    ~TFormD() override;

    // Shows the results and the warnings' sentences and waits until the dialog is closed;
    // true when it was closed with OK, which ends the program.
    // The heading says whether the pair can be made (`status` Completed or Unbuildable).
    bool Execute(HWND owner, JobStatus status, const ResultTexts& results,
                 const std::vector<std::string>& warnings);

    static constexpr int kBitBtn2 = 2002;       // "Подробно..."
    static constexpr int kBitBtn3 = 2003;       // "Чертежи..."
    static constexpr int kShaftsButton = 2004;  // "Валы..."

    // The window "Чертежи..." opens beside the dialog.
    void SetDrawingWindow(DrawingWindow& drawings) { drawings_ = &drawings; }
    // The window "Валы..." opens beside the dialog.
    void SetShaftsWindow(ShaftsWindow& shafts) { shafts_ = &shafts; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    TFormB& details_;
    HFONT font_;
    HFONT headlineFont_;
    HWND headline_ = nullptr;
    std::array<HWND, kResultFields.size()> values_{};
    HWND warnings_ = nullptr;
    HWND bitBtn1_ = nullptr;
    HWND bitBtn2_ = nullptr;
    HWND bitBtn3_ = nullptr;
    HWND shaftsButton_ = nullptr;
    DrawingWindow* drawings_ = nullptr;
    ShaftsWindow* shafts_ = nullptr;
    bool open_ = false;
    bool ended_ = false;
};

}  // namespace gearpair::win
