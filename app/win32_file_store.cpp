#include "win32_file_store.h"

#include <windows.h>

#include "file_io.h"
#include "gbk_codec.h"
#include "program_files.h"

std::wstring Win32FileStore::WidePath(const std::string& gbkPath) const { return folder_ + GbkToWide(gbkPath); }

std::optional<std::string> Win32FileStore::ReadAll(const std::string& gbkPath) {
    ReadResult file = ReadWholeFile(WidePath(gbkPath), programfiles::kLargestSettingsFile);
    if (file.Outcome != ReadOutcome::Ok) return std::nullopt;
    return std::move(file.Bytes);
}

bool Win32FileStore::Exists(const std::string& gbkPath) {
    return GetFileAttributesW(WidePath(gbkPath).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32FileStore::CreateFolder(const std::string& gbkPath) {
    const std::wstring path = WidePath(gbkPath);
    if (CreateDirectoryW(path.c_str(), nullptr)) return true;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileStore::ReplaceAtomically(const std::string& gbkPath, const std::string& bytes) {
    return WriteFileAtomically(WidePath(gbkPath), bytes);
}

bool Win32FileStore::Delete(const std::string& gbkPath) {
    if (DeleteFileW(WidePath(gbkPath).c_str())) return true;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}
