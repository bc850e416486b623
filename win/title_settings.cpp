// The title-block texts in the registry.
#include "win/title_settings.h"

#include <windows.h>

#include <string>

#include "app/title_texts.h"
#include "win/controls.h"

namespace gearpair::win {

namespace {

std::wstring SettingsKey() {
    return L"Software\\gearpair\\" + Wide(kTitleSettingsGroup);
}

}  // namespace

DrawingInputs RememberedTitleTexts() {
    DrawingInputs inputs;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, SettingsKey().c_str(), 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS) {
        return inputs;
    }
    for (const TitleFieldText& field : kTitleFields) {
        const std::wstring name = Wide(field.key);
        DWORD type = 0;
        DWORD bytes = 0;
        if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
            type != REG_SZ) {
            continue;
        }
        std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        if (RegQueryValueExW(key, name.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(text.data()), &bytes) != ERROR_SUCCESS) {
            continue;
        }
        // The stored string may or may not end in its terminator.
        text.resize(bytes / sizeof(wchar_t));
        while (!text.empty() && text.back() == L'\0') text.pop_back();
        // A text the check of a user's text refuses leaves the field's default.
        SetRememberedTitleText(inputs, field.field, Narrow(text));
    }
    RegCloseKey(key);
    return inputs;
}

void RememberTitleTexts(const DrawingInputs& inputs) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKey().c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    for (const TitleFieldText& field : kTitleFields) {
        const std::wstring text = Wide(TitleText(inputs, field.field));
        RegSetValueExW(key, Wide(field.key).c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
}

}  // namespace gearpair::win
