// Drives the Windows desktop program in real windows, as a user at the keyboard would, and
// prints what its windows show, for tests/win/windows_program_test.sh.
//   window_driver run PROGRAM [ID=TEXT]...
//                                    the fields of the given control identifiers set to the
//                                    texts, Enter on the form; prints the results dialog as
//                                    "caption: value" lines; "Подробно...", Save; OK.
//   window_driver show PROGRAM        as run with the defaults, each window left on the screen
//                                    for four seconds (for screenshots)
//   window_driver drawings PROGRAM [PAUSE [ID=TEXT]...]
//                                    the defaults (or the fields as for run) run, "Чертежи..."
//                                    in the results dialog;
//                                    prints the drawing window's title, "beside" when it does
//                                    not cover the dialog, and "painted" when the shown sheet's
//                                    view holds white paper and dark ink on its grey; the
//                                    windows stay PAUSE seconds (for screenshots); "Петров"
//                                    entered as the developer, OK; prints the developer's
//                                    field of the next session.
//   window_driver shafts PROGRAM [PAUSE]
//                                    the defaults run, "Валы..." in the results dialog; prints
//                                    the shafts window's title, "beside" when it does not cover
//                                    the dialog; a click on the second tab, prints "painted" when
//                                    its figure is, and "bearing " with the designation in the
//                                    output shaft's table (the row after the headings of
//                                    "Подшипники"); the window stays PAUSE seconds (for
//                                    screenshots); "abc" in its span field and Enter, prints the
//                                    message and "text kept" when the field still holds "abc";
//                                    "200" and Enter, prints "recalculated" when the first
//                                    bearing's life changes; Escape, prints "closed".
//   window_driver bad-value PROGRAM  four Tabs to the hardness field, "abc", Tab; prints the
//                                    message and "focus kept" when the field has the focus back.
//   window_driver arrangement PROGRAM
//                                    eight Tabs from OK to the speed field, Tab; prints
//                                    "picture ID stop IDS" with the focused picture's identifier
//                                    and those of the pictures in the tab order; Right, prints
//                                    the same; Tab, prints "next " and the focused control's text.
//   window_driver variants PROGRAM   "Варианты" pressed: the window beside the form, the form
//                                    unchanged; prints "rows N", "first " and the first row's
//                                    texts joined by ";"; Home and Enter in the table, prints
//                                    "form " and the width, helix and hardness fields; Escape,
//                                    prints "closed".
// Exit code 0 when every step happened, 1 with the failed step on standard error.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

// The program's identifiers (win/form_a.h, win/form_b.h, win/form_d.h, win/shafts_window.h).
constexpr int kComboBox1 = 1001;
constexpr int kComboBox4 = 1002;
constexpr int kComboBox5 = 1003;
constexpr int kComboBox6 = 1004;
constexpr int kComboBox3 = 1007;
constexpr int kSpeedButton2 = 1008;
constexpr int kVariantsButton = 1012;
constexpr int kVariantsTable = 3001;
constexpr int kSave1 = 103;
constexpr int kBitBtn2 = 2002;
constexpr int kBitBtn3 = 2003;
constexpr int kDeveloperField = 3009;
constexpr int kShaftsButton = 2004;
constexpr int kShaftTabs = 4001;
constexpr int kOutputShaftTable = 4011;
constexpr int kOutputSpanField = 4025;

std::string Narrow(const std::wstring& text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(),
                        length, nullptr, nullptr);
    return narrow;
}

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000,
                        nullptr);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    return name;
}

[[noreturn]] void Fail(const char* step) {
    std::fprintf(stderr, "window_driver: %s\n", step);
    std::exit(1);
}

// Waits up to 30 seconds for a condition, polling.
bool WaitFor(const std::function<bool()>& condition) {
    for (int i = 0; i < 300; ++i) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

// A visible (or, `hiddenToo`, any) top-level window of the process with the given class.
HWND FindWindowOf(DWORD process, const wchar_t* windowClass, bool hiddenToo = false) {
    struct Search {
        DWORD process;
        const wchar_t* windowClass;
        bool hiddenToo;
        HWND found;
    } search{process, windowClass, hiddenToo, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s.process && (s.hiddenToo || IsWindowVisible(window)) &&
                ClassOf(window) == s.windowClass) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND Focus(DWORD thread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

// A key pressed and released in the focused control, through the program's message loop.
void PressKey(DWORD thread, WPARAM key) {
    const HWND focus = Focus(thread);
    if (!focus) Fail("no control has the focus");
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    PostMessageW(focus, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
}

struct Program {
    PROCESS_INFORMATION info{};
    HWND form = nullptr;
};

Program Start(const std::wstring& path) {
    Program program;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + path + L"\"";
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &program.info)) {
        Fail("the program did not start");
    }
    WaitForInputIdle(program.info.hProcess, 30000);
    if (!WaitFor([&] {
            program.form = FindWindowOf(program.info.dwProcessId, L"GearpairFormA");
            return program.form != nullptr;
        })) {
        Fail("no input form");
    }
    // The first showing puts the focus on OK.
    if (!WaitFor([&] { return TextOf(Focus(program.info.dwThreadId)) == L"OK"; })) {
        Fail("OK does not have the focus at start");
    }
    return program;
}

void End(Program& program) {
    if (WaitForSingleObject(program.info.hProcess, 30000) != WAIT_OBJECT_0) {
        TerminateProcess(program.info.hProcess, 2);
        Fail("the program did not end");
    }
    DWORD code = 1;
    GetExitCodeProcess(program.info.hProcess, &code);
    if (code != 0) Fail("the program ended with an error code");
}

// Sets a field as the user would leave it: an item of a fixed list selected, a typed text.
void SetField(HWND form, const std::wstring& assignment) {
    const std::size_t equals = assignment.find(L'=');
    if (equals == std::wstring::npos) Fail("a field is set as ID=TEXT");
    const HWND box = GetDlgItem(form, std::stoi(assignment.substr(0, equals)));
    const std::wstring text = assignment.substr(equals + 1);
    if (!box) Fail("no such field");
    if ((GetWindowLongW(box, GWL_STYLE) & 3) == CBS_DROPDOWNLIST) {
        const LRESULT item = SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                          reinterpret_cast<LPARAM>(text.c_str()));
        if (item == CB_ERR) Fail("no such item in the list");
        SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    } else {
        SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void Run(const std::wstring& path, const std::vector<std::wstring>& fields, bool show = false) {
    const auto pause = [show] {
        if (show) std::this_thread::sleep_for(std::chrono::seconds(4));
    };
    Program program = Start(path);
    const DWORD process = program.info.dwProcessId;
    for (const std::wstring& field : fields) SetField(program.form, field);
    pause();
    PressKey(program.info.dwThreadId, VK_RETURN);
    HWND results = nullptr;
    if (!WaitFor([&] { return (results = FindWindowOf(process, L"GearpairFormD")) != nullptr; })) {
        Fail("no results dialog after Enter");
    }
    std::printf("%s\n", Narrow(TextOf(results)).c_str());
    // The statics in order of their making: the headline, then caption and value by turns.
    std::vector<std::wstring> texts;
    for (const HWND child : Children(results)) {
        if (ClassOf(child) == L"Static" || ClassOf(child) == L"STATIC")
            texts.push_back(TextOf(child));
    }
    if (texts.size() < 13) Fail("the results dialog lacks its texts");
    std::printf("%s\n", Narrow(texts[0]).c_str());
    for (std::size_t row = 0; row < 6; ++row) {
        std::printf("%s: %s\n", Narrow(texts[1 + 2 * row]).c_str(),
                    Narrow(texts[2 + 2 * row]).c_str());
    }
    pause();
    PostMessageW(results, WM_COMMAND, kBitBtn2, 0);
    HWND details = nullptr;
    if (!WaitFor([&] { return (details = FindWindowOf(process, L"GearpairFormB")) != nullptr; })) {
        Fail("no details window after \"Подробно...\"");
    }
    pause();
    DeleteFileW(L"result.rtf");
    PostMessageW(details, WM_COMMAND, kSave1, 0);
    if (!WaitFor([] { return GetFileAttributesW(L"result.rtf") != INVALID_FILE_ATTRIBUTES; })) {
        Fail("no result.rtf after Save");
    }
    PostMessageW(results, WM_COMMAND, IDOK, 0);
    End(program);
}

// The view's client area as the screen shows it: whether it holds white paper and dark ink
// besides its grey background.
bool Painted(HWND view) {
    RECT client{};
    GetClientRect(view, &client);
    if (client.right < 8 || client.bottom < 8) return false;
    // From the screen: another process's window DC has no pixels to read under Wine.
    POINT corner{0, 0};
    ClientToScreen(view, &corner);
    const HDC dc = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(dc);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, client.right, client.bottom, dc, corner.x, corner.y, SRCCOPY);
    GdiFlush();
    std::size_t white = 0;
    std::size_t dark = 0;
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (long i = 0; i < static_cast<long>(client.right) * client.bottom; ++i) {
        const std::uint32_t pixel = pixels[i] & 0xFFFFFF;
        const int sum = static_cast<int>((pixel & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel >> 16));
        if (pixel == 0xFFFFFF) ++white;
        if (sum < 3 * 0x40) ++dark;
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, dc);
    // The fitted sheet takes most of the view; its lines and texts some thousands of pixels.
    const std::size_t all = static_cast<std::size_t>(client.right) * client.bottom;
    return white > all / 4 && dark > 1000;
}

void Drawings(const std::wstring& path, int pauseSeconds, const std::vector<std::wstring>& fields) {
    Program program = Start(path);
    const DWORD process = program.info.dwProcessId;
    for (const std::wstring& field : fields) SetField(program.form, field);
    PressKey(program.info.dwThreadId, VK_RETURN);
    HWND results = nullptr;
    if (!WaitFor([&] { return (results = FindWindowOf(process, L"GearpairFormD")) != nullptr; })) {
        Fail("no results dialog after Enter");
    }
    PostMessageW(results, WM_COMMAND, kBitBtn3, 0);
    HWND drawings = nullptr;
    if (!WaitFor(
            [&] { return (drawings = FindWindowOf(process, L"GearpairDrawings")) != nullptr; })) {
        Fail("no drawing window after \"Чертежи...\"");
    }
    std::printf("%s\n", Narrow(TextOf(drawings)).c_str());
    RECT window{};
    RECT dialog{};
    RECT both{};
    GetWindowRect(drawings, &window);
    GetWindowRect(results, &dialog);
    if (!IntersectRect(&both, &window, &dialog)) std::printf("beside\n");
    HWND view = nullptr;
    for (const HWND child : Children(drawings)) {
        if (ClassOf(child) == L"GearpairSheetView" && IsWindowVisible(child)) view = child;
    }
    if (!view) Fail("no sheet in the drawing window");
    if (WaitFor([&] { return Painted(view); })) std::printf("painted\n");
    std::this_thread::sleep_for(std::chrono::seconds(pauseSeconds));
    // A title-block text taken with Enter is the next session's.
    const HWND developer = GetDlgItem(drawings, kDeveloperField);
    SendMessageW(developer, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Петров"));
    PostMessageW(developer, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(results, WM_COMMAND, IDOK, 0);
    End(program);

    Program next = Start(path);
    HWND hidden = nullptr;
    if (!WaitFor([&] {
            return (hidden = FindWindowOf(next.info.dwProcessId, L"GearpairDrawings", true)) !=
                   nullptr;
        })) {
        Fail("no drawing window in the next session");
    }
    std::printf("%s\n", Narrow(TextOf(GetDlgItem(hidden, kDeveloperField))).c_str());
    PostMessageW(next.form, WM_CLOSE, 0, 0);
    End(next);
}

void BadValue(const std::wstring& path) {
    Program program = Start(path);
    const DWORD thread = program.info.dwThreadId;
    // From OK the tab order goes to "Варианты", wraps to the ratio, then the width, then the
    // hardness.
    for (int tab = 0; tab < 4; ++tab) {
        const HWND before = Focus(thread);
        PressKey(thread, VK_TAB);
        if (!WaitFor([&] { return Focus(thread) != before; })) Fail("Tab did not move the focus");
    }
    const HWND field = GetDlgItem(program.form, kComboBox5);
    const HWND edit = Focus(thread);
    if (GetParent(edit) != field) Fail("four Tabs from OK did not reach the hardness field");
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"abc"));
    PressKey(thread, VK_TAB);
    HWND box = nullptr;
    if (!WaitFor(
            [&] { return (box = FindWindowOf(program.info.dwProcessId, L"#32770")) != nullptr; })) {
        Fail("no message for a value that is not a number");
    }
    for (const HWND child : Children(box)) {
        if (GetDlgCtrlID(child) == 0xFFFF) std::printf("%s\n", Narrow(TextOf(child)).c_str());
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    if (!WaitFor([&] { return !IsWindow(box) && Focus(thread) == edit; })) {
        Fail("the field did not keep the focus");
    }
    std::printf("focus kept\n");
    PostMessageW(program.form, WM_CLOSE, 0, 0);
    End(program);
}

// The pictures' group in the tab order: the focused picture and the pictures that are stops.
void PrintPictures(HWND form, HWND focus) {
    std::string stops;
    for (int id = kSpeedButton2; id < kSpeedButton2 + 3; ++id) {
        if (GetWindowLongW(GetDlgItem(form, id), GWL_STYLE) & WS_TABSTOP) {
            stops += (stops.empty() ? "" : ",") + std::to_string(id);
        }
    }
    std::printf("picture %d stop %s\n", GetDlgCtrlID(focus), stops.c_str());
}

void Arrangement(const std::wstring& path) {
    Program program = Start(path);
    const DWORD thread = program.info.dwThreadId;
    const auto press = [&](WPARAM key) {
        const HWND before = Focus(thread);
        PressKey(thread, key);
        if (!WaitFor([&] { return Focus(thread) != before; }))
            Fail("the key did not move the focus");
        return Focus(thread);
    };
    // From OK: "Варианты", then the seven fields in their order, the speed last.
    HWND focus = nullptr;
    for (int tab = 0; tab < 8; ++tab) focus = press(VK_TAB);
    if (GetParent(focus) != GetDlgItem(program.form, kComboBox3)) {
        Fail("eight Tabs from OK did not reach the speed field");
    }
    PrintPictures(program.form, press(VK_TAB));
    PrintPictures(program.form, press(VK_RIGHT));
    std::printf("next %s\n", Narrow(TextOf(press(VK_TAB))).c_str());
    PostMessageW(program.form, WM_CLOSE, 0, 0);
    End(program);
}

// The text of a list view's cell in another process: the item and its text buffer in that
// process's memory.
std::wstring CellText(HANDLE process, HWND list, int item, int subItem) {
    constexpr int kLength = 512;
    char* remote = static_cast<char*>(VirtualAllocEx(process, nullptr,
                                                     sizeof(LVITEMW) + kLength * sizeof(wchar_t),
                                                     MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!remote) Fail("no memory in the program for a cell's text");
    LVITEMW cell{};
    cell.iSubItem = subItem;
    cell.cchTextMax = kLength;
    cell.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
    WriteProcessMemory(process, remote, &cell, sizeof cell, nullptr);
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item),
                 reinterpret_cast<LPARAM>(remote));
    wchar_t text[kLength] = {};
    ReadProcessMemory(process, cell.pszText, text, sizeof text - sizeof(wchar_t), nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return text;
}

// A click on the tab control's tab `index`, at the middle of its header.
void ClickTab(HANDLE process, HWND tabs, int index) {
    auto* remote = static_cast<RECT*>(
        VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!remote) Fail("no memory in the program for a tab's place");
    SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(remote));
    RECT place{};
    ReadProcessMemory(process, remote, &place, sizeof place, nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    const LPARAM at = MAKELPARAM((place.left + place.right) / 2, (place.top + place.bottom) / 2);
    PostMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(tabs, WM_LBUTTONUP, 0, at);
}

void Shafts(const std::wstring& path, int pauseSeconds) {
    Program program = Start(path);
    const DWORD process = program.info.dwProcessId;
    PressKey(program.info.dwThreadId, VK_RETURN);
    HWND results = nullptr;
    if (!WaitFor([&] { return (results = FindWindowOf(process, L"GearpairFormD")) != nullptr; })) {
        Fail("no results dialog after Enter");
    }
    PostMessageW(results, WM_COMMAND, kShaftsButton, 0);
    HWND window = nullptr;
    if (!WaitFor([&] { return (window = FindWindowOf(process, L"GearpairShafts")) != nullptr; })) {
        Fail("no shafts window after \"Валы...\"");
    }
    std::printf("%s\n", Narrow(TextOf(window)).c_str());
    RECT beside{};
    RECT dialog{};
    RECT both{};
    GetWindowRect(window, &beside);
    GetWindowRect(results, &dialog);
    if (!IntersectRect(&both, &beside, &dialog)) std::printf("beside\n");

    const HWND table = GetDlgItem(window, kOutputShaftTable);
    ClickTab(program.info.hProcess, GetDlgItem(window, kShaftTabs), 1);
    if (!WaitFor([&] { return IsWindowVisible(table) != FALSE; })) {
        Fail("the second tab did not show the output shaft");
    }
    HWND figure = nullptr;
    for (const HWND child : Children(window)) {
        if (ClassOf(child) == L"GearpairSheetView" && IsWindowVisible(child)) figure = child;
    }
    if (!figure) Fail("no figure on the output shaft's tab");
    if (WaitFor([&] { return Painted(figure); })) std::printf("painted\n");
    const auto rows = static_cast<int>(SendMessageW(table, LVM_GETITEMCOUNT, 0, 0));
    int title = 0;
    while (title < rows && CellText(program.info.hProcess, table, title, 0) != L"Подшипники") {
        ++title;
    }
    if (title + 2 >= rows) Fail("no bearings in the output shaft's table");
    std::printf("bearing %s\n",
                Narrow(CellText(program.info.hProcess, table, title + 2, 1)).c_str());
    std::this_thread::sleep_for(std::chrono::seconds(pauseSeconds));

    // A span that is not a number: its message, and the text left for the user to put right.
    const HWND span = GetDlgItem(window, kOutputSpanField);
    SendMessageW(span, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"abc"));
    PostMessageW(span, WM_KEYDOWN, VK_RETURN, 1);
    HWND box = nullptr;
    if (!WaitFor([&] { return (box = FindWindowOf(process, L"#32770")) != nullptr; })) {
        Fail("no message for a span that is not a number");
    }
    for (const HWND child : Children(box)) {
        if (GetDlgCtrlID(child) == 0xFFFF) std::printf("%s\n", Narrow(TextOf(child)).c_str());
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    if (!WaitFor([&] { return !IsWindow(box); })) Fail("the message did not close");
    if (TextOf(span) == L"abc") std::printf("text kept\n");

    // A longer span: the shafts designed again, the bearing's life with it.
    const auto life = [&] { return CellText(program.info.hProcess, table, title + 2, 5); };
    const std::wstring before = life();
    SendMessageW(span, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"200"));
    PostMessageW(span, WM_KEYDOWN, VK_RETURN, 1);
    if (WaitFor([&] { return life() != before && TextOf(span) == L"200"; })) {
        std::printf("recalculated\n");
    }

    PostMessageW(span, WM_KEYDOWN, VK_ESCAPE, 1);
    if (!WaitFor([&] { return !IsWindowVisible(window); })) Fail("Escape did not close the window");
    std::printf("closed\n");
    PostMessageW(results, WM_COMMAND, IDOK, 0);
    End(program);
}

void Variants(const std::wstring& path) {
    Program program = Start(path);
    const DWORD process = program.info.dwProcessId;
    const DWORD thread = program.info.dwThreadId;
    const auto fields = [&] {
        std::wstring texts;
        for (int id = kComboBox1; id <= kComboBox3; ++id) {
            texts += TextOf(GetDlgItem(program.form, id)) + L";";
        }
        return texts;
    };
    const std::wstring before = fields();
    PostMessageW(GetDlgItem(program.form, kVariantsButton), BM_CLICK, 0, 0);
    HWND window = nullptr;
    if (!WaitFor(
            [&] { return (window = FindWindowOf(process, L"GearpairVariants")) != nullptr; })) {
        Fail("no variants window after \"Варианты\"");
    }
    if (TextOf(window) != L"Варианты") Fail("the variants window has another title");
    const HWND table = GetDlgItem(window, kVariantsTable);
    if (!WaitFor([&] { return Focus(thread) == table; })) Fail("the table does not have the focus");
    if (fields() != before) Fail("opening the variants window changed the form");
    RECT form{};
    RECT beside{};
    RECT common{};
    GetWindowRect(program.form, &form);
    GetWindowRect(window, &beside);
    if (IntersectRect(&common, &form, &beside)) Fail("the variants window covers the form");
    if (beside.left < 0 || beside.top < 0 || beside.right > GetSystemMetrics(SM_CXSCREEN) ||
        beside.bottom > GetSystemMetrics(SM_CYSCREEN)) {
        Fail("the variants window is not whole on the screen");
    }

    const auto rows = SendMessageW(table, LVM_GETITEMCOUNT, 0, 0);
    const auto columns = SendMessageW(
        reinterpret_cast<HWND>(SendMessageW(table, LVM_GETHEADER, 0, 0)), HDM_GETITEMCOUNT, 0, 0);
    std::printf("rows %d\n", static_cast<int>(rows));
    std::wstring first;
    for (int column = 0; column < columns; ++column) {
        first += (column ? L";" : L"") + CellText(program.info.hProcess, table, 0, column);
    }
    std::printf("first %s\n", Narrow(first).c_str());

    // Home selects the first row; Enter hands it to the form.
    PressKey(thread, VK_HOME);
    if (!WaitFor([&] {
            return SendMessageW(table, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) ==
                   0;
        })) {
        Fail("Home did not select the first row");
    }
    PressKey(thread, VK_RETURN);
    const std::wstring chosen =
        first.substr(0, first.find(L';', first.find(L';', first.find(L';') + 1) + 1));
    std::wstring taken;
    if (!WaitFor([&] {
            taken = TextOf(GetDlgItem(program.form, kComboBox4)) + L";" +
                    TextOf(GetDlgItem(program.form, kComboBox6)) + L";" +
                    TextOf(GetDlgItem(program.form, kComboBox5));
            return taken == chosen;
        })) {
        Fail("Enter on a row did not fill the form");
    }
    std::printf("form %s\n", Narrow(taken).c_str());

    PressKey(thread, VK_ESCAPE);
    if (!WaitFor([&] { return !IsWindowVisible(window); })) Fail("Escape did not close the window");
    std::printf("closed\n");
    PostMessageW(program.form, WM_CLOSE, 0, 0);
    End(program);
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc < 3)
        Fail(
            "usage: window_driver run|show|drawings|shafts|bad-value|arrangement|variants PROGRAM ...");
    const std::wstring mode = argv[1];
    if (mode == L"run") {
        Run(argv[2], std::vector<std::wstring>(argv + 3, argv + argc));
    } else if (mode == L"show" && argc == 3) {
        Run(argv[2], {}, true);
    } else if (mode == L"drawings") {
        Drawings(argv[2], argc >= 4 ? std::stoi(argv[3]) : 0,
                 std::vector<std::wstring>(argv + std::min(argc, 4), argv + argc));
    } else if (mode == L"shafts" && argc <= 4) {
        Shafts(argv[2], argc == 4 ? std::stoi(argv[3]) : 0);
    } else if (mode == L"bad-value" && argc == 3) {
        BadValue(argv[2]);
    } else if (mode == L"arrangement" && argc == 3) {
        Arrangement(argv[2]);
    } else if (mode == L"variants" && argc == 3) {
        Variants(argv[2]);
    } else {
        Fail("unknown mode");
    }
    return 0;
}
