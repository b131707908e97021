// The program's own files: every name is the program's folder followed by
// a relative name beginning with "\".
#pragma once

#include <cstdint>
#include <string>

namespace programfiles {

// GBK names, relative to the program's folder.
inline const std::string kSettingsFolder = "\\Numerin运行文件";
inline const std::string kSettingsFile = "\\Numerin运行文件\\Numerin配置文件.ini";
inline const std::string kInstanceMarker = "\\Numerin运行文件\\fzdk";
inline const std::string kBackupFile = "\\Numerin运行文件\\Numerin备份文件.txt";
// Never written by the program; the reset deletes it when it is there.
inline const std::string kBackupIniFile = "\\Numerin运行文件\\Numerin备份文件.ini";

// The largest text the box takes from a file (打开, a dropped file, the
// backup at start-up). The edit control lays a text out line by line: under
// Wine a megabyte of one-character lines takes about 10 s, of 11-character
// lines 3 s, of 78-character lines 1 s, so the largest file accepted opens
// in a few seconds. Larger files count as unreadable.
inline constexpr std::uint64_t kLargestReadableFile = std::uint64_t{256} << 10;

// The settings file is never laid out, and start-up reads it once: its limit
// is only what a 32-bit process can hold in memory next to a parsed copy.
inline constexpr std::uint64_t kLargestSettingsFile = std::uint64_t{64} << 20;

}  // namespace programfiles

// Folder of the running executable, without a trailing "\".
std::wstring ExecutableFolder();

// `folder` followed by the GBK relative name, as a path the system takes.
std::wstring ProgramPath(const std::wstring& folder, const std::string& gbkRelativeName);
