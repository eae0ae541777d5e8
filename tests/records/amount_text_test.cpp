#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "records/amount_text.h"

namespace {

TEST(AmountText, ReadsEitherSeparatorAndStaysWithinTheFloatRange) {
  EXPECT_FLOAT_EQ(parse_amount_text("1,85"), 1.85f);
  EXPECT_FLOAT_EQ(parse_amount_text("75.5kg"), 75.5f);
  EXPECT_EQ(parse_amount_text("tall"), 0.0f);
  EXPECT_EQ(parse_amount_text("1e39"), std::numeric_limits<float>::max());
  EXPECT_EQ(parse_amount_text("-1e39"), -std::numeric_limits<float>::max());
}

// Every finite float, sampled across its whole range, and the values at the edges of each
// form: the text fits, and reading it back and writing again gives the same text.
TEST(AmountText, EveryTextIsTheTextOfWhatItReadsBackAs) {
  const auto check = [](float amount) {
    const std::string text = format_amount_text(amount);
    ASSERT_LE(text.size(), max_amount_text_length) << amount;
    ASSERT_EQ(format_amount_text(parse_amount_text(text)), text) << amount;
  };
  for (std::uint32_t bits = 0; bits < 0x7f800000; bits += 9973) {
    check(std::bit_cast<float>(bits));
    check(-std::bit_cast<float>(bits));
  }
  for (const float edge : {999999.94f, 1e6f, 99999.99f, 99999.996f, 131072.0f, 1e7f, 2.0001e37f,
                           std::numeric_limits<float>::max(), std::numeric_limits<float>::min(),
                           std::numeric_limits<float>::denorm_min()}) {
    check(edge);
    check(-edge);
  }
}

TEST(AmountText, OrdinaryAmountsKeepTwoDecimals) {
  EXPECT_EQ(format_amount_text(180.5f), "180.50");
  EXPECT_EQ(format_amount_text(-99999.99f), "-99999.99");
  EXPECT_EQ(format_amount_text(999999.94f), "999999.94");
  EXPECT_EQ(format_amount_text(1e6f), "1e+06");  // "1000000.00" does not fit
  // Too many digits for the room: as many as fit.
  EXPECT_EQ(format_amount_text(-100006.61f), "-100006.6");
  EXPECT_EQ(format_amount_text(-12345678.9f), "-12345679");
  EXPECT_EQ(format_amount_text(2.0001e37f), "2e+37");
  EXPECT_EQ(format_amount_text(std::nanf("")), "0.00");
  EXPECT_EQ(format_amount_text(-std::numeric_limits<float>::infinity()), "-3.4e+38");
}

}  // namespace
