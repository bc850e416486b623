// The drawing window's strip of the engineer's title-block texts: six labelled fields in as
// few rows as the window's width allows. Enter and Escape in a field go to the window as its
// keys, Tab moves along the rows, and a field that loses the focus is reported to the window.
#pragma once

#include <windows.h>

#include <array>

#include "drawing/drawings.h"

namespace gearpair::win {

class TitleFields {
public:
    TitleFields() = default;
    TitleFields(const TitleFields&) = delete;
    TitleFields& operator=(const TitleFields&) = delete;
    ~TitleFields();

    // Makes the fields in `parent` with the identifiers from `firstId` on.
    void Make(HWND parent, HFONT font, int firstId);

    // Places the fields across `width` pixels; the strip's height.
    int Arrange(int width);

    // Shows the texts; an absent material is an empty field.
    void Show(const DrawingInputs& inputs);
    // The fields' texts; an empty material field is the steel chosen by hardness. A text the
    // check of a user's text refuses throws UserTextError naming the first such field.
    DrawingInputs Inputs() const;

    // Whether a control identifier is one of the fields'.
    bool Holds(int id) const { return id >= firstId_ && id < firstId_ + 6; }

private:
    static LRESULT CALLBACK FieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR data);

    HWND parent_ = nullptr;
    int firstId_ = 0;
    std::array<HWND, 6> labels_{};
    std::array<HWND, 6> fields_{};
};

}  // namespace gearpair::win
