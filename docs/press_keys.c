/* press_keys.exe KEY...: brings the window titled "Numerel" to the front and
   presses each KEY in turn, a chord written like "ctrl+u" or "alt+e" or
   "down". Used by make_screenshots.sh to open windows and menus under Xvfb,
   where no X tool may be installed. */
#include <windows.h>
#include <string.h>

static WORD KeyOf(const char* name) {
    if (strcmp(name, "ctrl") == 0) return VK_CONTROL;
    if (strcmp(name, "alt") == 0) return VK_MENU;
    if (strcmp(name, "shift") == 0) return VK_SHIFT;
    if (strcmp(name, "down") == 0) return VK_DOWN;
    if (strcmp(name, "right") == 0) return VK_RIGHT;
    if (strcmp(name, "esc") == 0) return VK_ESCAPE;
    if (strlen(name) == 1 && name[0] >= 'a' && name[0] <= 'z') return (WORD)(name[0] - 'a' + 'A');
    return 0;
}

static void Send(WORD key, DWORD flags) {
    INPUT input;
    ZeroMemory(&input, sizeof input);
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

int main(int argc, char** argv) {
    HWND window = FindWindowW(NULL, L"Numerel");
    if (window) SetForegroundWindow(window);
    Sleep(300);
    for (int i = 1; i < argc; ++i) {
        WORD keys[4];
        int count = 0;
        char chord[64];
        lstrcpynA(chord, argv[i], sizeof chord);
        for (char* part = strtok(chord, "+"); part && count < 4; part = strtok(NULL, "+")) keys[count++] = KeyOf(part);
        for (int k = 0; k < count; ++k) Send(keys[k], 0);
        for (int k = count - 1; k >= 0; --k) Send(keys[k], KEYEVENTF_KEYUP);
        Sleep(400);
    }
    return 0;
}
