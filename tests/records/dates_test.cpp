#include "records/dates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A locale fixed by the test: its short date of 31 December 2001 and its separators.
class fake_locale : public system_locale {
 public:
  fake_locale(std::string short_date, char decimal)
      : short_date_(std::move(short_date)), decimal_(decimal) {}
  std::string format_short_date(int, int, int) const override { return short_date_; }
  std::string format_date_time(const date_time&) const override { return short_date_; }
  char date_separator() const override { return '/'; }
  char time_separator() const override { return ':'; }
  char decimal_separator() const override { return decimal_; }
  std::string thousands_separator() const override { return ","; }

 private:
  std::string short_date_;
  char decimal_;
};

const std::string dd(date_order_dd_mm_yyyy);
const std::string mm(date_order_mm_dd_yyyy);
const std::string yy(date_order_yyyy_mm_dd);

// 7 March 2001, written unpadded in each order, and padded with '-' in each order.
struct written_date {
  std::string order, unpadded, padded;
};
const std::vector<written_date> seventh_of_march = {
    {dd, "7/3/2001", "07-03-2001"},
    {mm, "3.7.2001", "03-07-2001"},
    {yy, "2001-3-7", "2001-03-07"},
};

TEST(convert_date_order, converts_between_all_orders_with_and_without_time) {
  for (const written_date& from : seventh_of_march) {
    for (const written_date& to : seventh_of_march) {
      EXPECT_EQ(convert_date_order(from.order, to.order, from.unpadded, '-'), to.padded)
          << from.order << " -> " << to.order;
      EXPECT_EQ(convert_date_order(from.order, to.order, from.unpadded + " 9:5:7", '-'),
                to.padded + " 09:05:07")
          << from.order << " -> " << to.order;
    }
  }
}

struct conversion_case {
  std::string from, to, text;
  char separator;
  std::string expected;
};

TEST(convert_date_order, handles_the_documented_cases) {
  const std::vector<conversion_case> cases = {
      {dd, mm, "7/3/2001", '/', "03/07/2001"},
      {dd, yy, "31.12.1999 14:05:09", '-', "1999-12-31 14:05:09"},
      {mm, yy, "12/31/1999", '/', "1999/12/31"},
      {yy, dd, "1999-12-31", '.', "31.12.1999"},
      {dd, dd, "1/2/2003", '-', "01-02-2003"},
      // A time of two numbers is not a time: the date alone remains.
      {dd, yy, "31/12/1999 14:05", '-', "1999-12-31"},
      // An unknown target order keeps the parts in place and only re-pads and re-separates.
      {dd, "", "7/3/2001", '.', "07.03.2001"},
      {dd, dd, "  7/3/2001", '/', "07/03/2001"},
  };
  for (const conversion_case& c : cases) {
    EXPECT_EQ(convert_date_order(c.from, c.to, c.text, c.separator), c.expected) << c.text;
  }
}

TEST(convert_date_order, keeps_texts_it_cannot_convert) {
  for (const std::string text : {"not a date", "31/12", "", "31/12-1999", "  /  /    "}) {
    EXPECT_EQ(convert_date_order(dd, yy, text, '/'), text) << text;
  }
  // A file without a sample-date line gives no source order: its dates must survive as read.
  for (const std::string from : {"", "dd-mm-yyyy"}) {
    EXPECT_EQ(convert_date_order(from, dd, "12/31/1999", '-'), "12/31/1999") << from;
  }
}

TEST(date_order_of_sample, is_decided_by_the_first_number) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"31/12/1999", dd}, {"12-31-1999", mm}, {"1999.12.31", yy}, {"  31/12/1999", dd},
      {"99/12/31", yy},   {"Dec 31", ""},     {"", ""},
  };
  for (const auto& [sample, order] : cases) {
    EXPECT_EQ(date_order_of_sample(sample), order) << sample;
  }
}

TEST(detect_locale_date_order, reads_the_short_date_of_31_december) {
  EXPECT_EQ(detect_locale_date_order(fake_locale("2001-12-31", '.')), yy);
  EXPECT_EQ(detect_locale_date_order(fake_locale("12/31/2001", '.')), mm);
  EXPECT_EQ(detect_locale_date_order(fake_locale("31.12.2001", ',')), dd);
  EXPECT_EQ(detect_locale_date_order(fake_locale("December the last", ',')), "");
}

TEST(detect_decimal_separator, is_a_comma_only_where_the_locale_uses_one) {
  EXPECT_EQ(detect_decimal_separator(fake_locale("31/12/2001", ',')), ',');
  EXPECT_EQ(detect_decimal_separator(fake_locale("31/12/2001", '.')), '.');
  EXPECT_EQ(detect_decimal_separator(fake_locale("31/12/2001", '\'')), '.');
}

TEST(date_texts_for_order, follows_the_order_and_falls_back_to_year_first) {
  struct texts_case {
    std::string order, format, no_date;
  };
  const std::vector<texts_case> cases = {
      {dd, "dd.mm.yyyy", "00.00.0000"},      {mm, "mm.dd.yyyy", "00.00.0000"},
      {yy, "yyyy.mm.dd", "0000.00.00"},      {"", "yyyy.mm.dd", "0000.00.00"},
      {"bogus", "yyyy.mm.dd", "0000.00.00"},
  };
  for (const texts_case& c : cases) {
    const date_texts texts = date_texts_for_order(c.order, '.');
    EXPECT_EQ(texts.date_format, c.format) << c.order;
    EXPECT_EQ(texts.no_date_text, c.no_date) << c.order;
    EXPECT_EQ(texts.blank_date_text, "  .  .    ") << c.order;
  }
}

TEST(date_mask_for_order, gives_masks_and_hints_for_known_orders_only) {
  EXPECT_EQ(date_mask_for_order(dd), "!99/99/9999;1;_");
  EXPECT_EQ(date_mask_for_order(mm), "!99/99/9999;1;_");
  EXPECT_EQ(date_mask_for_order(yy), "!9999/99/99;1;_");
  EXPECT_EQ(date_mask_for_order(""), "");
  EXPECT_EQ(date_hint_for_order(dd, '/'), "Format: dd/mm/yyyy");
  EXPECT_EQ(date_hint_for_order(mm, '-'), "Format: mm-dd-yyyy");
  EXPECT_EQ(date_hint_for_order(yy, '-'), "Format: yyyy-mm-dd");
  EXPECT_EQ(date_hint_for_order("other", '-'), "");
}

TEST(replace_char, reports_whether_anything_was_replaced) {
  std::string text = "8.88";
  EXPECT_TRUE(replace_char(text, '.', ','));
  EXPECT_EQ(text, "8,88");
  std::string empty;
  EXPECT_FALSE(replace_char(empty, '.', ','));
  std::string none = "888";
  EXPECT_FALSE(replace_char(none, '.', ','));

  char buffer[] = "1,2,3";
  EXPECT_TRUE(replace_char(buffer, ',', '.'));
  EXPECT_STREQ(buffer, "1.2.3");
  EXPECT_FALSE(replace_char(static_cast<char*>(nullptr), ',', '.'));
}

TEST(sample_date_line, writes_31_december_1999_in_the_locale_order) {
  EXPECT_EQ(sample_date_line(dd, '-'), "31-12-1999");
  EXPECT_EQ(sample_date_line(dd, '/'), "31/12/1999");
  EXPECT_EQ(sample_date_line(mm, '.'), "12.31.1999");
  EXPECT_EQ(sample_date_line(mm, '-'), "12-31-1999");
  EXPECT_EQ(sample_date_line(yy, '.'), "1999.12.31");
  EXPECT_EQ(sample_date_line(yy, '/'), "1999/12/31");
  // Whatever is written must read back: only the three separators, and a known order.
  EXPECT_EQ(sample_date_line(yy, ' '), "1999/12/31");
  EXPECT_EQ(sample_date_line("", '.'), "31.12.1999");
}

TEST(format_update_stamp, writes_the_date_in_order_and_a_padded_time) {
  const date_time moment{2012, 3, 5, 4, 5, 9};
  EXPECT_EQ(format_update_stamp(dd, '/', moment), "05/03/2012 04:05:09");
  EXPECT_EQ(format_update_stamp(mm, '-', moment), "03-05-2012 04:05:09");
  EXPECT_EQ(format_update_stamp(yy, '.', moment), "2012.03.05 04:05:09");
  EXPECT_EQ(format_update_stamp("", '.', moment), "2012.03.05 04:05:09");
  EXPECT_EQ(format_update_stamp(dd, '/', {2012, 12, 31, 14, 5, 9}), "31/12/2012 14:05:09");
}

TEST(parse_date_text, accepts_real_dates_in_the_given_order) {
  struct valid_case {
    std::string text, order;
    int year, month, day;
  };
  const std::vector<valid_case> cases = {
      {"31/12/1999", dd, 1999, 12, 31}, {"12.31.2001", mm, 2001, 12, 31},
      {"2001-12-31", yy, 2001, 12, 31}, {"29/02/2000", dd, 2000, 2, 29},
      {" 5/ 3/2001", dd, 2001, 3, 5},   {"7-3-2001 ", dd, 2001, 3, 7},
  };
  for (const valid_case& c : cases) {
    int year = 0, month = 0, day = 0;
    ASSERT_TRUE(parse_date_text(c.text, c.order, year, month, day)) << c.text;
    EXPECT_EQ(year, c.year) << c.text;
    EXPECT_EQ(month, c.month) << c.text;
    EXPECT_EQ(day, c.day) << c.text;
  }
}

TEST(parse_date_text, rejects_impossible_and_malformed_dates) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"29/02/1900", dd}, {"31/04/2001", dd},          {"00/00/0000", dd}, {"", dd},
      {"  /  /    ", dd}, {"31/12/1999 14:05:09", dd}, {"31/12-1999", dd}, {"13/13/2001", dd},
      {"12/31/2001", dd}, {"31/12/1999", ""},          {"31/12", dd},      {"1999/12/31x", yy},
  };
  for (const auto& [text, order] : cases) {
    int year = -1, month = -1, day = -1;
    EXPECT_FALSE(parse_date_text(text, order, year, month, day)) << text << " " << order;
    EXPECT_EQ(year, -1) << text;
  }
}

}  // namespace
