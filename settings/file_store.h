// Where the settings file's bytes come from and go to; the Windows program
// uses real files, the tests a map in memory.
#pragma once

#include <optional>
#include <string>

class FileStore {
public:
    virtual ~FileStore() = default;
    // The whole file, or nothing when it cannot be read (missing included).
    virtual std::optional<std::string> ReadAll(const std::string& gbkPath) = 0;
    // Whether a file or folder of that name is there, readable or not.
    virtual bool Exists(const std::string& gbkPath) = 0;
    // Replaces the file with `bytes` so that a reader sees either the old
    // file or the new one, never a part; false leaves the old file as it was.
    // Never creates a missing folder.
    virtual bool ReplaceAtomically(const std::string& gbkPath, const std::string& bytes) = 0;
    // Makes the folder when it is missing (its parent must be there); true
    // when it is there afterwards.
    virtual bool CreateFolder(const std::string& gbkPath) = 0;
    // Removes the file; true when it is not there afterwards, so a missing
    // file counts as done.
    virtual bool Delete(const std::string& gbkPath) = 0;
};
