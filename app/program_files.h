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

// Files the program could not hold as text in a 32-bit process: the bytes,
// the GBK text, its UTF-16 form, the control's copy and an undo step are all
// in memory at once. Larger files count as unreadable.
inline constexpr std::uint64_t kLargestReadableFile = std::uint64_t{64} << 20;

}  // namespace programfiles

// Folder of the running executable, without a trailing "\".
std::wstring ExecutableFolder();

// `folder` followed by the GBK relative name, as a path the system takes.
std::wstring ProgramPath(const std::wstring& folder, const std::string& gbkRelativeName);
