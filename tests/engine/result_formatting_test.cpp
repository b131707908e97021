#include "result_formatting.h"

#include <gtest/gtest.h>

#include "number_rules.h"
#include "settings.h"

namespace {

constexpr ResultForm kDecimal = ResultForm::Decimal;
constexpr ResultForm kImproper = ResultForm::ImproperFraction;
constexpr ResultForm kMixed = ResultForm::MixedNumber;

Settings MakeSettings(bool roundLastDigit, int precision, int thousands) {
    Settings settings;
    settings.RoundLastDigit = roundLastDigit;
    settings.Precision = precision;
    settings.ThousandsSeparator = thousands;
    return settings;
}

TEST(ResultFormatting, FormatNumberBySettings) {
    struct Case { const char* text; bool roundLastDigit; int precision; int thousands; const char* expected; };
    const Case cases[] = {
        {"0.3333333333333", true, 12, 0, "0.333333333333"},
        {"2.5", true, 12, 0, "2.5"},
        {"0.3333333333333", false, 2, 0, "0.33"},
        {"7", false, 2, 0, "7.00"},
        {"2.5", false, 2, 0, "2.50"},
        {"0.6666666666667", false, 3, 0, "0.667"},
        {"5", false, 3, 0, "5.000"},
        {"2.5", true, 0, 0, "3"},
        {"1234567.5", true, 12, 2, "1,234,567.5"},
        {"1234567.5", true, 12, 1, "1;234;567.5"},
        {"-1234", true, 12, 2, "-1,234"},
        {"-1234", false, 1, 1, "-1;234.0"},
        {"0.5", false, 40, 0, "0.50000000000000"},  // places above 14 act as 14
        {"2.5", false, -3, 0, "3"},                  // below 0 act as 0
        {"9999999999999.5", false, 2, 2, "1e+013.00"},
        {"1e999", true, 12, 0, "1"},  // 1.#INF, which reads back as 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatNumber(c.text, MakeSettings(c.roundLastDigit, c.precision, c.thousands)),
                  c.expected);
    }
}

TEST(ResultFormatting, DecimalToFraction) {
    const Settings defaults;
    struct Case { const char* text; ResultForm form; const char* expected; };
    const Case cases[] = {
        {"2.5", kImproper, "5∟2"},
        {"2.5", kMixed, "2∟1∟2"},
        {"-0.75", kImproper, "-3∟4"},
        {"-0.75", kMixed, "-3∟4"},          // no whole part written
        {"-3.25", kMixed, "-3∟1∟4"},
        {"1234567.5", kImproper, "2469135∟2"},  // 7 + 1 digits
        {"12345678.5", kImproper, "12345678.5"},  // improper form would need 8 + 1 digits
        {"1234.5", kMixed, "1234∟1∟2"},      // 4 + 1 + 1 digits
        {"12345.5", kMixed, "12345.5"},      // mixed form would need 7 digits
        {"123456789.5", kImproper, "123456789.5"},
        {"-12345678.5", kMixed, "-12345678.5"},  // 8 digits and a sign
        {"0.3334761904762", kImproper, "0.333476190476"},  // 7003/21000 needs 9 digits
        {"3.00000001", kImproper, "3.00000001"},  // fraction within the tolerance
        {"2.9999999999995", kImproper, "3"},      // snaps to a whole number
        {"5.0000001", kImproper, "5.0000001"},    // 1/9999900 found, too long as 49999501∟9999900
        // Just below a whole number: found as 2/2, shown as the decimal.
        {"-0.999999999999", kImproper, "-0.999999999999"},
        {"1.99999995", kMixed, "1.99999995"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DecimalToFraction(c.text, c.form, defaults), c.expected);
    }
    // The decimal fallback follows the settings.
    EXPECT_EQ(DecimalToFraction("123456789.5", kImproper, MakeSettings(false, 2, 1)), "123;456;789.50");
}

TEST(ResultFormatting, ResultTextChoosesTheForm) {
    const double oneThirdPlusOneSeventhThousandth =
        TextToNumber(NumberToText(1.0 / 3)) + TextToNumber(NumberToText(1.0 / 7000));
    const FractionInput none = FractionInput::None;
    const FractionInput literal = FractionInput::FractionLiteral;
    struct Case { double x; ResultForm form; FractionInput fractionInput; const char* expected; };
    const Case cases[] = {
        {1e20, kDecimal, none, "1×10^020"},
        {123456789012345, kImproper, literal, "1.234567890123×10^014"},
        {1.0 / 3000000, kDecimal, none, "3.333333333333×10^-007"},
        {-1.5e-7, kMixed, literal, "-1.5×10^-007"},
        {0.5 + 1.0 / 3, kImproper, literal, "5∟6"},
        {0.5 + 1.0 / 3, kMixed, literal, "0.833333333333"},  // below 1: never mixed
        {3.5, kMixed, literal, "3∟1∟2"},
        {3.5, kImproper, literal, "7∟2"},
        {2.5, kImproper, none, "2.5"},  // no fraction wanted for this result
        {6, kImproper, literal, "6"},   // whole: no "." in the text
        // A 分数类型 outside 0..2: the text as it is, not rounded to the places.
        {1.0 / 3, ResultForm::ComputedText, literal, "0.3333333333333"},
        {123456789.5, kImproper, literal, "123456789.5"},
        {oneThirdPlusOneSeventhThousandth, kImproper, literal, "0.333476190476"},
    };
    const Settings defaults;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(ResultText(c.x, NumberToText(c.x), c.form, c.fractionInput, defaults), c.expected);
    }
}

TEST(ResultFormatting, PowerOfTenFormIgnoresPlacesAndGrouping) {
    const Settings settings = MakeSettings(false, 2, 2);
    EXPECT_EQ(ResultText(1e20, "1e+020", kDecimal, FractionInput::None, settings), "1×10^020");
    EXPECT_EQ(ResultText(1.5e-7, "1.5e-007", kDecimal, FractionInput::None, settings), "1.5×10^-007");
    EXPECT_EQ(ResultText(1234.5, "1234.5", kDecimal, FractionInput::None, settings), "1,234.50");
}

}  // namespace
