#include "base_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

const std::string kBaseRange = "参数错误-进制只能在2-36之间";
const std::string kBadDigit = "参数错误！";

struct Case {
    std::string input;
    int from;
    int to;
    std::string expected;
};

TEST(ConvertBaseTest, GivesTheWindowsResults) {
    const std::vector<Case> cases = {
        {"255", 10, 16, "FF"},
        {"0", 10, 16, "0"},
        {"", 10, 16, "0"},
        {"", 10, 10, ""},
        {"ff", 16, 2, "11111111"},
        {"102", 2, 10, kBadDigit},
        {"１０１", 2, 10, "5"},
        {"ZZ", 36, 10, "1295"},
        {"zz", 36, 10, "1295"},
        {"00123", 10, 10, "00123"},
        {"00123", 10, 16, "7B"},
        {"000", 10, 2, "0"},
        {"1" + std::string(39, '0'), 10, 16, "2F050FE938943ACC45F65568000000000"},
        {"ZZZZZZZZZZ", 36, 10, "3656158440062975"},
        {"4294967296", 10, 16, "100000000"},
        {"-5", 10, 16, kBadDigit},
        {"1.5", 10, 16, kBadDigit},
        {"1 5", 10, 16, kBadDigit},
        {"1真", 10, 16, kBadDigit},
        {"G", 16, 10, kBadDigit},
        {"10", 1, 10, kBaseRange},
        {"10", 10, 37, kBaseRange},
        {"10", 0, 0, kBaseRange},
        {"10", 37, 2, kBaseRange},
    };
    for (const Case& c : cases) {
        std::string text = c.input;
        EXPECT_EQ(ConvertBase(text, c.from, c.to), c.expected) << c.input << " " << c.from << "->" << c.to;
    }
}

TEST(ConvertBaseTest, ReplacesTheTextByItsNormalisedForm) {
    std::string text = "ａｂ1f";
    EXPECT_EQ(ConvertBase(text, 16, 16), "AB1F");
    EXPECT_EQ(text, "AB1F");
}

// The literal method: every power recomputed from 1 by repeated
// multiplication, in decimal digits, then remainder and quotient digit by
// digit.
class Decimal {
public:
    explicit Decimal(unsigned value = 0) {
        do {
            digits_.push_back(static_cast<int>(value % 10));
            value /= 10;
        } while (value);
    }
    void Multiply(int factor) {
        int carry = 0;
        for (int& digit : digits_) {
            const int product = digit * factor + carry;
            digit = product % 10;
            carry = product / 10;
        }
        for (; carry; carry /= 10) digits_.push_back(carry % 10);
        Trim();
    }
    void Add(const Decimal& other) {
        digits_.resize(std::max(digits_.size(), other.digits_.size()), 0);
        int carry = 0;
        for (size_t i = 0; i < digits_.size(); ++i) {
            const int sum = digits_[i] + (i < other.digits_.size() ? other.digits_[i] : 0) + carry;
            digits_[i] = sum % 10;
            carry = sum / 10;
        }
        if (carry) digits_.push_back(carry);
    }
    int DivideBy(int divisor) {
        int remainder = 0;
        for (size_t i = digits_.size(); i-- > 0;) {
            const int current = remainder * 10 + digits_[i];
            digits_[i] = current / divisor;
            remainder = current % divisor;
        }
        Trim();
        return remainder;
    }
    bool GreaterThan(int small) const {
        return digits_.size() > 2 || (digits_.size() == 2 ? digits_[1] * 10 + digits_[0] : digits_[0]) > small;
    }
    int Small() const { return digits_.size() == 2 ? digits_[1] * 10 + digits_[0] : digits_[0]; }

private:
    void Trim() {
        while (digits_.size() > 1 && digits_.back() == 0) digits_.pop_back();
    }
    std::vector<int> digits_;
};

std::string LiteralConversion(const std::string& text, int from, int to) {
    const std::string alphabet = kBaseDigits;
    Decimal value;
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        Decimal power(1);
        for (size_t k = 0; k < n - 1 - i; ++k) power.Multiply(from);
        power.Multiply(static_cast<int>(alphabet.find(text[i])));
        value.Add(power);
    }
    std::string result;
    while (value.GreaterThan(to - 1)) result.insert(result.begin(), alphabet[static_cast<size_t>(value.DivideBy(to))]);
    result.insert(result.begin(), alphabet[static_cast<size_t>(value.Small())]);
    return result;
}

TEST(ConvertBaseTest, EqualsTheLiteralMethodForEveryBasePair) {
    std::mt19937 random(20240303);
    for (int from = 2; from <= 36; ++from) {
        for (int to = 2; to <= 36; ++to) {
            if (from == to) continue;
            for (int round = 0; round < 4; ++round) {
                // Lengths across a word's worth of digits and beyond, zeros on top at times.
                const size_t length = 1 + random() % 40;
                std::string text;
                for (size_t i = 0; i < length; ++i) text += kBaseDigits[random() % static_cast<unsigned>(from)];
                if (round == 3) text = "00" + std::string(length, kBaseDigits[from - 1]);
                std::string input = text;
                ASSERT_EQ(ConvertBase(input, from, to), LiteralConversion(text, from, to))
                    << text << " " << from << "->" << to;
            }
        }
    }
}

TEST(ConvertBaseTest, LongNumbersRoundTrip) {
    std::mt19937 random(7);
    std::string text(3000, '0');
    for (char& ch : text) ch = kBaseDigits[random() % 36];
    text[0] = 'Z';
    std::string input = text;
    std::string binary = ConvertBase(input, 36, 2);
    std::string decimal = ConvertBase(binary, 2, 10);
    EXPECT_EQ(ConvertBase(decimal, 10, 36), text);
}

}  // namespace
