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
        if (v && c.value) EXPECT_DOUBLE_EQ(*v, *c.value);
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
    EXPECT_TRUE(std::isinf(leadingNumber("1e999")));
}

TEST(RateText, BoxTextOfAStoredRateReadsBackExactly) {
    for (double v : {0.88022588, 1.0, 157.4772933, 22914.87, 1e-7, 1e21, 0.1 + 0.2, 123456789.123}) {
        std::string t = rateToBoxText(v);
        EXPECT_EQ(leadingNumber(t), v) << t;
        EXPECT_EQ(t.find(','), std::string::npos) << t;
    }
}

TEST(RateText, GeneralNumberForm) {
    EXPECT_EQ(generalNumber(1.5, kEn), "1.5");
    EXPECT_EQ(generalNumber(0, kEn), "0");
    EXPECT_EQ(generalNumber(1500, kEn), "1500");
    EXPECT_EQ(generalNumber(1.5, kDe), "1,5");
    EXPECT_EQ(generalNumber(0.1 + 0.2, kEn), "0.3");  // 15 significant digits
    EXPECT_EQ(generalNumber(123456789012345, kEn), "123456789012345");
    EXPECT_EQ(generalNumber(1e15, kEn), "1E+15");
    EXPECT_EQ(generalNumber(-2.5, kEn), "-2.5");
    EXPECT_EQ(generalNumber(0.00001, kEn), "1E-05");
}

TEST(RateText, NumberPatterns) {
    EXPECT_EQ(formatWhole(1, kEn), "1");
    EXPECT_EQ(formatWhole(100000, kEn), "100,000");
    EXPECT_EQ(formatWhole(10000000, kEn), "10,000,000");
    EXPECT_EQ(formatWhole(0, kEn), "");
    EXPECT_EQ(formatWhole(1000, kDe), "1.000");

    EXPECT_EQ(formatMoney(2.675, kEn), "2.68");  // the decimal form, not the binary one
    EXPECT_EQ(formatMoney(1.005, kEn), "1.01");
    EXPECT_EQ(formatMoney(100.0 / 150, kEn), "0.67");
    EXPECT_EQ(formatMoney(10000.0 / 150, kEn), "66.67");
    EXPECT_EQ(formatMoney(0, kEn), "0.00");
    EXPECT_EQ(formatMoney(0.004, kEn), "0.00");
    EXPECT_EQ(formatMoney(-0.004, kEn), "0.00");
    EXPECT_EQ(formatMoney(-2.5, kEn), "-2.50");
    EXPECT_EQ(formatMoney(999.995, kEn), "1,000.00");
    EXPECT_EQ(formatMoney(1234567.891, kEn), "1,234,567.89");
    EXPECT_EQ(formatMoney(1234567.891, kDe), "1.234.567,89");
    EXPECT_EQ(formatMoney(1e20, kEn), "100,000,000,000,000,000,000.00");
    EXPECT_THROW(formatMoney(std::numeric_limits<double>::infinity(), kEn), std::overflow_error);
}
