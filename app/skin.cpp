#include "skin.h"

#include <utility>

namespace {

std::wstring ExecutableFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length < MAX_PATH ? length : 0);
    const auto slash = folder.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash);
}

template <typename Call>
void Find(HMODULE module, const char* name, Call& call) {
    call = reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

ResourceBytes RcDataResource(const wchar_t* name) {
    const HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    if (loaded == nullptr) return {};
    return {LockResource(loaded), SizeofResource(module, found)};
}

ResourceBytes SkinResource(int index) {
    if (index < 1 || index > 33) return {};
    return RcDataResource((L"SKIN" + std::to_wstring(index)).c_str());
}

bool WriteSkinEngineFile(const std::wstring& folder) {
    const std::wstring path = folder + L"\\" + kSkinEngineFile;
    const ResourceBytes bytes = RcDataResource(L"SKINENGINE");
    if (bytes.data == nullptr) return false;
    // CREATE_NEW: an existing file, whatever it holds, is left alone.
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data, bytes.size, &written, nullptr) && written == bytes.size;
    CloseHandle(file);
    if (!ok) DeleteFileW(path.c_str());  // never a broken engine beside the program
    return ok;
}

Skin::Skin() : Skin(ExecutableFolder()) {}

Skin::Skin(std::wstring folder) : folder_(std::move(folder)) {}

bool Skin::Load() {
    if (engine_) return true;
    WriteSkinEngineFile(folder_);
    const HMODULE engine = LoadLibraryW((folder_ + L"\\" + kSkinEngineFile).c_str());
    if (engine == nullptr) return false;
    Find(engine, "SkinH_AttachRes", attach_);
    Find(engine, "SkinH_SetAero", setAero_);
    Find(engine, "SkinH_AdjustAero", adjustAero_);
    if (!attach_ || !setAero_ || !adjustAero_) {
        FreeLibrary(engine);
        return false;
    }
    engine_ = engine;
    return true;
}

void Skin::Apply(int index) {
    if (!Load()) return;
    const ResourceBytes skin = SkinResource(index);
    attach_(skin.data, static_cast<int>(skin.size), "", 0, 0, 0);
}

void Skin::SetAero(bool on) {
    if (Load()) setAero_(on ? 1 : 0);
}


void Skin::AdjustAero(const std::array<int, 7>& p) {
    if (Load()) adjustAero_(p[0], p[3], p[2], p[1], 0, 0, p[4], p[5], p[6]);
}
