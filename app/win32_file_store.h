// The settings file's bytes on disk. A path is the store's folder (UTF-16,
// so any folder name works) followed by the GBK name, which is converted
// with code page 936, never the ANSI code page.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "file_store.h"

class Win32FileStore : public FileStore {
public:
    // Without a folder the GBK names are whole paths.
    explicit Win32FileStore(std::wstring folder = std::wstring()) : folder_(std::move(folder)) {}

    // Files over the settings file's size limit count as unreadable.
    std::optional<std::string> ReadAll(const std::string& gbkPath) override;
    bool Exists(const std::string& gbkPath) override;
    // WriteFileAtomically: a new temporary written in full, flushed and moved
    // over the file; on any failure the temporary is removed and the old
    // file stays as it was.
    bool ReplaceAtomically(const std::string& gbkPath, const std::string& bytes) override;
    bool CreateFolder(const std::string& gbkPath) override;
    bool Delete(const std::string& gbkPath) override;

private:
    std::wstring WidePath(const std::string& gbkPath) const;

    std::wstring folder_;
};
