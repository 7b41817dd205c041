#include "converter/RateText.h"
#include "data/RecordCursor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace quorvane;

namespace {
const NumberFormat kEn{".", ",", "-"};
const NumberFormat kDe{",", ".", "-"};
const NumberFormat kFr{",", "\u202f", "-"};  // narrow no-break space groups
}  // namespace

TEST(RateText, NumericTestAndValueFollowTheLocale) {
    struct Case { const char* text; const NumberFormat* fmt; std::optional<double> value; };
    const Case cases[] = {
        {"1.5", &kEn, 1.5},       {" 1.5 ", &kEn, 1.5},      {"1,234.5", &kEn, 1234.5},
        {"-5", &kEn, -5},         {"+2", &kEn, 2},           {"1E+300", &kEn, 1e300},
        {"2.5e-3", &kEn, 0.0025}, {".5", &kEn, 0.5},         {"5.", &kEn, 5},
        {"1,5", &kDe, 1.5},       {"1.234,5", &kDe, 1234.5}, {"1\u202f234,5", &kFr, 1234.5},
        {"", &kEn, std::nullopt}, {"   ", &kEn, std::nullopt}, {"abc", &kEn, std::nullopt},
        {"1.2.3", &kEn, std::nullopt}, {"12abc", &kEn, std::nullopt}, {"1e", &kEn, std::nullopt},
        {"1e400", &kEn, std::nullopt}, {"inf", &kEn, std::nullopt}, {"nan", &kEn, std::nullopt},
        {",5", &kEn, std::nullopt}, {"--1", &kEn, std::nullopt}, {"1.5", &kDe, 15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        auto v = numericValue(c.text, *c.fmt);
        EXPECT_EQ(v.has_value(), c.value.has_value());
        EXPECT_EQ(isNumeric(c.text, *c.fmt), c.value.has_value());
        if (v && c.value) { EXPECT_DOUBLE_EQ(*v, *c.value); }  // braces: the macro holds an if
    }
}

TEST(RateText, LeadingNumberReadsDotDecimalsAndStops) {
    struct Case { const char* text; double value; };
    const Case cases[] = {
        {"1.5000", 1.5}, {"  12.25", 12.25}, {"1 2 3", 123}, {"1,234.5", 1}, {"abc", 0}, {"", 0},
        {"-5", -5}, {"1e3", 1000}, {"2.5E-2x", 0.025}, {"7e", 7}, {"0,88", 0}, {".5", 0.5}, {"99999.5", 99999.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.value);
    }
    // With a comma decimal symbol the same rule reads the German forms.
    for (auto [text, value] : {std::pair{"0,92", 0.92}, {"1.234,5", 1.0}, {"1,5e2", 150.0}, {"0.88", 0.0}})
        EXPECT_DOUBLE_EQ(leadingNumber(text, kDe), value) << text;
    EXPECT_TRUE(std::isinf(leadingNumber("1e999")));
}

TEST(RateText, BoxTextIsPlainDecimalInTheLocaleAndReadsBackExactly) {
    struct Case { double v; const char* en; const char* de; };
    const Case cases[] = {
        {157.477, "157.477", "157,477"},   {100000, "100000", "100000"},  {2000000, "2000000", "2000000"},
        {0.880226, "0.880226", "0,880226"}, {1e-9, "0.000000001", "0,000000001"}, {1e15, "1000000000000000", nullptr},
        {-2.5, "-2.5", "-2,5"},           {0, "0", "0"},                 {1e16, "1e+16", nullptr},
        {0.1 + 0.2, "0.30000000000000004", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.en);
        EXPECT_EQ(rateToBoxText(c.v, kEn), c.en);
        if (c.de) { EXPECT_EQ(rateToBoxText(c.v, kDe), c.de); }
        // Every reading of the box agrees with the stored number, in either locale.
        for (const NumberFormat* f : {&kEn, &kDe}) {
            EXPECT_EQ(leadingNumber(rateToBoxText(c.v, *f), *f), c.v);
            EXPECT_EQ(numericValue(rateToBoxText(c.v, *f), *f), c.v);
        }
    }
}

TEST(RateText, ExtremesReadBackOrFailCleanly) {
    // The largest double's general form reads back instead of overflowing.
    for (double v : {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(), 1.7976931348623e308}) {
        std::string g = generalNumber(v, kEn);
        EXPECT_EQ(numericValue(g, kEn), v) << g;
        EXPECT_EQ(leadingNumber(g, kEn), v) << g;
    }
    // Long inputs: over- or underflow by their magnitude, not their spelling.
    const std::string zeros(400, '0');
    EXPECT_EQ(numericValue("0." + zeros + "1", kEn), 0.0);        // 1e-401: underflow
    EXPECT_EQ(numericValue("1" + zeros, kEn), std::nullopt);       // 1e400: overflow
    EXPECT_EQ(numericValue("1" + zeros + "e-300", kEn), 1e100);    // fits
    EXPECT_EQ(numericValue(std::string(400, '1') + "e-5", kEn), std::nullopt);
    EXPECT_EQ(numericValue("0." + zeros + "1e500", kEn), 1e99);
    EXPECT_EQ(numericValue("1e-99999999999999999999", kEn), 0.0);
    EXPECT_EQ(numericValue("1e99999999999999999999", kEn), std::nullopt);
}

TEST(RateText, GeneralFormAndNumberPatterns) {
    using F = std::string (*)(double, const NumberFormat&);
    struct Case { F f; double v; const NumberFormat* fmt; const char* text; };
    const F general = generalNumber, whole = formatWhole, money = formatMoney;
    const Case cases[] = {
        {general, 1.5, &kEn, "1.5"}, {general, 0, &kEn, "0"}, {general, 1500, &kEn, "1500"}, {general, 1.5, &kDe, "1,5"},
        {general, 0.1 + 0.2, &kEn, "0.3"},  // 15 significant digits
        {general, 123456789012345, &kEn, "123456789012345"}, {general, 1e15, &kEn, "1E+15"},
        {general, -2.5, &kEn, "-2.5"}, {general, 0.00001, &kEn, "1E-05"},
        {whole, 1, &kEn, "1"}, {whole, 100000, &kEn, "100,000"}, {whole, 10000000, &kEn, "10,000,000"},
        {whole, 0, &kEn, ""}, {whole, 1000, &kDe, "1.000"},
        {money, 2.675, &kEn, "2.68"},  // the decimal form, not the binary one
        {money, 1.005, &kEn, "1.01"}, {money, 100.0 / 150, &kEn, "0.67"}, {money, 10000.0 / 150, &kEn, "66.67"},
        {money, 0, &kEn, "0.00"}, {money, 0.004, &kEn, "0.00"}, {money, -0.004, &kEn, "0.00"},
        {money, -2.5, &kEn, "-2.50"}, {money, 999.995, &kEn, "1,000.00"}, {money, 1234567.891, &kEn, "1,234,567.89"},
        {money, 1234567.891, &kDe, "1.234.567,89"}, {money, 1e20, &kEn, "100,000,000,000,000,000,000.00"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.f(c.v, *c.fmt), c.text) << c.v;
    EXPECT_THROW(formatMoney(std::numeric_limits<double>::infinity(), kEn), std::overflow_error);
}
