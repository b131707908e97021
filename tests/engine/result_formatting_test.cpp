#include "result_formatting.h"

#include <gtest/gtest.h>

#include "number_rules.h"
#include "settings.h"

namespace {

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
    struct Case { const char* text; int kind; const char* expected; };
    const Case cases[] = {
        {"2.5", 0, "5∟2"},
        {"2.5", 1, "2∟1∟2"},
        {"-0.75", 0, "-3∟4"},
        {"-0.75", 1, "-3∟4"},          // no whole part written
        {"-3.25", 1, "-3∟1∟4"},
        {"1234567.5", 0, "2469135∟2"},  // 7 + 1 digits
        {"12345678.5", 0, "12345678.5"},  // improper form would need 8 + 1 digits
        {"1234.5", 1, "1234∟1∟2"},      // 4 + 1 + 1 digits
        {"12345.5", 1, "12345.5"},      // mixed form would need 7 digits
        {"123456789.5", 0, "123456789.5"},
        {"-12345678.5", 1, "-12345678.5"},  // 8 digits and a sign
        {"0.3334761904762", 0, "0.333476190476"},  // 7003/21000 needs 9 digits
        {"3.00000001", 0, "3.00000001"},  // fraction within the tolerance
        {"2.9999999999995", 0, "3"},      // snaps to a whole number
        {"5.0000001", 0, "5.0000001"},    // 1/9999900 found, too long as 49999501∟9999900
        // Just below a whole number: found as 2/2, shown as the decimal.
        {"-0.999999999999", 0, "-0.999999999999"},
        {"1.99999995", 1, "1.99999995"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DecimalToFraction(c.text, c.kind, defaults), c.expected);
    }
    // The decimal fallback follows the settings.
    EXPECT_EQ(DecimalToFraction("123456789.5", 0, MakeSettings(false, 2, 1)), "123;456;789.50");
}

TEST(ResultFormatting, ResultTextChoosesTheForm) {
    const double oneThirdPlusOneSeventhThousandth =
        TextToNumber(NumberToText(1.0 / 3)) + TextToNumber(NumberToText(1.0 / 7000));
    struct Case { double x; int form; int fractionInput; const char* expected; };
    const Case cases[] = {
        {1e20, 0, 0, "1×10^020"},
        {123456789012345, 1, 1, "1.234567890123×10^014"},
        {1.0 / 3000000, 0, 0, "3.333333333333×10^-007"},
        {-1.5e-7, 2, 1, "-1.5×10^-007"},
        {0.5 + 1.0 / 3, 1, 1, "5∟6"},
        {0.5 + 1.0 / 3, 2, 1, "0.833333333333"},  // below 1: never mixed
        {3.5, 2, 1, "3∟1∟2"},
        {3.5, 1, 1, "7∟2"},
        {2.5, 1, 0, "2.5"},         // no fraction wanted for this result
        {6, 1, 1, "6"},             // whole: no "." in the text
        {3.5, 3, 1, "3.5"},         // unknown form: the text as it is
        {123456789.5, 1, 1, "123456789.5"},
        {oneThirdPlusOneSeventhThousandth, 1, 1, "0.333476190476"},
    };
    const Settings defaults;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(ResultText(c.x, NumberToText(c.x), c.form, c.fractionInput, defaults), c.expected);
    }
}

TEST(ResultFormatting, PowerOfTenFormIgnoresPlacesAndGrouping) {
    const Settings settings = MakeSettings(false, 2, 2);
    EXPECT_EQ(ResultText(1e20, "1e+020", 0, 0, settings), "1×10^020");
    EXPECT_EQ(ResultText(1.5e-7, "1.5e-007", 0, 0, settings), "1.5×10^-007");
    EXPECT_EQ(ResultText(1234.5, "1234.5", 0, 0, settings), "1,234.50");
}

}  // namespace
