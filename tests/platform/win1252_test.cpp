#include "platform/win1252.h"

#include <gtest/gtest.h>

namespace {

struct conversion_case {
  std::string bytes;
  QString text;
};

class win1252_round_trip : public testing::TestWithParam<conversion_case> {};

TEST_P(win1252_round_trip, decodes_and_encodes_back) {
  const conversion_case& c = GetParam();
  EXPECT_EQ(from_win1252(c.bytes), c.text);
  EXPECT_EQ(to_win1252(c.text), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    characters, win1252_round_trip,
    testing::Values(conversion_case{"", ""}, conversion_case{"Smith", "Smith"},
                    // Latin-1 half: one byte each, same code point.
                    conversion_case{"Z\xE9lio M\xFCller", QString::fromUtf8("Zélio Müller")},
                    conversion_case{"\xA0", QString(QChar(0x00A0))},
                    // The 0x80-0x9F block differs from Latin-1.
                    conversion_case{"O\x92Neill", QString::fromUtf8("O’Neill")},
                    conversion_case{"\x80\x8A\x9F", QString::fromUtf8("€ŠŸ")},
                    conversion_case{"\x93quoted\x94 \x96 dash",
                                    QString::fromUtf8("“quoted” – dash")},
                    // Bytes without a character keep their C1 code point.
                    conversion_case{"\x81\x8D\x8F\x90\x9D",
                                    QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D")},
                    conversion_case{std::string("a\0b", 3), QString::fromUtf16(u"a\0b", 3)}));

TEST(win1252, characters_it_cannot_hold_become_question_marks) {
  EXPECT_EQ(to_win1252(QString::fromUtf8("Łódź")),
            "?\xF3"
            "d?");
  EXPECT_EQ(to_win1252(QString::fromUtf8("東京")), "??");
  // A character beyond the Basic Multilingual Plane is one '?', not two.
  EXPECT_EQ(to_win1252(QString::fromUtf8("a😀b")), "a?b");
  EXPECT_EQ(to_win1252(QString(QChar(0x202F))), "?");
}

TEST(win1252, every_byte_survives_a_round_trip) {
  std::string all_bytes;
  for (int b = 0; b < 256; ++b)
    all_bytes.push_back(static_cast<char>(b));
  EXPECT_EQ(to_win1252(from_win1252(all_bytes)), all_bytes);
}

}  // namespace
