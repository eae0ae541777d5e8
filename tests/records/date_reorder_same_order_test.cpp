#include <gtest/gtest.h>

#include "records/dates.h"

// Dates already in the locale's order come back unchanged without being parsed; anything that
// the parse would rewrite must still be rewritten.

namespace {

struct same_order_case {
  const char* order;
  char separator;
  const char* text;
  const char* expected;
};

TEST(ConvertDateOrder, WithinOneOrderOnlyRepadsAndReseparates) {
  const same_order_case cases[] = {
      {"dd_mm_yyyy", '/', "31/12/1999", "31/12/1999"},
      {"dd_mm_yyyy", '/', "01/02/2003 04:05:06", "01/02/2003 04:05:06"},
      {"mm_dd_yyyy", '.', "12.31.1999 23:59:59", "12.31.1999 23:59:59"},
      {"yyyy_mm_dd", '-', "1999-12-31", "1999-12-31"},
      {"yyyy_mm_dd", '-', "1999-12-31 00:00:00", "1999-12-31 00:00:00"},
      // Not in the written form: parsed and written again.
      {"dd_mm_yyyy", '/', "1/2/2003", "01/02/2003"},
      {"dd_mm_yyyy", '/', "31-12-1999", "31/12/1999"},
      {"dd_mm_yyyy", '/', "31/12/0999", "31/12/999"},
      {"yyyy_mm_dd", '-', "0999-12-31", "999-12-31"},
      {"dd_mm_yyyy", '/', "31/12/1999 14:05", "31/12/1999"},
      {"dd_mm_yyyy", '/', "31/12/1999x", "31/12/1999"},
      {"dd_mm_yyyy", '/', "31/12/1999  14:05:09", "31/12/1999 14:05:09"},
      {"dd_mm_yyyy", '/', "31/12/1999 4:05:09", "31/12/1999 04:05:09"},
      {"dd_mm_yyyy", '/', "31/12/1999 14:05:09 ", "31/12/1999 14:05:09"},
      {"dd_mm_yyyy", '/', "+1/12/1999", "01/12/1999"},
      {"dd_mm_yyyy", '/', "3a/12/1999", "3a/12/1999"},
  };
  for (const auto& [order, separator, text, expected] : cases) {
    EXPECT_EQ(convert_date_order(order, order, text, separator), expected) << text;
  }
}

}  // namespace
