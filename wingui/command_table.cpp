#include "command_table.h"

#include <algorithm>

std::wstring ShortcutText(const Shortcut& shortcut) {
    if (!shortcut.Key) return L"";
    std::wstring text;
    if (shortcut.Ctrl) text += L"Ctrl+";
    if (shortcut.Shift) text += L"Shift+";
    if (shortcut.Key >= VK_F1 && shortcut.Key <= VK_F24) {
        text += L"F" + std::to_wstring(shortcut.Key - VK_F1 + 1);
    } else {
        text += static_cast<wchar_t>(shortcut.Key);
    }
    return text;
}

CommandTable::~CommandTable() {
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
}

void CommandTable::Add(UINT id, Shortcut key, std::function<void()> run, std::function<bool()> enabled,
                       std::function<bool()> checked) {
    commands_.push_back({id, key, std::move(run), std::move(enabled), std::move(checked)});
    if (accelerators_) {
        DestroyAcceleratorTable(accelerators_);
        accelerators_ = nullptr;
    }
}

const Command* CommandTable::Find(UINT id) const {
    const auto found =
        std::find_if(commands_.begin(), commands_.end(), [id](const Command& c) { return c.Id == id; });
    return found == commands_.end() ? nullptr : &*found;
}

bool CommandTable::IsEnabled(UINT id) const {
    const Command* command = Find(id);
    return command && command->Run && (!command->Enabled || command->Enabled());
}

bool CommandTable::Run(UINT id) const {
    if (!IsEnabled(id)) return false;
    // A copy: running may change the table's owner, never the function itself.
    const std::function<void()> run = Find(id)->Run;
    run();
    return true;
}

void CommandTable::UpdateMenu(HMENU menu) const {
    if (menu) UpdateItems(menu);
}

bool CommandTable::UpdateItems(HMENU menu) const {
    bool anyAvailable = false;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info) || (info.fType & MFT_SEPARATOR)) continue;
        bool available;
        if (info.hSubMenu) {
            available = UpdateItems(info.hSubMenu);
        } else if (const Command* command = Find(info.wID)) {
            available = IsEnabled(info.wID);
            const bool checked = command->Checked && command->Checked();
            CheckMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
        } else {
            // Not the table's: left as it is.
            anyAvailable = anyAvailable || !(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED);
            continue;
        }
        EnableMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | (available ? MF_ENABLED : MF_GRAYED));
        anyAvailable = anyAvailable || available;
    }
    return anyAvailable;
}

HACCEL CommandTable::Accelerators() const {
    if (accelerators_) return accelerators_;
    std::vector<ACCEL> keys;
    for (const Command& command : commands_) {
        if (!command.Key.Key) continue;
        ACCEL accel{};
        accel.fVirt = static_cast<BYTE>(FVIRTKEY | (command.Key.Ctrl ? FCONTROL : 0) | (command.Key.Shift ? FSHIFT : 0));
        accel.key = static_cast<WORD>(command.Key.Key);
        accel.cmd = static_cast<WORD>(command.Id);
        const bool taken = std::any_of(keys.begin(), keys.end(), [&](const ACCEL& a) {
            return a.key == accel.key && a.fVirt == accel.fVirt;
        });
        if (!taken) keys.push_back(accel);
    }
    if (!keys.empty()) accelerators_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
    return accelerators_;
}
