#include "win32_file_store.h"

#include <windows.h>

#include "gbk_codec.h"

namespace {

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    bool Close() {
        if (!Valid()) return true;
        const bool closed = CloseHandle(handle_) != FALSE;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool WriteWhole(HANDLE file, const std::string& bytes) {
    constexpr std::size_t kChunk = 1 << 20;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD size = static_cast<DWORD>(bytes.size() - done < kChunk ? bytes.size() - done : kChunk);
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, size, &written, nullptr) || written != size) return false;
        done += size;
    }
    return true;
}

}  // namespace

std::wstring Win32FileStore::WidePath(const std::string& gbkPath) const { return folder_ + GbkToWide(gbkPath); }

std::optional<std::string> Win32FileStore::ReadAll(const std::string& gbkPath) {
    const std::wstring path = WidePath(gbkPath);
    Handle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr)) return std::nullopt;
        if (read == 0) break;
        bytes.append(buffer, read);
    }
    return bytes;
}

bool Win32FileStore::Exists(const std::string& gbkPath) {
    return GetFileAttributesW(WidePath(gbkPath).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32FileStore::ReplaceAtomically(const std::string& gbkPath, const std::string& bytes) {
    const std::wstring path = WidePath(gbkPath);
    // Windows refuses to move over a read-only file but Wine does not: ask
    // first, so that a read-only settings file stays as it is on both.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    const std::wstring temporary = path + L".tmp";
    Handle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    // No folder (a first run) or no right to write: nothing was created.
    if (!file.Valid()) return false;
    bool ok = WriteWhole(file.Get(), bytes) && FlushFileBuffers(file.Get());
    ok = file.Close() && ok;
    ok = ok && MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) DeleteFileW(temporary.c_str());
    return ok;
}
