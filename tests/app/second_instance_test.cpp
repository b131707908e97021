// Numerel.exe started from one folder, as a user would: a second start
// brings the first window back and ends with exit code 0, and what the
// exit save keeps comes back at the next start.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "main_window_probe.h"
#include "program_folder.h"
#include "resource_ids.h"

namespace {

// Numerel.exe beside the test's build: <build>\app\Numerel.exe.
std::wstring BuiltProgram() {
    const std::wstring tests = ExecutableFolder();
    return tests.substr(0, tests.find_last_of(L"\\/")) + L"\\app\\Numerel.exe";
}

struct Process {
    PROCESS_INFORMATION info = {};
    bool started = false;

    explicit Process(const std::wstring& exe) {
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        std::wstring command = L"\"" + exe + L"\"";
        started = CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                 &info) != FALSE;
    }
    ~Process() {
        if (!started) return;
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info.hProcess, 1);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    bool Ended(DWORD waitMs) const { return WaitForSingleObject(info.hProcess, waitMs) == WAIT_OBJECT_0; }
    DWORD ExitCode() const {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(info.hProcess, &code);
        return code;
    }

    // The process's main window, once it has one.
    HWND MainWindow(DWORD waitMs) const {
        for (DWORD waited = 0; waited < waitMs; waited += 50) {
            for (HWND window : Windows())
                if (ClassOf(window) == kMainWindowClass) return window;
            Sleep(50);
        }
        return nullptr;
    }

    // The process's visible top-level windows as "class: title" lines,
    // which tell what a process that does not end is waiting for.
    std::wstring VisibleWindows() const {
        std::wstring text;
        for (HWND window : Windows()) {
            wchar_t title[256] = {};
            GetWindowTextW(window, title, 256);
            text += ClassOf(window) + L": " + title + L"\n";
        }
        return text;
    }

private:
    struct Listing {
        DWORD process;
        std::vector<HWND> windows;
    };
    static BOOL CALLBACK List(HWND window, LPARAM lParam) {
        auto* listing = reinterpret_cast<Listing*>(lParam);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == listing->process && IsWindowVisible(window)) listing->windows.push_back(window);
        return TRUE;
    }
    std::vector<HWND> Windows() const {
        Listing listing{info.dwProcessId, {}};
        EnumWindows(&Process::List, reinterpret_cast<LPARAM>(&listing));
        return listing.windows;
    }
    static std::wstring ClassOf(HWND window) {
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        return name;
    }
};

std::wstring CopyProgramInto(const ProgramFolder& folder) {
    const std::wstring exe = folder.Path() + L"\\Numerel.exe";
    return CopyFileW(BuiltProgram().c_str(), exe.c_str(), FALSE) ? exe : std::wstring();
}

TEST(SecondInstance, RestoresTheFirstWindowAndEndsWithCodeZero) {
    ProgramFolder folder;
    folder.MakeSettingsFolder();
    // Closing exits without the question.
    folder.WriteSettings("[运行设置]\r\n退出设置=1\r\n");
    const std::wstring exe = CopyProgramInto(folder);
    ASSERT_FALSE(exe.empty());

    Process first(exe);
    ASSERT_TRUE(first.started);
    const HWND window = first.MainWindow(20000);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(window));

    Process second(exe);
    ASSERT_TRUE(second.started);
    ASSERT_TRUE(second.Ended(20000));
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_FALSE(IsIconic(window));
    EXPECT_FALSE(first.Ended(0));

    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(first.Ended(20000));
}

TEST(SecondInstance, BothRunWhenSeveralAreAllowed) {
    ProgramFolder folder;
    folder.WriteSettings("[运行设置]\r\n退出设置=1\r\n[其他设置]\r\n允许多开=真\r\n");
    const std::wstring exe = CopyProgramInto(folder);
    ASSERT_FALSE(exe.empty());

    Process first(exe);
    const HWND one = first.MainWindow(20000);
    ASSERT_NE(one, nullptr);
    Process second(exe);
    const HWND two = second.MainWindow(20000);
    ASSERT_NE(two, nullptr);
    EXPECT_NE(one, two);
    PostMessageW(one, WM_CLOSE, 0, 0);
    PostMessageW(two, WM_CLOSE, 0, 0);
    EXPECT_TRUE(first.Ended(20000)) << first.VisibleWindows();
    EXPECT_TRUE(second.Ended(20000)) << second.VisibleWindows();
    EXPECT_EQ(first.ExitCode(), 0u);
}

// The text of a window of another process (WM_GETTEXT is marshalled).
std::wstring WindowText(HWND window) {
    wchar_t text[4096] = {};
    SendMessageW(window, WM_GETTEXT, ARRAYSIZE(text), reinterpret_cast<LPARAM>(text));
    return text;
}

TEST(WholeProgram, TextCaretBarsAndPlacementComeBackAtTheNextStart) {
    ProgramFolder folder;
    folder.WriteSettings("[运行设置]\r\n退出设置=1\r\n[其他设置]\r\n退出保存=真\r\n");
    const std::wstring exe = CopyProgramInto(folder);
    ASSERT_FALSE(exe.empty());

    std::wstring text;
    DWORD caret = 0;
    {
        Process first(exe);
        const HWND window = first.MainWindow(20000);
        ASSERT_NE(window, nullptr);
        const HWND box = FindWindowExW(window, nullptr, L"EDIT", nullptr);
        // Each key's character reaches the box before its release, as with a
        // real keyboard (the character is queued behind what was posted).
        const std::wstring typed[] = {L"1", L"1+", L"1+2"};
        const WPARAM keys[] = {'1', VK_ADD, '2'};
        for (int i = 0; i < 3; ++i) {
            const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(keys[i]), MAPVK_VK_TO_VSC)) << 16;
            PostMessageW(box, WM_KEYDOWN, keys[i], 1 | scan);
            for (int tries = 0; tries < 200 && WindowText(box).rfind(typed[i], 0) != 0; ++tries) Sleep(25);
            PostMessageW(box, WM_KEYUP, keys[i], 1 | scan | static_cast<LPARAM>(3u << 30));
        }
        for (int tries = 0; tries < 200 && WindowText(box).rfind(L"1+2=3", 0) != 0; ++tries) Sleep(25);
        text = WindowText(box);
        ASSERT_EQ(text.rfind(L"1+2=3\r\n", 0), 0u);
        SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
        SendMessageW(window, WM_COMMAND, IDM_VIEW_STATUS_BAR, 0);
        SetWindowPos(window, nullptr, 200, 150, 700, 500, SWP_NOZORDER | SWP_NOACTIVATE);
        PostMessageW(window, WM_CLOSE, 0, 0);
        ASSERT_TRUE(first.Ended(20000));
    }

    Process second(exe);
    const HWND window = second.MainWindow(20000);
    ASSERT_NE(window, nullptr);
    const HWND box = FindWindowExW(window, nullptr, L"EDIT", nullptr);
    EXPECT_EQ(WindowText(box), text);
    DWORD restored = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&restored), 0);
    EXPECT_EQ(restored, caret);
    EXPECT_FALSE(IsWindowVisible(FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr)));
    RECT frame = {};
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.left, 200);
    EXPECT_EQ(frame.top, 150);
    EXPECT_EQ(frame.right - frame.left, 700);
    EXPECT_EQ(frame.bottom - frame.top, 500);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(second.Ended(20000));
}

// Where the skin engine's file can be neither written nor loaded (here a
// folder stands in its place), the program starts and runs in the system's
// look.
TEST(WholeProgram, StartsWhenItsSkinEngineCannotBeWritten) {
    ProgramFolder folder;
    folder.WriteSettings("[运行设置]\r\n退出设置=1\r\n");
    const std::wstring exe = CopyProgramInto(folder);
    ASSERT_FALSE(exe.empty());
    ASSERT_TRUE(CreateDirectoryW((folder.Path() + L"\\SkinH_EL.dll").c_str(), nullptr));
    Process program(exe);
    const HWND window = program.MainWindow(20000);
    ASSERT_NE(window, nullptr);
    const HWND box = FindWindowExW(window, nullptr, L"EDIT", nullptr);
    ASSERT_NE(box, nullptr);
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1+2"));
    EXPECT_EQ(WindowText(box), L"1+2");
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.Ended(20000));
    EXPECT_EQ(program.ExitCode(), 0u);
}

}  // namespace
