// Numerel.exe: one main window, one GUI thread.
#include <windows.h>

#include <string>

#include "main_window.h"
#include "message_loop.h"

namespace {

// The program's files are named relative to its own folder.
void EnterProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    const size_t slash = path.find_last_of(L"\\/");
    if (slash != std::wstring::npos) SetCurrentDirectoryW(path.substr(0, slash).c_str());
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    EnterProgramFolder();
    MainWindow window;
    if (!window.Create(instance, true)) return 1;
    window.Show(showCommand);
    return RunMessageLoop(window);
}
