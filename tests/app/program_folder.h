// A private program folder for one test: the settings folder, settings file
// and backup file a start-up reads, made from GBK bytes as a user's would be.
#pragma once

#include <windows.h>

#include <string>

#include "gbk_codec.h"
#include "program_files.h"

class ProgramFolder {
public:
    ProgramFolder() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        // A folder nobody used before: a folder left by an earlier run (its
        // instance marker was still held) must not leak into this test.
        static unsigned counter = GetTickCount();
        do {
            path_ = std::wstring(temp) + L"numerel-test-" + std::to_wstring(++counter);
        } while (!CreateDirectoryW(path_.c_str(), nullptr) && GetLastError() == ERROR_ALREADY_EXISTS);
    }
    ~ProgramFolder() { RemoveTree(path_); }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring File(const std::string& gbkRelative) const { return ProgramPath(path_, gbkRelative); }

    void MakeSettingsFolder() const { CreateDirectoryW(File(programfiles::kSettingsFolder).c_str(), nullptr); }

    // The settings file with exactly these bytes (GBK, CR LF).
    void WriteSettings(const std::string& bytes) const {
        MakeSettingsFolder();
        WriteBytes(File(programfiles::kSettingsFile), bytes);
    }

    // A file of the folder one byte over the program's read limit, made
    // sparse; empty when it could not be made.
    std::wstring FileOverTheReadLimit(const wchar_t* name) const {
        const std::wstring path = path_ + L"\\" + name;
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return std::wstring();
        LARGE_INTEGER size;
        size.QuadPart = static_cast<LONGLONG>(programfiles::kLargestReadableFile + 1);
        const bool made = SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file);
        CloseHandle(file);
        return made ? path : std::wstring();
    }

    static bool WriteBytes(const std::wstring& path, const std::string& bytes) {
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        DWORD written = 0;
        const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                        written == bytes.size();
        CloseHandle(file);
        return ok;
    }

    static std::string ReadBytes(const std::wstring& path) {
        const HANDLE file =
            CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                        nullptr);
        if (file == INVALID_HANDLE_VALUE) return std::string();
        std::string bytes;
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
        CloseHandle(file);
        return bytes;
    }

    // Every file name under the folder, relative, for "nothing was written".
    std::wstring Listing() const {
        std::wstring names;
        List(path_, L"", names);
        return names;
    }

private:
    static void List(const std::wstring& folder, const std::wstring& prefix, std::wstring& names) {
        WIN32_FIND_DATAW found;
        const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return;
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            names += prefix + name + L";";
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) List(folder + L"\\" + name, prefix + name + L"\\", names);
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }

    static void RemoveTree(const std::wstring& folder) {
        WIN32_FIND_DATAW found;
        const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = found.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring path = folder + L"\\" + name;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(path);
                } else {
                    DeleteFileW(path.c_str());
                }
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(folder.c_str());
    }

    std::wstring path_;
};
