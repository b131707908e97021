#include "keyboard.h"

#include <algorithm>
#include <random>

#include "settings.h"

namespace {

constexpr unsigned kVkBack = 8;
constexpr unsigned kVkNumpad0 = 96;
constexpr unsigned kVkDecimal = 110;

KeyEffect Ins(const char* text) { return {KeyAction::Insert, text, 0}; }
KeyEffect Act(KeyAction action) { return {action, "", 0}; }
// Digits go as keypad keys: the main keyboard's digits are what the
// quick-symbol keys (成对括号) turn into brackets and operators.
KeyEffect Digit(int digit) { return {KeyAction::SimulateKey, "", kVkNumpad0 + static_cast<unsigned>(digit)}; }
KeyEffect Sim(unsigned key) { return {KeyAction::SimulateKey, "", key}; }

const std::array<KeyboardKey, kKeyboardKeyCount> kKeys = {{
    {"2nd", nullptr, 9, 5, Act(KeyAction::ToggleShift), {}},
    {"n！", nullptr, 84, 5, Ins("!"), {}},
    {"∟", "，", 159, 5, Ins("∟"), Ins(",")},
    {"简单", nullptr, 234, 5, Act(KeyAction::ToggleMode), {}},
    {"全清", nullptr, 309, 5, Act(KeyAction::ClearBox), {}},
    {"换行", nullptr, 384, 5, Ins("\r\n"), {}},
    {"撤销", nullptr, 460, 5, Act(KeyAction::Undo), {}},
    {"X^2", "√", 9, 41, Ins("^2"), Ins("√")},
    {"X^3", "3√", 84, 41, Ins("^3"), Ins("3√")},
    {"X^y", "1/X", 159, 41, Ins("^"), {KeyAction::InsertInside, "1/()", 0}},
    {"←", nullptr, 234, 41, Act(KeyAction::CaretLeft), {}},
    {"→", nullptr, 309, 41, Act(KeyAction::CaretRight), {}},
    {"取存", nullptr, 384, 41, Act(KeyAction::InsertLastResult), {}},
    {"BACK", nullptr, 460, 41, Sim(kVkBack), {}},
    {"sin", "asin", 9, 77, Ins("sin"), Ins("asin")},
    {"cos", "acos", 84, 77, Ins("cos"), Ins("acos")},
    {"tan", "atan", 159, 77, Ins("tan"), Ins("atan")},
    {"（）", nullptr, 234, 77, Act(KeyAction::Bracket), {}},
    {"÷", nullptr, 309, 77, Ins("÷"), {}},
    {"×", nullptr, 384, 77, Ins("×"), {}},
    {"-", nullptr, 460, 77, Ins("-"), {}},
    {"sinh", "asinh", 9, 113, Ins("sinh"), Ins("asinh")},
    {"cosh", "acosh", 84, 113, Ins("cosh"), Ins("acosh")},
    {"tanh", "atanh", 159, 113, Ins("tanh"), Ins("atanh")},
    {"7", nullptr, 234, 113, Digit(7), {}},
    {"8", nullptr, 309, 113, Digit(8), {}},
    {"9", nullptr, 384, 113, Digit(9), {}},
    {"+", nullptr, 460, 113, Ins("+"), {}},
    {"log", "lg", 9, 149, Ins("log"), Ins("lg")},
    {"e", "ln", 84, 149, Ins("e"), Ins("ln")},
    {"π", "Rand", 159, 149, Ins("π"), Act(KeyAction::RandomNumber)},
    {"4", nullptr, 234, 149, Digit(4), {}},
    {"5", nullptr, 309, 149, Digit(5), {}},
    {"6", nullptr, 384, 149, Digit(6), {}},
    {"int", nullptr, 9, 185, Ins("int"), {}},
    {"1", nullptr, 234, 185, Digit(1), {}},
    {"2", nullptr, 309, 185, Digit(2), {}},
    {"3", nullptr, 384, 185, Digit(3), {}},
    {"=", nullptr, 460, 185, Act(KeyAction::Enter), {}},
    // Text, not a key press: it does not start a new line behind a result.
    {"0", nullptr, 234, 223, Ins("0"), {}},
    {".", nullptr, 384, 223, Sim(kVkDecimal), {}},
}};

bool IsLead(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
bool IsTrail(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }

// Bytes of the character at `pos`: two for a lead byte with its trail byte.
TextPos CharBytes(const std::string& text, TextPos pos) {
    const auto size = static_cast<TextPos>(text.size());
    if (pos + 1 < size && IsLead(static_cast<unsigned char>(text[pos])) &&
        IsTrail(static_cast<unsigned char>(text[pos + 1])))
        return 2;
    return 1;
}

bool IsCrLfAt(const std::string& text, TextPos pos) {
    return pos >= 0 && pos + 1 < static_cast<TextPos>(text.size()) && text[pos] == '\r' && text[pos + 1] == '\n';
}

}  // namespace

const std::array<KeyboardKey, kKeyboardKeyCount>& KeyboardKeys() { return kKeys; }

std::string KeyCaption(int index, bool shifted) {
    const KeyboardKey& key = kKeys.at(index);
    return shifted && key.SecondCaption ? key.SecondCaption : key.Caption;
}

KeyEffect KeyPress(int index, bool shifted) {
    const KeyboardKey& key = kKeys.at(index);
    return shifted && key.SecondCaption ? key.Second : key.Primary;
}

int KeyIndexOf(const std::string& caption) {
    for (int i = 0; i < kKeyboardKeyCount; ++i) {
        if (caption == kKeys[i].Caption) return i;
    }
    return -1;
}

std::string NextBracketCaption(const std::string& caption) {
    if (caption == "（ ") return " ）";
    if (caption == " ）") return "（）";
    return "（ ";
}

std::string BracketInsertText(const std::string& caption) {
    if (caption == "（ ") return "(";
    if (caption == " ）") return ")";
    return "()";
}

TextPos CaretLeftOf(const std::string& text, TextPos caret) {
    caret = std::min<TextPos>(caret, static_cast<TextPos>(text.size()));
    if (caret <= 0) return 0;
    if (IsCrLfAt(text, caret - 2)) return caret - 2;
    // Trail bytes can look like ASCII ("∟" is A8 4E): only a walk from the
    // line's start tells which byte begins the character before the caret.
    if (text[caret - 1] == '\n') return caret - 1;
    const std::size_t lineEnd = text.rfind('\n', static_cast<std::size_t>(caret - 1));
    TextPos pos = lineEnd == std::string::npos ? 0 : static_cast<TextPos>(lineEnd) + 1;
    for (;;) {
        const TextPos next = pos + CharBytes(text, pos);
        if (next >= caret) return pos;
        pos = next;
    }
}

TextPos CaretRightOf(const std::string& text, TextPos caret) {
    const auto size = static_cast<TextPos>(text.size());
    if (caret < 0) return 0;
    if (caret >= size) return size;
    return caret + (IsCrLfAt(text, caret) ? 2 : CharBytes(text, caret));
}

std::string RandomKeyText(std::uint32_t seed) {
    std::minstd_rand generator(seed);
    return std::to_string(std::uniform_int_distribution<int>(1, 1000)(generator));
}

std::array<KeyRect, kKeyboardKeyCount> KeyboardLayout(int width, int height, bool scientific) {
    const long long w = width, h = height;
    auto across = [w](long long value, long long design) { return static_cast<int>(value * w / design); };
    auto down = [h](long long value) { return static_cast<int>(value * h / 285); };
    std::array<KeyRect, kKeyboardKeyCount> rects{};
    for (int i = 0; i < kKeyboardKeyCount; ++i) {
        const KeyboardKey& key = kKeys[i];
        const std::string caption = key.Caption;
        const bool tall = caption == "+" || caption == "=";
        const bool wide = caption == "0";
        KeyRect& r = rects[i];
        r.Top = down(key.Row);
        r.Height = down(tall ? 70 : 33);
        if (scientific) {
            r.Left = across(key.Column, 540);
            r.Width = across(wide ? 147 : 72, 540);
        } else if (key.Column < 234) {
            r.Left = across(key.Column - 400, 540);
            r.Width = across(72, 540);
        } else {
            static constexpr int kSimpleLefts[] = {6, 81, 156, 232};
            const int column = key.Column == 234 ? 0 : key.Column == 309 ? 1 : key.Column == 384 ? 2 : 3;
            r.Left = across(kSimpleLefts[column], 312);
            r.Width = across(wide ? 147 : 72, 312);
        }
    }
    return rects;
}

int SwitchedModeWidth(int width, bool toScientific) {
    const long long w = width;
    return static_cast<int>(toScientific ? w * 540 / 310 : w * 310 / 540);
}

WindowRect KeyboardPlacement(const Settings& settings, int screenWidth, int screenHeight) {
    constexpr int kMinWidth = 120;
    constexpr int kMinHeight = 100;
    WindowRect rect{settings.KeyboardLeft, settings.KeyboardTop, settings.KeyboardWidth, settings.KeyboardHeight};
    // A size too small to press a key gets the designed one back.
    if (rect.Width < kMinWidth || rect.Width > screenWidth)
        rect.Width = settings.KeyboardScientific ? 540 : 310;
    if (rect.Height < kMinHeight || rect.Height > screenHeight) rect.Height = 285;
    if (!PlacementKept(rect, screenWidth, screenHeight)) {
        rect.Left = std::max(0, (screenWidth - rect.Width) / 2);
        rect.Top = std::max(0, (screenHeight - rect.Height) / 2);
    }
    return rect;
}
