// 查找和替换 over the main window's box, and the menu searches that work
// from its stored values while it is closed.
#include "edit_box_adapter.h"
#include "find_effects.h"
#include "find_replace_window.h"
#include "main_window.h"

void MainWindow::CreateFind() {
    const HINSTANCE instance = Instance();
    findHost_ = std::make_unique<FindEffects>(*this);
    find_ = std::make_unique<FindReplace>(*boxText_, *findHost_);
    findWindow_ = std::make_unique<FindReplaceWindow>(instance, Handle(), *find_, *findHost_);
}
