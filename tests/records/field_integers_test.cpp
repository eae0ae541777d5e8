#include "records/field_integers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The word-at-a-time reading must give what parse_leading_integer gives for every field text,
// wherever the field stands in its line: the reads look at the bytes before and after it.
const char* const integer_texts[] = {
    "",
    "0",
    "7",
    "-",
    "-0",
    "-7",
    "12",
    "300",
    "-128",
    "1234567",
    "12345678",
    "-12345678",
    "123456789",
    "-123456789",
    "2147483647",
    "-2147483648",
    "4294967296",
    "1234567890123456",
    "-1234567890123456",
    "12345678901234567",
    "123456789012345678",
    "1234567890123456789",
    "99999999999999999999",
    " 12",
    "+5",
    "12abc",
    "1,500",
    "1.5",
    "12 ",
    "--1",
    "1-2",
    "9/",
    ":1",
    "1:",
    "\xb9",
    "1\xff",
    "0x10",
    "00012",
    "1234567:",
    "12345678a",
    "a12345678",
    "123456789012345:",
};

// Every way a field can stand in a line: first or last, with little or much text around it.
std::vector<std::string> lines_around(const std::string& field) {
  const std::string quoted = "\"" + field + "\"";
  const std::string filler = "\"" + std::string(20, 'x') + "\"";
  return {quoted,
          quoted + ";" + filler,
          filler + ";" + quoted,
          filler + ";" + quoted + ";" + filler,
          "\"1\";" + quoted,
          quoted + ";\"1\""};
}

template <bool Wide>
void expect_like_parse_leading_integer(const std::string& field) {
  for (const std::string& line : lines_around(field)) {
    // The field is the first one that holds the text, after the filler when there is one.
    const std::size_t opening = line.find("\"" + field + "\"");
    const std::string_view text(line.data() + opening + 1, field.size());
    EXPECT_EQ(parse_field_integer<Wide>(text, {line.data(), line.data() + line.size()}),
              parse_leading_integer(text))
        << "field [" << field << "] in line [" << line << "]";
  }
}

TEST(parse_field_integer, agrees_with_parse_leading_integer_in_every_place) {
  for (const char* text : integer_texts) {
    expect_like_parse_leading_integer<false>(text);
    expect_like_parse_leading_integer<true>(text);
  }
}

}  // namespace
