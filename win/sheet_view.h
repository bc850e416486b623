// One sheet on screen, painted from the same marks as the PDF: fitted to the view when it
// opens, zoomed about the cursor by the mouse wheel, moved by dragging with the left button,
// fitted again on a double click. Painted off screen first, so that nothing flickers.
#pragma once

#include <windows.h>

#include <vector>

#include "app/paper_zoom.h"
#include "drawing/sheet.h"
#include "drawing/sheet_marks.h"
#include "win/window.h"

namespace gearpair::win {

class SheetView : public Window {
public:
    SheetView() = default;
    ~SheetView() override;

    // Makes the view, hidden, as a child of `parent`, which receives the keys and the
    // WM_CONTEXTMENU of a right click.
    void Make(HWND parent);

    // The sheet to show (owned by the caller, kept alive while shown): fitted to the view, or,
    // `keepZoom`, where it was (a redrawn sheet the engineer may be looking at closely).
    void SetSheet(const Sheet* sheet, bool keepZoom = false);

    void Fit();
    // Zooms by `factor` about a view position (pixels), or about the cursor where it is over
    // the view and the view's centre elsewhere.
    void ZoomAt(POINT at, double factor);
    void ZoomAtCursor(double factor);

    const PaperZoom& Zoom() const { return zoom_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc, const RECT& client) const;
    void Repaint();

    const Sheet* sheet_ = nullptr;
    std::vector<Mark> marks_;
    PaperZoom zoom_;
    bool dragging_ = false;
    POINT dragFrom_{};
    int wheelRest_ = 0;  // eighths of a degree not yet turned into a zoom step
};

}  // namespace gearpair::win
