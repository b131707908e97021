#include "settings_file.h"

#include <optional>
#include <utility>

#include "ini_document.h"
#include "setting_values.h"

SettingsFile::SettingsFile(FileStore& store, std::string gbkPath) : store_(store), path_(std::move(gbkPath)) {}

std::optional<IniDocument> SettingsFile::Load() const {
    const std::optional<std::string> bytes = store_.ReadAll(path_);
    if (!bytes) return std::nullopt;
    return IniDocument::Parse(*bytes);
}

std::optional<std::string> SettingsFile::Lookup(const std::string& section, const std::string& key) const {
    if (readOnceDepth_ == 0) {
        const std::optional<IniDocument> document = Load();
        return document ? document->Get(section, key) : std::nullopt;
    }
    if (!kept_) kept_ = Load();
    return *kept_ ? (*kept_)->Get(section, key) : std::nullopt;
}

std::string SettingsFile::ReadString(const std::string& section, const std::string& key,
                                     const std::string& fallback) const {
    return Lookup(section, key).value_or(fallback);
}

bool SettingsFile::ReadBool(const std::string& section, const std::string& key, bool fallback) const {
    return BoolFromSetting(ReadString(section, key, BoolToSetting(fallback)));
}

std::int32_t SettingsFile::ReadInt(const std::string& section, const std::string& key,
                                   std::int32_t fallback) const {
    return Int32FromSetting(ReadString(section, key, IntToSetting(fallback)));
}

std::int64_t SettingsFile::ReadInt64(const std::string& section, const std::string& key,
                                     std::int64_t fallback) const {
    return Int64FromSetting(ReadString(section, key, IntToSetting(fallback)));
}

bool SettingsFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    return WriteAll({{section, key, value}});
}

bool SettingsFile::WriteAll(const std::vector<SettingText>& values) {
    // A missing file starts empty; the store then fails when the folder is
    // missing too, as on a first run. A file that is there but cannot be
    // read is left alone: rewriting it from nothing would lose every key.
    const std::optional<IniDocument> read = Load();
    if (!read && store_.Exists(path_)) return Failed();
    IniDocument document = read.value_or(IniDocument());
    for (const SettingText& text : values)
        if (!document.Set(text.section, text.key, text.value)) return Failed();
    if (store_.ReplaceAtomically(path_, document.Serialise())) {
        if (readOnceDepth_ > 0) kept_ = std::move(document);
        return true;
    }
    // Not kept yet: nothing was ever written, and no folder to write into.
    const std::string folder = Folder();
    if (!read && !folder.empty() && !store_.Exists(folder)) return false;
    return Failed();
}

std::string SettingsFile::Folder() const {
    // The last "\\" that starts a character: a GBK trail byte can be 0x5C.
    std::size_t slash = std::string::npos;
    for (std::size_t at = 0; at < path_.size(); at += static_cast<unsigned char>(path_[at]) >= 0x80 ? 2 : 1)
        if (path_[at] == '\\') slash = at;
    return slash == std::string::npos ? std::string() : path_.substr(0, slash);
}

bool SettingsFile::CreateFolder() {
    const std::string folder = Folder();
    return folder.empty() || store_.CreateFolder(folder) || Failed();
}

bool SettingsFile::Failed() {
    if (onFailure_) onFailure_();
    return false;
}

bool SettingsFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    return WriteString(section, key, BoolToSetting(value));
}

bool SettingsFile::WriteInt(const std::string& section, const std::string& key, std::int64_t value) {
    return WriteString(section, key, IntToSetting(value));
}
