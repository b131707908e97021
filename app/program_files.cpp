#include "program_files.h"

#include <windows.h>

#include "gbk_codec.h"

std::wstring ExecutableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

std::wstring ProgramPath(const std::wstring& folder, const std::string& gbkRelativeName) {
    return folder + GbkToWide(gbkRelativeName);
}
