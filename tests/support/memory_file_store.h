// A FileStore over a map, for tests: folders must be made before a file can
// be written into them, and a file can be marked read-only.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "file_store.h"

class MemoryFileStore : public FileStore {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    std::set<std::string> readOnly;
    std::set<std::string> unreadable;
    bool foldersFail = false;  // CreateFolder fails, as on a read-only disk
    int replaceCount = 0;
    int readCount = 0;
    std::vector<std::string> deleted;  // files Delete removed, in order

    std::optional<std::string> ReadAll(const std::string& path) override {
        ++readCount;
        const auto found = files.find(path);
        if (found == files.end() || unreadable.count(path) != 0) return std::nullopt;
        return found->second;
    }

    bool Exists(const std::string& path) override { return files.count(path) != 0 || folders.count(path) != 0; }

    bool ReplaceAtomically(const std::string& path, const std::string& bytes) override {
        ++replaceCount;
        if (readOnly.count(path) != 0) return false;
        const std::size_t slash = path.rfind('\\');
        const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
        if (!folder.empty() && folders.count(folder) == 0) return false;
        files[path] = bytes;
        return true;
    }

    bool CreateFolder(const std::string& path) override {
        if (foldersFail) return folders.count(path) != 0;
        folders.insert(path);
        return true;
    }

    bool Delete(const std::string& path) override {
        if (files.count(path) == 0) return true;
        if (readOnly.count(path) != 0) return false;
        files.erase(path);
        deleted.push_back(path);
        return true;
    }
};
