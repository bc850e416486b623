// Program start: the rich-edit library and the common controls, the five windows, the input
// form shown, the message loop.
#include <windows.h>

#include <commctrl.h>

#include "engine/gear_design.h"
#include "win/drawing_window.h"
#include "win/form_a.h"
#include "win/form_b.h"
#include "win/form_d.h"
#include "win/shafts_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    // The rich-edit window class exists only once its library is loaded.
    LoadLibraryW(L"msftedit.dll");
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    gearpair::GearSession session;
    gearpair::win::TFormB details(session);
    gearpair::win::TFormD results(details);
    gearpair::win::TFormA form(session, details, results);
    gearpair::win::DrawingWindow drawings(form.Handle());
    form.SetDrawingWindow(drawings);
    results.SetDrawingWindow(drawings);
    gearpair::win::ShaftsWindow shafts(form.Handle());
    form.SetShaftsWindow(shafts);
    results.SetShaftsWindow(shafts);
    ShowWindow(form.Handle(), showCommand);
    form.FormShow();

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab, the arrows and Enter move between and press the controls of the form; in the
        // variants window Enter chooses the selected row and Escape closes it.
        if (IsDialogMessageW(form.Handle(), &message)) continue;
        if (const HWND variants = form.VariantsHandle();
            variants && IsDialogMessageW(variants, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
