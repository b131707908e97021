// Numerel.exe started twice from one folder, as a user would: the second
// start brings the first window back and ends with exit code 0.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "main_window.h"
#include "program_folder.h"

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
        Search search = {info.dwProcessId, nullptr};
        for (DWORD waited = 0; waited < waitMs && !search.found; waited += 50) {
            EnumWindows(&Process::Visit, reinterpret_cast<LPARAM>(&search));
            if (!search.found) Sleep(50);
        }
        return search.found;
    }

private:
    struct Search {
        DWORD process;
        HWND found;
    };
    static BOOL CALLBACK Visit(HWND window, LPARAM lParam) {
        auto* search = reinterpret_cast<Search*>(lParam);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        if (owner != search->process || std::wstring(name) != kMainWindowClass || !IsWindowVisible(window))
            return TRUE;
        search->found = window;
        return FALSE;
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
    EXPECT_TRUE(first.Ended(20000));
    EXPECT_TRUE(second.Ended(20000));
    EXPECT_EQ(first.ExitCode(), 0u);
}

}  // namespace
