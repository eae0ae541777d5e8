#include "records/quoted_fields.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>
#include <vector>

namespace {

std::vector<std::string> all_fields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t position = 0;
  std::string_view field;
  while (next_quoted_field(line, position, field)) {
    fields.emplace_back(field);
  }
  return fields;
}

struct tokenizer_case {
  std::string line;
  std::vector<std::string> fields;
};

TEST(next_quoted_field, splits_lines_as_the_reader_sees_them) {
  const std::string long_text(150, 'x');
  const std::vector<tokenizer_case> cases = {
      {R"("1";"Smith";"John")", {"1", "Smith", "John"}},
      {R"("";"x";"")", {"", "x", ""}},
      {R"(junk"a" ignored ; "b"tail)", {"a", "b"}},
      {R"("a;b";"c")", {"a;b", "c"}},
      {R"("complete";"no closing)", {"complete"}},
      {"no quotes at all", {}},
      {"", {}},
      {"\"" + long_text + "\";\"next\"", {std::string(100, 'x'), "next"}},
      {"\"" + std::string(100, 'y') + "\"", {std::string(100, 'y')}},
  };
  for (const tokenizer_case& c : cases) {
    EXPECT_EQ(all_fields(c.line), c.fields) << c.line;
  }
}

TEST(next_quoted_field, leaves_position_and_field_alone_when_no_field_remains) {
  const std::string_view line = R"("a";"unclosed)";
  std::size_t position = 0;
  std::string_view field;
  ASSERT_TRUE(next_quoted_field(line, position, field));
  EXPECT_EQ(position, 3u);
  EXPECT_FALSE(next_quoted_field(line, position, field));
  EXPECT_EQ(position, 3u);
  EXPECT_EQ(field, "a");
}

TEST(parse_leading_integer, follows_the_text_to_integer_rule) {
  constexpr long long highest = std::numeric_limits<long long>::max();
  constexpr long long lowest = std::numeric_limits<long long>::min();
  const std::vector<std::pair<std::string, long long>> cases = {
      {"42", 42},
      {"  -7x", -7},
      {"\t+3", 3},
      {"1,500", 1},
      {"007", 7},
      {"", 0},
      {"abc", 0},
      {"- 5", 0},
      {"+", 0},
      {"99999999999999999999", highest},
      {"-99999999999999999999", lowest},
      {"-9223372036854775808", lowest},
      {"9223372036854775807", highest},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(parse_leading_integer(text), expected) << text;
  }
}

TEST(parse_decimal_text, reads_the_leading_decimal_number) {
  const std::vector<std::pair<std::string, double>> cases = {
      {"1.85", 1.85}, {"180.50", 180.5}, {"  -72.3kg", -72.3}, {"1,85", 1.0}, {".5", 0.5},
      {"5.", 5.0},    {"1e2", 100.0},    {"1e", 1.0},          {"", 0.0},     {"abc", 0.0},
      {"-", 0.0},     {".", 0.0},        {"+2.25", 2.25},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_DOUBLE_EQ(parse_decimal_text(text), expected) << text;
  }
}

TEST(parse_decimal_text, ignores_a_comma_decimal_locale) {
  const char* german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  if (german == nullptr) {
    GTEST_SKIP() << "no German locale installed";
  }
  const double value = parse_decimal_text("1.85");
  std::setlocale(LC_NUMERIC, "C");
  EXPECT_DOUBLE_EQ(value, 1.85);
}

TEST(begins_with_number, tells_the_current_layout_from_a_legacy_title) {
  long long value = 0;
  EXPECT_TRUE(begins_with_number("31/12/1999", &value));
  EXPECT_EQ(value, 31);
  EXPECT_TRUE(begins_with_number("  -5 x", &value));
  EXPECT_EQ(value, -5);
  EXPECT_TRUE(begins_with_number("12"));
  EXPECT_FALSE(begins_with_number("Team Name"));
  EXPECT_FALSE(begins_with_number(""));
  EXPECT_FALSE(begins_with_number("+"));
  EXPECT_FALSE(begins_with_number("- 1"));
}

}  // namespace
