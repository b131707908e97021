// The settings file, one key at a time: every read and every write goes to
// the file again, so values written by another window are never lost. Only
// inside a read-once scope (start-up reads a hundred keys in a row) is the
// file read at the first read and its keys kept until the scope ends.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "file_store.h"
#include "ini_document.h"

// One key's value as the file holds it.
struct SettingText {
    std::string section;
    std::string key;
    std::string value;
};

class SettingsFile {
public:
    SettingsFile(FileStore& store, std::string gbkPath);

    class ReadOnceScope {
    public:
        explicit ReadOnceScope(SettingsFile& file) : file_(file) { ++file_.readOnceDepth_; }
        ~ReadOnceScope() {
            if (--file_.readOnceDepth_ == 0) file_.kept_.reset();
        }
        ReadOnceScope(const ReadOnceScope&) = delete;
        ReadOnceScope& operator=(const ReadOnceScope&) = delete;

    private:
        SettingsFile& file_;
    };

    // A missing file, section or key gives `fallback`; a present key its
    // value, empty included.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& fallback) const;
    bool ReadBool(const std::string& section, const std::string& key, bool fallback) const;
    std::int32_t ReadInt(const std::string& section, const std::string& key, std::int32_t fallback) const;
    std::int64_t ReadInt64(const std::string& section, const std::string& key, std::int64_t fallback) const;

    // Reads the file again, sets the key and replaces the file. A write that
    // fails (no folder, a read-only file) returns false and changes nothing.
    bool WriteString(const std::string& section, const std::string& key, const std::string& value);
    bool WriteBool(const std::string& section, const std::string& key, bool value);
    bool WriteInt(const std::string& section, const std::string& key, std::int64_t value);
    // Several keys in one read and one replace of the file, in the order
    // given: a reader sees all of them or none. A name that cannot be
    // written fails the whole write.
    bool WriteAll(const std::vector<SettingText>& values);

    // Makes the file's folder when it is missing: for writes the user asked
    // for, which must not be lost on a first run. True when it is there.
    bool CreateFolder();

    // Called for every write or folder that fails where the settings are
    // kept (a read-only file or disk, a full disk, a file in the folder's
    // place), so the window can say so. A write that fails only because
    // neither the file nor its folder is made yet, as before a first run's
    // exit save, is how the program starts out: it calls nothing.
    void SetFailureHandler(std::function<void()> handler) { onFailure_ = std::move(handler); }

    const std::string& Path() const { return path_; }

private:
    // The path up to its last "\\" that starts a character, "" when none.
    std::string Folder() const;
    bool Failed();
    // The one place the file is read: its keys, or nothing when it cannot
    // be read (missing included).
    std::optional<IniDocument> Load() const;
    std::optional<std::string> Lookup(const std::string& section, const std::string& key) const;

    FileStore& store_;
    std::string path_;
    std::function<void()> onFailure_;
    int readOnceDepth_ = 0;
    // Inside a scope, once read: the file's keys as last read or written.
    mutable std::optional<std::optional<IniDocument>> kept_;
};
