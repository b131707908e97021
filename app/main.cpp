// Numerel.exe: one main window, one GUI thread.
#include <windows.h>

#include "drop_target.h"
#include "main_window.h"
#include "message_loop.h"
#include "program_files.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    // The program's files are named relative to its own folder.
    const std::wstring folder = ExecutableFolder();
    SetCurrentDirectoryW(folder.c_str());
    // Drag and drop needs OLE on this thread for the life of the window.
    const OleSession ole;
    MainWindow window;
    switch (window.Create(instance, folder, true)) {
    case StartResult::AnotherInstance:
        return 0;
    case StartResult::Failed:
        return 1;
    case StartResult::Running:
        break;
    }
    window.Show(showCommand);
    return MessageLoop::ForThisThread().Run();
}
