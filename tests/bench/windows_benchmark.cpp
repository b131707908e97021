// Timings of the main window under the real Win32 controls: one real-time
// key release on a small and a 10,000-line text, Enter on one long line,
// start-up to the first message loop turn, and what the box adapter's
// operations cost on their own. Prints figures only; run by bench.sh, never by ctest.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "edit_box_adapter.h"
#include "engine.h"
#include "base_conversion.h"
#include "file_commands.h"
#include "find_replace.h"
#include "file_io.h"
#include "gbk_codec.h"
#include "main_window_probe.h"
#include "memory_text_box.h"
#include "message_loop.h"
#include "program_files.h"
#include "program_folder.h"
#include "resource_ids.h"
#include "settings.h"
#include "skin.h"

namespace {

constexpr int kKeyRepetitions = 50;
constexpr int kKeyWarmUps = 3;
constexpr int kStarts = 10;
constexpr int kOperationRepetitions = 50;
constexpr int kLongTextLines = 10000;

// The expression line the key release evaluates, before the typed digit.
const char kExpression[] = "123+456";
const wchar_t kExpressionWide[] = L"123+456";
constexpr WPARAM kDigitKey = '7';
// The line after the digit's release.
const char kEvaluatedLine[] = "123+4567=4690";

double Now() {
    static const double unitsPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / unitsPerMs;
}

struct Summary {
    double median = 0, max = 0;
};

Summary Summarise(std::vector<double> samples) {
    Summary s;
    if (samples.empty()) return s;
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    s.median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    s.max = samples.back();
    return s;
}

// Milliseconds of each of `repetitions` calls.
Summary TimeEach(int repetitions, const std::function<void()>& work) {
    std::vector<double> samples;
    for (int i = 0; i < repetitions; ++i) {
        const double t0 = Now();
        work();
        samples.push_back(Now() - t0);
    }
    return Summarise(samples);
}

void PrintRow(const std::string& name, int count, Summary s) {
    std::printf("  %-62s %4d %10.3f %10.3f\n", name.c_str(), count, s.median, s.max);
}

void PrintHeader(const char* title) {
    std::printf("\n%s\n  %-62s %4s %10s %10s\n", title, "", "n", "median ms", "max ms");
}

std::string Lines(int count, const std::string& line) {
    std::string text;
    text.reserve(static_cast<size_t>(count) * (line.size() + 2));
    for (int i = 0; i < count; ++i) {
        if (i) text += "\r\n";
        text += line;
    }
    return text;
}

// 10,000 evaluated lines, with the bare expression on line `expressionLine`.
std::string LongText(int expressionLine) {
    std::string text;
    for (int i = 0; i < kLongTextLines; ++i) {
        if (i) text += "\r\n";
        text += i == expressionLine ? kExpression : "123+456=579";
    }
    return text;
}

// Counts, and times, the messages the box adapter sends to the control. It
// sits on top of the main window's own subclass of the box.
struct BoxTraffic {
    int getText = 0, getTextLength = 0, getSel = 0, setSel = 0, replaceSel = 0, setText = 0, scrollCaret = 0;
    double getTextMs = 0, selMs = 0, replaceSelMs = 0, setTextMs = 0, scrollCaretMs = 0;
};

BoxTraffic* g_traffic = nullptr;
WNDPROC g_boxProc = nullptr;

LRESULT CALLBACK CountingBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    BoxTraffic& t = *g_traffic;
    int* count = nullptr;
    double* ms = nullptr;
    switch (message) {
    case WM_GETTEXT: count = &t.getText; ms = &t.getTextMs; break;
    case WM_GETTEXTLENGTH: count = &t.getTextLength; ms = &t.getTextMs; break;
    case EM_GETSEL: count = &t.getSel; ms = &t.selMs; break;
    case EM_SETSEL: count = &t.setSel; ms = &t.selMs; break;
    case EM_REPLACESEL: count = &t.replaceSel; ms = &t.replaceSelMs; break;
    case WM_SETTEXT: count = &t.setText; ms = &t.setTextMs; break;
    case EM_SCROLLCARET: count = &t.scrollCaret; ms = &t.scrollCaretMs; break;
    default: return CallWindowProcW(g_boxProc, box, message, wParam, lParam);
    }
    const double t0 = Now();
    const LRESULT result = CallWindowProcW(g_boxProc, box, message, wParam, lParam);
    *ms += Now() - t0;
    ++*count;
    return result;
}

LPARAM KeyLParam(WPARAM key, bool release) {
    const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
    LPARAM lParam = 1 | static_cast<LPARAM>(scan) << 16;
    if (release) lParam |= static_cast<LPARAM>(3u << 30);  // was down, now released
    return lParam;
}

std::wstring LineOf(HWND box, int line) {
    const LRESULT start = SendMessageW(box, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
    const LRESULT length = SendMessageW(box, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
    std::wstring text(static_cast<size_t>(length) + 2, L'\0');
    *reinterpret_cast<WORD*>(text.data()) = static_cast<WORD>(text.size());
    const LRESULT copied = SendMessageW(box, EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

// A started main window with a fresh program folder of its own.
struct Started {
    ProgramFolder folder;
    ProbedMainWindow window;
    bool running = false;

    explicit Started(const char* settings) {
        if (settings) folder.WriteSettings(settings);
        running = window.Create(GetModuleHandleW(nullptr), folder.Path(), false) == StartResult::Running;
        if (running) window.Show(SW_SHOWNORMAL);
        MessageLoop::ForThisThread().PumpPending();
    }
    void Pump() { MessageLoop::ForThisThread().PumpPending(); }
};

// Real-time mode is the default; a second window of the process must not
// be refused as another instance.
const char kRealtimeSettings[] = "[其他设置]\r\n允许多开=真\r\n";

struct KeyCase {
    const char* name;
    std::string text;
    int line;  // of the expression, 0-based
};

// Puts the bare expression back on `line`, caret behind it, then types the
// digit through the control as a key press would.
void PrepareLine(Started& s, int line) {
    const HWND box = s.window.Box();
    const LRESULT start = SendMessageW(box, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
    const LRESULT length = SendMessageW(box, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
    SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start + length));
    SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(kExpressionWide));
    s.Pump();
    SendMessageW(box, WM_CHAR, kDigitKey, KeyLParam(kDigitKey, false));
    s.Pump();
}

// Median and max of the releases alone, and of each release with the
// repaint that follows it in the message loop.
void TimeReleases(Started& s, int line, const std::string& label) {
    std::vector<double> release, withPaint;
    for (int i = 0; i < kKeyWarmUps + kKeyRepetitions; ++i) {
        PrepareLine(s, line);
        const double t0 = Now();
        SendMessageW(s.window.Box(), WM_KEYUP, kDigitKey, KeyLParam(kDigitKey, true));
        const double t1 = Now();
        s.Pump();
        const double t2 = Now();
        if (i >= kKeyWarmUps) {
            release.push_back(t1 - t0);
            withPaint.push_back(t2 - t0);
        }
    }
    PrintRow(label + ": key release", kKeyRepetitions, Summarise(release));
    PrintRow(label + ": key release + repaint", kKeyRepetitions, Summarise(withPaint));
}

// One more release with every adapter message counted.
BoxTraffic CountRelease(Started& s, int line) {
    const HWND box = s.window.Box();
    PrepareLine(s, line);
    BoxTraffic traffic;
    g_traffic = &traffic;
    g_boxProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingBoxProc)));
    SendMessageW(box, WM_KEYUP, kDigitKey, KeyLParam(kDigitKey, true));
    SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_boxProc));
    g_traffic = nullptr;
    s.Pump();
    return traffic;
}

struct KeyTraffic {
    BoxTraffic shown, hidden;
};

bool RunKeyCase(const KeyCase& c, KeyTraffic& traffic) {
    Started s(kRealtimeSettings);
    if (!s.running) {
        std::printf("  %s: the main window did not start\n", c.name);
        return false;
    }
    s.window.BoxText().SetText(c.text);
    s.Pump();

    TimeReleases(s, c.line, c.name);
    // Each release must really have evaluated and written its result.
    const std::string written = WideToGbk(LineOf(s.window.Box(), c.line));
    const bool evaluated = written == kEvaluatedLine;
    if (!evaluated) std::printf("  %s: NO RESULT WRITTEN, the line is \"%s\"\n", c.name, written.c_str());
    traffic.shown = CountRelease(s, c.line);

    // A hidden window draws nothing: what is left is the program's own
    // work and the control's bookkeeping.
    ShowWindow(s.window.Handle(), SW_HIDE);
    s.Pump();
    TimeReleases(s, c.line, std::string(c.name) + ", hidden");
    traffic.hidden = CountRelease(s, c.line);
    return evaluated;
}

// The engine's evaluation of the same line in an in-memory box: no control,
// no code page conversion.
void RunEngineAlone(const KeyCase& c) {
    std::string text = c.text;
    size_t lineStart = 0;
    for (int i = 0; i < c.line; ++i) lineStart = text.find("\r\n", lineStart) + 2;
    const size_t caret = lineStart + std::string(kExpression).size() + 1;
    text.insert(caret - 1, 1, static_cast<char>(kDigitKey));

    Settings settings;
    EngineState state;
    MemoryStatusBar status;
    MemoryClipboard clipboard;
    std::vector<double> samples;
    bool evaluated = true;
    for (int i = 0; i < kKeyWarmUps + kKeyRepetitions; ++i) {
        MemoryTextBox box(text, static_cast<TextPos>(caret));
        Engine engine(box, status, clipboard, settings, state);
        const double t0 = Now();
        engine.Evaluator();
        if (i >= kKeyWarmUps) samples.push_back(Now() - t0);
        evaluated = evaluated && box.Text().compare(lineStart, sizeof kEvaluatedLine - 1, kEvaluatedLine) == 0;
    }
    PrintRow(std::string(c.name) + ": Evaluator, in-memory box", kKeyRepetitions, Summarise(samples));
    if (!evaluated) std::printf("  %s: the in-memory evaluation wrote no result\n", c.name);
}

void PrintTraffic(const char* name, const BoxTraffic& t) {
    std::printf("  %-34s %5d %5d %5d %5d %5d %5d | %8.3f %8.3f %8.3f %8.3f\n", name, t.getText, t.getTextLength,
                t.getSel, t.setSel, t.replaceSel, t.setText, t.getTextMs, t.selMs, t.replaceSelMs,
                t.scrollCaretMs);
}

// The adapter's operations one by one on the box's current text.
void AdapterCosts(const char* name, const std::string& text) {
    Started s(kRealtimeSettings);
    if (!s.running) return;
    EditBoxAdapter& adapter = s.window.BoxText();
    const HWND box = s.window.Box();
    PrintRow(std::string(name) + ": SetText (whole-text write, the same text again)", 5,
             TimeEach(5, [&] { adapter.SetText(text); }));
    s.Pump();
    // Caret in the middle, as for a line being edited.
    const LRESULT middle = SendMessageW(box, EM_LINEINDEX, SendMessageW(box, EM_GETLINECOUNT, 0, 0) / 2, 0);
    SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(middle), static_cast<LPARAM>(middle));

    std::wstring wide;
    std::string gbk;
    PrintRow(std::string(name) + ": Text() (GetWindowText + UTF-16->GBK)", kOperationRepetitions,
             TimeEach(kOperationRepetitions, [&] { gbk = adapter.Text(); }));
    PrintRow(std::string(name) + ":   GetWindowTextLength + GetWindowText", kOperationRepetitions,
             TimeEach(kOperationRepetitions, [&] {
                 const int length = GetWindowTextLengthW(box);
                 wide.assign(static_cast<size_t>(length) + 1, L'\0');
                 wide.resize(static_cast<size_t>(GetWindowTextW(box, wide.data(), length + 1)));
             }));
    PrintRow(std::string(name) + ":   WideToGbk (code page 936)", kOperationRepetitions,
             TimeEach(kOperationRepetitions, [&] { gbk = WideToGbk(wide); }));
    PrintRow(std::string(name) + ":   GbkToWide (code page 936)", kOperationRepetitions,
             TimeEach(kOperationRepetitions, [&] { wide = GbkToWide(gbk); }));
    // Caret positions map between UTF-16 units and GBK bytes by a walk over
    // the text up to them.
    TextPos offset = 0;
    PrintRow(std::string(name) + ":   ByteOffsetOfUnit, caret in the middle", kOperationRepetitions,
             TimeEach(kOperationRepetitions, [&] { offset = ByteOffsetOfUnit(gbk, static_cast<TextPos>(middle)); }));
    PrintRow(std::string(name) + ":   UnitIndexOfByte, caret in the middle", kOperationRepetitions,
             TimeEach(kOperationRepetitions, [&] { offset = UnitIndexOfByte(gbk, offset); }));
    TextPos caret = 0;
    PrintRow(std::string(name) + ": SelectionStart()", kOperationRepetitions,
             TimeEach(kOperationRepetitions, [&] { caret = adapter.SelectionStart(); }));
    PrintRow(std::string(name) + ": SetSelectionStart()", kOperationRepetitions,
             TimeEach(kOperationRepetitions, [&] { adapter.SetSelectionStart(caret); }));
    std::vector<double> replace;
    for (int i = 0; i < kOperationRepetitions; ++i) {
        const double t0 = Now();
        SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"1"));
        replace.push_back(Now() - t0);
        SendMessageW(box, WM_CHAR, VK_BACK, 0);
    }
    PrintRow(std::string(name) + ": EM_REPLACESEL of one character", kOperationRepetitions, Summarise(replace));
    s.Pump();
    // The control redraws its scroll bars on every edit; this one keeps its
    // position and is only drawn again.
    SCROLLINFO bar = {};
    bar.cbSize = sizeof bar;
    bar.fMask = SIF_POS;
    GetScrollInfo(box, SB_VERT, &bar);
    PrintRow(std::string(name) + ": redraw of one scroll bar (SetScrollInfo)", kOperationRepetitions,
             TimeEach(kOperationRepetitions, [&] { SetScrollInfo(box, SB_VERT, &bar, TRUE); }));
    ShowWindow(s.window.Handle(), SW_HIDE);
    s.Pump();
    PrintRow(std::string(name) + ": SetText, window hidden", 5, TimeEach(5, [&] { adapter.SetText(text); }));
}

struct StartCase {
    const char* name;
    const char* settings;  // none: an empty program folder
    std::string backup;
    int junkMegabytes = 0;  // a comment of this size after the settings
};

// Create + Show + the first loop turn, each start in a fresh folder.
void RunStartCase(const StartCase& c) {
    std::vector<double> samples;
    std::string shown;
    for (int i = 0; i < kStarts; ++i) {
        ProgramFolder folder;
        std::string settings = c.settings ? c.settings : "";
        if (c.junkMegabytes > 0) settings += ";" + std::string(static_cast<size_t>(c.junkMegabytes) << 20, 'x');
        if (c.settings) folder.WriteSettings(settings);
        if (!c.backup.empty()) ProgramFolder::WriteBytes(folder.File(programfiles::kBackupFile), c.backup);
        {
            ProbedMainWindow window;
            const double t0 = Now();
            const bool running = window.Create(GetModuleHandleW(nullptr), folder.Path(), false) == StartResult::Running;
            if (running) window.Show(SW_SHOWNORMAL);
            MessageLoop::ForThisThread().PumpPending();
            samples.push_back(Now() - t0);
            if (!running) {
                std::printf("  %s: the main window did not start\n", c.name);
                return;
            }
            if (i == 0) shown = std::to_string(SendMessageW(window.Box(), EM_GETLINECOUNT, 0, 0));
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    PrintRow(std::string(c.name) + " (" + shown + " lines shown)", kStarts, Summarise(samples));
}

}  // namespace

// Commands on whole texts, through the menu commands of a shown window with
// real-time evaluation off.
const char kNormalModeSettings[] = "[运行设置]\r\n动态刷新=假\r\n[其他设置]\r\n允许多开=真\r\n";

void Command(Started& s, UINT id) {
    SendMessageW(s.window.Handle(), WM_COMMAND, id, 0);
    s.Pump();
}

void TimeBatch(int lines) {
    Started s(kNormalModeSettings);
    const std::string text = Lines(lines, "123+456");
    std::vector<double> samples;
    for (int i = 0; i < 3; ++i) {
        s.window.BoxText().SetText(text);
        s.Pump();
        const double t0 = Now();
        Command(s, IDM_BATCH);
        samples.push_back(Now() - t0);
    }
    const bool right = s.window.BoxText().Text() == Lines(lines, "123+456=579");
    PrintRow(std::to_string(lines) + " lines: batch calculation" + (right ? "" : " (WRONG RESULT)"), 3,
             Summarise(samples));
}

void TimeSum(int lines) {
    Started s(kNormalModeSettings);
    const std::string text = Lines(lines, "1+2=3");
    std::vector<double> samples;
    for (int i = 0; i < 3; ++i) {
        s.window.BoxText().SetText(text);
        SendMessageW(s.window.Box(), EM_SETSEL, 0, -1);
        s.Pump();
        const double t0 = Now();
        Command(s, IDM_SUM);
        samples.push_back(Now() - t0);
    }
    PrintRow(std::to_string(lines) + " lines selected: sum of results", 3, Summarise(samples));
}

void TimeUndoRedo(const char* name, const std::string& text, bool shown = true) {
    Started s(kNormalModeSettings);
    if (!shown) ShowWindow(s.window.Handle(), SW_HIDE);
    s.window.BoxText().SetText(text);
    s.Pump();
    std::vector<double> undo, redo;
    for (int i = 0; i < 5; ++i) {
        // One small change in the middle, then back and forth over it.
        s.window.BoxText().SetSelectionLength(0);
        s.window.BoxText().SetSelectionStart(static_cast<TextPos>(text.size() / 2 / 13 * 13));
        s.window.BoxText().ReplaceSelection("7");
        s.Pump();
        double t0 = Now();
        Command(s, IDM_UNDO);
        undo.push_back(Now() - t0);
        t0 = Now();
        Command(s, IDM_REDO);
        redo.push_back(Now() - t0);
        Command(s, IDM_UNDO);
    }
    const std::string label = std::string(name) + (shown ? "" : ", hidden");
    PrintRow(label + ": undo", 5, Summarise(undo));
    PrintRow(label + ": redo", 5, Summarise(redo));
}

// Enter on one long line in normal mode: the time the status bar shows,
// split into what the edit control spent on the adapter's messages (its
// own layout of the line) and the program's own work, beside the engine's
// evaluation of the same line in an in-memory box. The window's handling
// of the control's change notice runs inside the control's message and
// counts as the program's.
struct ControlClock {
    double inControl = 0;  // ms inside the control's messages
    double notices = 0;    // ms of it in the window's handling of EN_CHANGE
    int depth = 0;
};

ControlClock* g_clock = nullptr;
WNDPROC g_timedBoxProc = nullptr;
WNDPROC g_timedWindowProc = nullptr;

LRESULT CALLBACK TimingBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    // The key release is the program's work; what it sends is the control's.
    if (message == WM_KEYUP || g_clock->depth > 0)
        return CallWindowProcW(g_timedBoxProc, box, message, wParam, lParam);
    ++g_clock->depth;
    const double t0 = Now();
    const LRESULT result = CallWindowProcW(g_timedBoxProc, box, message, wParam, lParam);
    g_clock->inControl += Now() - t0;
    --g_clock->depth;
    return result;
}

LRESULT CALLBACK TimingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND || g_clock->depth == 0)
        return CallWindowProcW(g_timedWindowProc, window, message, wParam, lParam);
    const int depth = g_clock->depth;
    g_clock->depth = 0;  // the window's own messages to the box are its work
    const double t0 = Now();
    const LRESULT result = CallWindowProcW(g_timedWindowProc, window, message, wParam, lParam);
    g_clock->notices += Now() - t0;
    g_clock->depth = depth;
    return result;
}

template <class Proc>
Proc Replace(HWND window, Proc proc) {
    return reinterpret_cast<Proc>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

std::string SumLine(int arguments) {
    std::string line = "sum(";
    for (int i = 1; i <= arguments; ++i) line += std::to_string(i) + (i < arguments ? "," : ")");
    return line;
}

void TimeLongLineEnter(const char* name, const std::string& line, int repetitions) {
    Started s(kNormalModeSettings);
    if (!s.running) return;
    const HWND box = s.window.Box();
    const WPARAM end = GbkToWide(line).size();
    std::vector<double> total, own, control, withPaint;
    bool evaluated = true;
    for (int i = 0; i < repetitions; ++i) {
        s.window.BoxText().SetText(line);
        SendMessageW(box, EM_SETSEL, end, end);
        s.Pump();
        ControlClock clock;
        g_clock = &clock;
        g_timedBoxProc = Replace(box, &TimingBoxProc);
        g_timedWindowProc = Replace(s.window.Handle(), &TimingWindowProc);
        const double t0 = Now();
        SendMessageW(box, WM_KEYUP, VK_RETURN, KeyLParam(VK_RETURN, true));
        const double t1 = Now();
        Replace(box, g_timedBoxProc);
        Replace(s.window.Handle(), g_timedWindowProc);
        g_clock = nullptr;
        s.Pump();
        withPaint.push_back(Now() - t0);
        total.push_back(t1 - t0);
        control.push_back(clock.inControl - clock.notices);
        own.push_back(total.back() - control.back());
        evaluated = evaluated && s.window.BoxText().TextSize() > static_cast<TextPos>(line.size());
    }
    const std::string label = std::string(name) + (evaluated ? "" : " (NO RESULT WRITTEN)");
    PrintRow(label + ": Enter", repetitions, Summarise(total));
    PrintRow(label + ":   of it the program's own work", repetitions, Summarise(own));
    PrintRow(label + ":   of it inside the edit control", repetitions, Summarise(control));
    PrintRow(label + ": Enter + repaint", repetitions, Summarise(withPaint));

    Settings settings;
    settings.RealTimeMode = false;
    EngineState state;
    MemoryStatusBar status;
    MemoryClipboard clipboard;
    PrintRow(label + ": Evaluator, in-memory box", repetitions, TimeEach(repetitions, [&] {
                 MemoryTextBox memory(line, static_cast<TextPos>(line.size()));
                 Engine engine(memory, status, clipboard, settings, state);
                 engine.Evaluator();
             }));
}

// The same lines as the engine benchmark's long ones.
void RunLongLineCases() {
    PrintHeader("Enter on one long line, caret at its end (normal mode, window shown)");
    TimeLongLineEnter("sum of 5,000 arguments (23,897 chars)", SumLine(5000), 3);
    TimeLongLineEnter("sum of 20,000 arguments (108,894 chars)", SumLine(20000), 3);
    std::string ones = "1";
    for (int i = 1; i < 50000; ++i) ones += "+1";
    TimeLongLineEnter("1+1+... of 50,000 terms (99,999 chars)", ones, 3);
}

void RunCommandCases() {
    PrintHeader("Commands on whole texts (menu commands, window shown)");
    TimeBatch(100);
    TimeBatch(kLongTextLines);
    TimeSum(100);
    TimeSum(kLongTextLines);
    TimeUndoRedo("100 lines", Lines(100, "123+456=579"));
    TimeUndoRedo("1 MB (80,000 lines)", Lines(80000, "123+456=579"));
    TimeUndoRedo("1 MB (80,000 lines)", Lines(80000, "123+456=579"), false);
}

// The file menu's open and save on the main window's own box, without the
// dialogs: reading, the box's whole-text write with its undo step, and the
// atomic replace of the file.
struct BenchFileHost : FileCommandsHost {
    explicit BenchFileHost(Started& s) : s(s) {}
    HWND FileDialogOwner() override { return s.window.Handle(); }
    TextBox& FileBox() override { return s.window.BoxText(); }
    HWND FileBoxControl() override { return s.window.Box(); }
    void SetFileCaption(const std::wstring& caption) override { SetWindowTextW(s.window.Handle(), caption.c_str()); }
    void EndProgram() override {}
    Started& s;
};

void TimeFileCommands(const char* name, const std::string& text, int repetitions) {
    Started s(kNormalModeSettings);
    BenchFileHost host(s);
    FileCommands commands(host);
    const std::wstring source = s.folder.Path() + L"\\source.txt";
    const std::wstring target = s.folder.Path() + L"\\target.txt";
    if (!ProgramFolder::WriteBytes(source, text)) return;
    std::vector<double> opens, saves, reads, setTexts;
    bool right = true;
    for (int i = 0; i < repetitions; ++i) {
        // The parts of an open that are not FileCommands' own: reading the
        // file and the box's whole-text write with its handling.
        double t0 = Now();
        right = ReadWholeFile(source, programfiles::kLargestReadableFile).Bytes.size() == text.size() && right;
        reads.push_back(Now() - t0);
        s.window.BoxText().SetText("");
        s.Pump();
        t0 = Now();
        s.window.BoxText().SetText(text);
        s.Pump();
        setTexts.push_back(Now() - t0);
        s.window.BoxText().SetText("");
        s.Pump();
        t0 = Now();
        right = commands.LoadFile(source) && right;
        s.Pump();
        opens.push_back(Now() - t0);
        t0 = Now();
        right = commands.SaveFile(target) == SaveOutcome::Saved && right;
        saves.push_back(Now() - t0);
    }
    right = right && ProgramFolder::ReadBytes(target) == text;
    const std::string label = std::string(name) + (right ? "" : " (WRONG RESULT)");
    PrintRow(label + ": open", repetitions, Summarise(opens));
    PrintRow(label + ":   of it reading the file", repetitions, Summarise(reads));
    PrintRow(label + ":   of it the box's whole-text write", repetitions, Summarise(setTexts));
    PrintRow(label + ": save", repetitions, Summarise(saves));
}

struct BenchFindHost : FindReplaceHost {
    explicit BenchFindHost(Started& s) : s(s) {}
    void FocusBox() override {}
    const Settings& CurrentSettings() const override { return s.window.CurrentSettings(); }
    Started& s;
};

// 替换全部 of a one-character text on the main window's box: the new text is
// built in one pass and written once.
void TimeReplaceAll() {
    Started s(kNormalModeSettings);
    BenchFindHost host(s);
    FindReplace find(s.window.BoxText(), host);
    const std::string text = Lines(100000, "1234567+9");
    std::vector<double> samples;
    bool right = true;
    for (int i = 0; i < 3; ++i) {
        s.window.BoxText().SetText(text);
        s.Pump();
        find.TakeSearchAndReplace("+", "-", true);
        const double t0 = Now();
        find.ReplaceAllInText();
        s.Pump();
        samples.push_back(Now() - t0);
        right = right && s.window.BoxText().Text() == Lines(100000, "1234567-9");
    }
    PrintRow(std::string("1.1 MB, 100,000 matches: replace all") + (right ? "" : " (WRONG RESULT)"), 3,
             Summarise(samples));
}

void RunFileCases() {
    PrintHeader("File menu: open and save through FileCommands, without the dialogs");
    TimeFileCommands("100 lines", Lines(100, "123+456=579"), 5);
    // The control lays a text out line by line, an empty line for almost
    // nothing: the more lines with text a file holds, the longer it takes.
    // The largest file accepted of each kind, CR LF included.
    const auto largest = [](const std::string& line) {
        return Lines(static_cast<int>(programfiles::kLargestReadableFile / (line.size() + 2)), line);
    };
    const std::string limit = std::to_string(programfiles::kLargestReadableFile >> 10) + " KB";
    TimeFileCommands((limit + " of 78-character lines").c_str(), largest(std::string(78, '7')), 3);
    TimeFileCommands((limit + " of 11-character lines").c_str(), largest("123+456=579"), 3);
    TimeFileCommands((limit + " of one-character lines (the slowest)").c_str(), largest("7"), 3);
    TimeFileCommands((limit + " of empty lines").c_str(), largest(""), 3);
    // One line: Wine's control places a caret on it in a time that grows
    // with the square of the line's length.
    TimeFileCommands("one line of 25,000 characters", std::string(25000, '7'), 3);
    PrintHeader("Find and replace on the main window's box");
    TimeReplaceAll();
}

// 辅助分析's base conversion, as the Windows program computes it.
void RunBaseConversionCases() {
    PrintHeader("Base conversion (exact, whole numbers)");
    for (int digits : {1000, 10000, 30000}) {
        for (const auto& [from, to] : {std::pair<int, int>{10, 16}, {36, 2}, {2, 36}}) {
            std::string text(static_cast<size_t>(digits), '7');
            if (from == 2) text.assign(static_cast<size_t>(digits), '1');
            std::vector<double> samples;
            for (int i = 0; i < 3; ++i) {
                std::string input = text;
                const double t0 = Now();
                const std::string out = ConvertBase(input, from, to);
                samples.push_back(Now() - t0);
                if (out.empty()) samples.back() = -1;
            }
            PrintRow(std::to_string(digits) + " digits, base " + std::to_string(from) + " to " + std::to_string(to), 3,
                     Summarise(samples));
        }
    }
}

// A full repaint of the main window's frame, caption, menu bar and status
// bar (the box's own painting does not depend on the skin), for the
// system look and a few skins.
void RunRepaintCases() {
    PrintHeader("Repaint of the main window: frame, caption, menu bar and status bar");
    Started s(kRealtimeSettings);
    Skin skin;
    if (!s.running || !skin.Load()) {
        std::printf("  the main window or the skin engine did not start\n");
        return;
    }
    const HWND main = s.window.Handle();
    const HWND status = s.window.Status();
    SetWindowPos(main, nullptr, 40, 40, 800, 600, SWP_NOZORDER | SWP_NOACTIVATE);
    const auto repaint = [&] {
        RedrawWindow(main, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN | RDW_UPDATENOW);
        RedrawWindow(status, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        GdiFlush();
    };
    for (int index : {16, 8, 21, 30, 16}) {
        skin.Apply(index);
        s.Pump();
        TimeEach(kKeyWarmUps, repaint);
        PrintRow("skin " + std::to_string(index), kOperationRepetitions, TimeEach(kOperationRepetitions, repaint));
    }
    skin.Apply(16);
}

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    // "commands" runs only the commands on whole texts.
    if (argc > 1 && std::string(argv[1]) == "commands") {
        RunCommandCases();
        return 0;
    }
    // "lines" runs only Enter on one long line.
    if (argc > 1 && std::string(argv[1]) == "lines") {
        RunLongLineCases();
        return 0;
    }
    if (argc > 1 && std::string(argv[1]) == "repaint") {
        RunRepaintCases();
        return 0;
    }
    if (argc > 1 && std::string(argv[1]) == "bases") {
        RunBaseConversionCases();
        return 0;
    }
    // "files" runs only the file menu's open and save.
    if (argc > 1 && std::string(argv[1]) == "files") {
        RunFileCases();
        return 0;
    }
    std::printf("Numerel main window under Wine: %d key releases, %d starts per row\n", kKeyRepetitions, kStarts);

    const std::string backup = Lines(kLongTextLines, "123+456=579");

    PrintHeader("Start-up: Create + Show + first message loop turn");
    {
        // The process's first window also loads the common controls and
        // registers the window class.
        ProgramFolder folder;
        ProbedMainWindow window;
        const double t0 = Now();
        window.Create(GetModuleHandleW(nullptr), folder.Path(), false);
        window.Show(SW_SHOWNORMAL);
        MessageLoop::ForThisThread().PumpPending();
        PrintRow("first window of the process, empty folder", 1, Summary{Now() - t0, Now() - t0});
    }
    const StartCase starts[] = {
        {"empty program folder", nullptr, std::string()},
        {"backup of 10,000 lines", "[其他设置]\r\n退出保存=真\r\n允许多开=真\r\n", backup},
        // One instance only: the marker file and the window handle written
        // to the settings file are part of the start.
        {"backup of 10,000 lines, single instance", "[其他设置]\r\n退出保存=真\r\n", backup},
        // Start-up reads the settings file once, and writes it once more.
        {"settings file of 50 MB, single instance", "[其他设置]\r\n退出保存=真\r\n", std::string(), 50},
        {"backup one byte over the limit", "[其他设置]\r\n退出保存=真\r\n允许多开=真\r\n",
         std::string(static_cast<size_t>(programfiles::kLargestReadableFile) + 1, '7')},
    };
    for (const StartCase& c : starts) RunStartCase(c);

    PrintHeader("Real-time key release (WM_KEYUP of a typed digit, sent to the box)");
    const KeyCase keys[] = {
        {"10,000 lines, middle line", LongText(kLongTextLines / 2), kLongTextLines / 2},
        {"10,000 lines, last line", LongText(kLongTextLines - 1), kLongTextLines - 1},
        {"31 empty lines, first line", std::string(kExpression) + Lines(32, ""), 0},
        {"one line", kExpression, 0},
    };
    std::vector<KeyTraffic> traffic(std::size(keys));
    bool allEvaluated = true;
    for (size_t i = 0; i < std::size(keys); ++i) allEvaluated = RunKeyCase(keys[i], traffic[i]) && allEvaluated;
    for (const KeyCase& c : keys) RunEngineAlone(c);

    std::printf("\nMessages reaching the box during one key release (and ms spent in the control)\n");
    std::printf("  %-34s %5s %5s %5s %5s %5s %5s | %8s %8s %8s %8s\n", "", "GETTX", "LEN", "GSEL", "SSEL", "REPL",
                "SETTX", "text ms", "sel ms", "repl ms", "scrl ms");
    for (size_t i = 0; i < std::size(keys); ++i) {
        PrintTraffic(keys[i].name, traffic[i].shown);
        PrintTraffic((std::string(keys[i].name) + ", hidden").c_str(), traffic[i].hidden);
    }

    RunCommandCases();
    RunFileCases();
    RunLongLineCases();
    RunRepaintCases();

    PrintHeader("Box adapter operations on their own (outside a key release: each reads the whole text)");
    AdapterCosts("10,000 lines", backup);
    AdapterCosts("31 empty lines", Lines(32, ""));

    if (!allEvaluated) {
        std::printf("\nsome key releases wrote no result: their figures do not measure an evaluation\n");
        return 1;
    }
    return 0;
}
