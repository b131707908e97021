#include "file_io.h"

#include <windows.h>

#include <algorithm>
#include <new>
#include <string>

namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

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

constexpr DWORD kChunk = 1 << 20;
// Read after the size measured at the start, to find the end of a file that
// grew meanwhile.
constexpr DWORD kProbe = 4096;

bool WriteWhole(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD size = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kChunk));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, size, &written, nullptr) || written != size) return false;
        done += size;
    }
    return true;
}

ReadOutcome ReadOpen(HANDLE file, std::uint64_t limit, std::string& bytes) {
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file, &size)) return ReadOutcome::Unreadable;
    if (static_cast<std::uint64_t>(size.QuadPart) > limit) return ReadOutcome::TooLarge;
    const std::uint64_t expected = static_cast<std::uint64_t>(size.QuadPart);
    bytes.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(expected + kProbe, bytes.max_size())));
    std::uint64_t done = 0;
    for (;;) {
        // One byte more than the limit tells a file that grew past it.
        const std::uint64_t room = limit + 1 - done;
        const std::uint64_t wanted = done < expected ? expected - done : kProbe;
        const DWORD want = static_cast<DWORD>(std::min<std::uint64_t>({wanted, room, kChunk}));
        bytes.resize(static_cast<std::size_t>(done + want));
        DWORD got = 0;
        if (!ReadFile(file, &bytes[static_cast<std::size_t>(done)], want, &got, nullptr))
            return ReadOutcome::Unreadable;
        if (got == 0) break;
        done += got;
        if (done > limit) return ReadOutcome::TooLarge;
    }
    bytes.resize(static_cast<std::size_t>(done));
    return ReadOutcome::Ok;
}

// A name beside `path` for the attempt: "<path>.tmp" first, then names
// that differ by process, time and attempt.
std::wstring TemporaryName(const std::wstring& path, unsigned attempt) {
    if (attempt == 0) return path + L".tmp";
    return path + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount()) + L"-" +
           std::to_wstring(attempt) + L".tmp";
}

constexpr unsigned kTemporaryAttempts = 64;

// Creates a new file beside `path` under a name no file or folder has yet,
// and never opens one that exists: a file of the user's that happens to
// have the name stays as it is.
HANDLE CreateTemporaryBeside(const std::wstring& path, std::wstring& temporary) {
    for (unsigned attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        temporary = TemporaryName(path, attempt);
        const HANDLE file =
            CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        // Taken: by a file of the user's, or by another instance's
        // temporary, which may be gone by now.
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
        // A folder of that name fails with "access denied", like a folder
        // without the right to write: only a name that exists means try on.
        if (GetFileAttributesW(temporary.c_str()) == INVALID_FILE_ATTRIBUTES) break;
    }
    return INVALID_HANDLE_VALUE;
}

// Moves `temporary` over `path`. Another instance replacing the same file
// at the same moment makes the move fail for a few milliseconds ("access
// denied" or a sharing violation): it is tried again a while before it
// counts as failed.
bool MoveOver(const std::wstring& temporary, const std::wstring& path) {
    constexpr int kMoveAttempts = 20;
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = GetLastError();
        const bool busy =
            error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
        if (!busy || attempt == kMoveAttempts) return false;
        Sleep(static_cast<DWORD>(attempt));
    }
}

}  // namespace

ReadResult ReadWholeFile(const std::wstring& path, std::uint64_t sizeLimit) {
    ReadResult result;
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        result.Outcome = missing ? ReadOutcome::Missing : ReadOutcome::Unreadable;
        return result;
    }
    // What a string can hold in this process, less the byte that detects growth.
    const std::uint64_t limit = std::min<std::uint64_t>(sizeLimit, result.Bytes.max_size() - 1);
    try {
        result.Outcome = ReadOpen(file.Get(), limit, result.Bytes);
    } catch (const std::bad_alloc&) {
        result.Outcome = ReadOutcome::Unreadable;
    }
    if (result.Outcome != ReadOutcome::Ok) std::string().swap(result.Bytes);
    return result;
}

bool WriteFileAtomically(const std::wstring& path, const std::string& bytes) {
    // Windows refuses to move over a read-only file but Wine does not: ask
    // first, so that a read-only file stays as it is on both.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    std::wstring temporary;
    FileHandle file(CreateTemporaryBeside(path, temporary));
    // No folder or no right to write: nothing was created.
    if (!file.Valid()) return false;
    bool ok = WriteWhole(file.Get(), bytes) && FlushFileBuffers(file.Get());
    ok = file.Close() && ok;
    ok = ok && MoveOver(temporary, path);
    if (!ok) DeleteFileW(temporary.c_str());
    return ok;
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
