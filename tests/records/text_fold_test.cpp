#include "records/text_fold.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(strip_accents, folds_names_to_plain_letters) {
  EXPECT_EQ(strip_accents("M\xFCller"), "Muller");
  EXPECT_EQ(strip_accents("\xD1\xFA\xF1"
                          "ez"),
            "Nunez");
  EXPECT_EQ(strip_accents("\x8Akoda \x9E\xE9"), "Skoda ze");
  EXPECT_EQ(strip_accents("\x93Quoted\x94 \x96 it\x92s"), "\"Quoted\" - it's");
  EXPECT_EQ(strip_accents(""), "");
}

TEST(strip_accents, keeps_control_characters_and_folds_past_a_terminating_zero) {
  EXPECT_EQ(strip_accents("a\tb"), "a\tb");
  const std::string with_zero("Ab\0\xE9", 4);
  EXPECT_EQ(strip_accents(with_zero), std::string("Ab\0e", 4));
  for (int byte = 0; byte < 128; ++byte) {
    EXPECT_EQ(strip_accent(static_cast<unsigned char>(byte)), static_cast<char>(byte)) << byte;
  }
}

TEST(strip_accent, follows_the_rows_that_break_the_letter_rule) {
  const std::vector<std::pair<int, char>> cases = {
      {140, 'A'}, {156, 'a'}, {222, 't'}, {254, 'b'}, {223, 'S'}, {181, 'p'}, {161, 'i'},
      {162, 'o'}, {165, 'Y'}, {186, 'o'}, {215, 'x'}, {247, '-'}, {160, ' '}, {131, 'f'},
      {159, 'Y'}, {130, ','}, {133, '.'}, {134, '+'}, {139, '<'}, {155, '>'}, {152, '"'},
      {216, 'O'}, {248, 'o'}, {253, 'y'}, {255, 'y'}, {208, 'D'}, {240, 'd'},
  };
  for (const auto& [byte, plain] : cases) {
    EXPECT_EQ(strip_accent(static_cast<unsigned char>(byte)), plain) << byte;
  }
}

TEST(strip_accent, leaves_unlisted_high_bytes_as_they_are) {
  for (int byte : {128, 129, 135, 136, 137, 141, 143, 144, 153, 157, 163, 164, 166, 170, 180, 182,
                   185, 187, 191}) {
    EXPECT_EQ(strip_accent(static_cast<unsigned char>(byte)), static_cast<char>(byte)) << byte;
  }
}

}  // namespace
