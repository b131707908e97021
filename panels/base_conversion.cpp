#include "base_conversion.h"

#include <cstdint>
#include <vector>

#include "text_rules.h"

const char kBaseDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

namespace {

const char kBaseOutOfRange[] = "参数错误-进制只能在2-36之间";
const char kBadDigit[] = "参数错误！";

int DigitValue(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'A' && ch <= 'Z') return ch - 'A' + 10;
    return 99;
}

// The largest power of `base` that fits a 32-bit word, and its exponent.
struct WordPower {
    uint32_t value = 1;
    int digits = 0;
};

WordPower LargestWordPower(int base) {
    WordPower power;
    while (static_cast<uint64_t>(power.value) * static_cast<uint64_t>(base) <= UINT32_MAX) {
        power.value *= static_cast<uint32_t>(base);
        ++power.digits;
    }
    return power;
}

// A non-negative integer in 32-bit words, least significant first, with no
// zero word on top.
class Natural {
public:
    // this := this * factor + addend.
    void MultiplyAdd(uint32_t factor, uint32_t addend) {
        uint64_t carry = addend;
        for (uint32_t& word : words_) {
            const uint64_t product = static_cast<uint64_t>(word) * factor + carry;
            word = static_cast<uint32_t>(product);
            carry = product >> 32;
        }
        if (carry) words_.push_back(static_cast<uint32_t>(carry));
    }

    // this := this / divisor; returns the remainder.
    uint32_t DivideBy(uint32_t divisor) {
        uint64_t remainder = 0;
        for (size_t i = words_.size(); i-- > 0;) {
            const uint64_t current = (remainder << 32) | words_[i];
            words_[i] = static_cast<uint32_t>(current / divisor);
            remainder = current % divisor;
        }
        while (!words_.empty() && words_.back() == 0) words_.pop_back();
        return static_cast<uint32_t>(remainder);
    }

    bool IsZero() const { return words_.empty(); }

private:
    std::vector<uint32_t> words_;
};

// Horner's rule a word's worth of digits at a time.
Natural ValueOf(const std::string& digits, int base) {
    const WordPower full = LargestWordPower(base);
    Natural value;
    size_t at = 0;
    while (at < digits.size()) {
        uint32_t chunk = 0, scale = 1;
        for (int k = 0; k < full.digits && at < digits.size(); ++k, ++at) {
            chunk = chunk * static_cast<uint32_t>(base) + static_cast<uint32_t>(DigitValue(digits[at]));
            scale *= static_cast<uint32_t>(base);
        }
        value.MultiplyAdd(scale, chunk);
    }
    return value;
}

// Each division by the word power gives that many digits, lowest first.
std::string DigitsOf(Natural value, int base) {
    const WordPower full = LargestWordPower(base);
    std::string reversed;
    while (!value.IsZero()) {
        uint32_t chunk = value.DivideBy(full.value);
        for (int k = 0; k < full.digits; ++k) {
            reversed += kBaseDigits[chunk % static_cast<uint32_t>(base)];
            chunk /= static_cast<uint32_t>(base);
        }
    }
    while (reversed.size() > 1 && reversed.back() == '0') reversed.pop_back();
    if (reversed.empty()) return "0";
    return std::string(reversed.rbegin(), reversed.rend());
}

}  // namespace

std::string ConvertBase(std::string& text, int fromBase, int toBase) {
    if (fromBase < 2 || toBase < 2 || fromBase > 36 || toBase > 36) return kBaseOutOfRange;
    text = ToUpper(ToHalfWidth(text));
    for (const char ch : text) {
        if (DigitValue(ch) >= fromBase) return kBadDigit;
    }
    if (fromBase == toBase) return text;
    return DigitsOf(ValueOf(text, fromBase), toBase);
}
