#include "single_instance.h"

#include <cwchar>

InstanceCheck HoldInstanceMarker(const std::wstring& markerPath) {
    const HANDLE marker = CreateFileW(markerPath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (marker == INVALID_HANDLE_VALUE) {
        return GetLastError() == ERROR_SHARING_VIOLATION ? InstanceCheck::AnotherInstance
                                                         : InstanceCheck::OnlyInstance;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) {
        const char zero = 0;
        DWORD written = 0;
        WriteFile(marker, &zero, 1, &written, nullptr);
    }
    return InstanceCheck::OnlyInstance;
}

void RestoreRunningInstance(long long windowNumber, const wchar_t* mainWindowClass) {
    if (windowNumber <= 0 || windowNumber > 0xFFFFFFFFLL) return;
    const HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(windowNumber));
    wchar_t className[64] = {};
    if (!IsWindow(window) || !GetClassNameW(window, className, 64) || std::wcscmp(className, mainWindowClass) != 0)
        return;
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_SYSCOMMAND, SC_RESTORE, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, 3000, &result);
}
