#include <gtest/gtest.h>

#include <QLineEdit>
#include <cstdint>

#include "form_test_support.h"
#include "platform/control_tag.h"
#include "record_form/control_binding.h"
#include "records/fixed_text.h"

namespace {

class edit_binding : public ::testing::Test {
 protected:
  edit_binding() { edit.setObjectName("staff_pl_pace"); }

  form_formats formats_under(std::shared_ptr<const system_locale> locale) {
    return formats_from_locale(*locale);
  }

  QLineEdit edit;
  scoped_scripted_dialogs dialogs;
};

// ---- Field to control ----

TEST_F(edit_binding, fills_numbers_decimals_and_texts_with_the_locale_separator) {
  const form_formats dot = formats_under(english_locale());
  const form_formats comma = formats_under(german_locale());
  std::int8_t pace = 12;
  std::int16_t year = -5;
  std::int32_t squad = 70000;
  float height = 1.8f;
  double weight = 80.456;
  fixed_text<51> name("Smith");

  struct fill_case {
    field_slot value;
    const form_formats* formats;
    const char* shown;
  };
  const fill_case cases[] = {
      {slot(pace), &dot, "12"},     {slot(year), &dot, "-5"},       {slot(squad), &dot, "70000"},
      {slot(height), &dot, "1.80"}, {slot(height), &comma, "1,80"}, {slot(weight), &comma, "80,46"},
      {slot(name), &dot, "Smith"},
  };
  for (const fill_case& c : cases) {
    fill_control(&edit, c.value, text_value_tag, *c.formats);
    EXPECT_EQ(edit.text(), QString::fromLatin1(c.shown));
    EXPECT_EQ(control_tag(&edit), text_value_tag);
  }
}

TEST_F(edit_binding, fills_money_with_each_thousands_separator) {
  std::int32_t amount = 1500000;
  fixed_text<20> amount_text("27132");
  fixed_text<20> empty_text("");

  fill_money_control(&edit, slot(amount), text_value_tag, formats_under(english_locale()));
  EXPECT_EQ(edit.text(), "1,500,000");
  fill_money_control(&edit, slot(amount), text_value_tag, formats_under(german_locale()));
  EXPECT_EQ(edit.text(), "1.500.000");
  fill_money_control(&edit, slot(amount), text_value_tag, formats_under(french_locale()));
  EXPECT_EQ(edit.text(), QString("1\u00A0500\u00A0000"));
  fill_money_control(&edit, slot(amount_text), text_value_tag, formats_under(english_locale()));
  EXPECT_EQ(edit.text(), "27,132");
  fill_money_control(&edit, slot(empty_text), text_value_tag, formats_under(english_locale()));
  EXPECT_EQ(edit.text(), "");
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(edit_binding, fills_dates_in_the_locale_order) {
  const form_formats english = formats_under(english_locale());
  const form_formats us = formats_under(us_locale());
  struct date_case {
    const char* stored;
    const form_formats* formats;
    const char* shown;
  };
  const date_case cases[] = {
      {"", &english, "00/00/0000"},         {"0/0/0", &english, "00/00/0000"},
      {"5/3/2001", &english, "05/03/2001"}, {"31/12/1999", &english, "31/12/1999"},
      {"7-3-2025", &us, "07-03-2025"},      {"", &us, "00-00-0000"},
  };
  for (const date_case& c : cases) {
    fixed_text<26> date(c.stored);
    edit.setInputMask(date_input_mask(*c.formats));
    fill_date_control(&edit, slot(date), text_value_tag, *c.formats);
    EXPECT_EQ(edit.text(), QString::fromLatin1(c.shown)) << c.stored;
  }
}

TEST_F(edit_binding, a_value_that_cannot_be_shown_is_reported_and_empties_the_edit) {
  fixed_text<20> amount_text("12x");
  fixed_text<26> date("31/02/2001");
  edit.setText("old");
  fill_money_control(&edit, slot(amount_text), text_value_tag, formats_under(english_locale()));
  EXPECT_EQ(edit.text(), "");
  fill_date_control(&edit, slot(date), text_value_tag, formats_under(english_locale()));
  EXPECT_EQ(edit.text(), "");
  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_EQ(dialogs.last().text,
            "fill_control(..): Error casting to AnsiString in edit: staff_pl_pace");
}

// ---- Control to field ----

TEST_F(edit_binding, a_case_only_correction_of_a_text_is_stored_as_a_change) {
  fixed_text<51> name("smith");
  edit.setText("Smith");
  EXPECT_TRUE(apply_from_control(&edit, slot(name)));
  EXPECT_EQ(name.view(), "Smith");
  EXPECT_FALSE(apply_from_control(&edit, slot(name)));
}

TEST_F(edit_binding, a_text_longer_than_its_field_is_cut_once_and_then_unchanged) {
  fixed_text<5> apps("1");
  edit.setText("123456");
  EXPECT_TRUE(apply_from_control(&edit, slot(apps)));
  EXPECT_EQ(apps.view(), "1234");
  EXPECT_FALSE(apply_from_control(&edit, slot(apps)));
}

TEST_F(edit_binding, numeric_edits_follow_their_tag_and_the_field_width) {
  struct number_case {
    const char* text;
    int tag;
    long long before;
    long long after;
    bool changed;
  };
  const number_case cases[] = {
      {"", text_value_tag, 5, 0, true},          // an empty edit stores 0
      {"15", text_value_tag, 15, 15, false},     // the same value is no change
      {"anything", 3, 0, 3, true},               // any other tag is the value
      {"70000", text_value_tag, 0, 4464, true},  // cut to 16 bits
      {"-7", text_value_tag, 0, -7, true},
  };
  for (const number_case& c : cases) {
    std::int16_t field = static_cast<std::int16_t>(c.before);
    edit.setText(QString::fromLatin1(c.text));
    set_control_tag(&edit, c.tag);
    EXPECT_EQ(apply_from_control(&edit, slot(field)), c.changed) << c.text;
    EXPECT_EQ(field, c.after) << c.text;
  }
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(edit_binding, an_empty_numeric_edit_becomes_zero) {
  std::int8_t pace = 0;
  edit.setText("");
  set_control_tag(&edit, text_value_tag);
  EXPECT_FALSE(apply_from_control(&edit, slot(pace)));
  EXPECT_EQ(edit.text(), "0");
}

TEST_F(edit_binding, an_invalid_number_is_reported_and_keeps_the_field) {
  std::int8_t pace = 14;
  edit.setText("12a");
  set_control_tag(&edit, text_value_tag);
  EXPECT_FALSE(apply_from_control(&edit, slot(pace)));
  EXPECT_EQ(pace, 14);
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.last().text,
            "apply_from_control(..): Error casting from AnsiString in edit: staff_pl_pace");
}

TEST_F(edit_binding, decimals_read_the_locale_separator_and_ignore_the_shown_rounding) {
  const form_formats comma = formats_under(german_locale());
  const form_formats dot = formats_under(english_locale());
  float height = 1.8f;
  edit.setText("1,85");
  EXPECT_TRUE(apply_from_control(&edit, slot(height), comma));
  EXPECT_FLOAT_EQ(height, 1.85f);

  // 1.855 shows as 1.86; leaving that text alone keeps 1.855.
  height = 1.855f;
  fill_control(&edit, slot(height), text_value_tag, dot);
  EXPECT_FALSE(apply_from_control(&edit, slot(height), dot));
  EXPECT_FLOAT_EQ(height, 1.855f);

  edit.setText("1.85");  // a '.' is no decimal separator under ','
  EXPECT_FALSE(apply_from_control(&edit, slot(height), comma));
  EXPECT_EQ(dialogs.shown().size(), 1u);
}

TEST_F(edit_binding, money_texts_compare_without_their_thousands_separators) {
  const form_formats english = formats_under(english_locale());
  const form_formats french = formats_under(french_locale());
  fixed_text<20> wage("1000");
  std::int32_t amount = 1000;

  edit.setText("1,000");
  EXPECT_FALSE(apply_money_from_control(&edit, slot(wage), slot(amount), english));
  edit.setText(QString("2\u00A0500"));
  EXPECT_TRUE(apply_money_from_control(&edit, slot(wage), slot(amount), french));
  EXPECT_EQ(wage.view(), "2500");
  EXPECT_EQ(amount, 2500);
  edit.setText("");
  EXPECT_TRUE(apply_money_from_control(&edit, slot(wage), slot(amount), english));
  EXPECT_EQ(wage.view(), "");
  EXPECT_EQ(amount, 0);

  std::int32_t fee = 0;
  edit.setText("1,234");
  set_control_tag(&edit, text_value_tag);
  EXPECT_TRUE(apply_money_from_control(&edit, slot(fee), {}, english));
  EXPECT_EQ(fee, 1234);
}

TEST_F(edit_binding, a_stored_amount_shown_unchanged_is_no_change_even_when_negative) {
  const form_formats english = formats_under(english_locale());
  std::int32_t fee = -1234;
  fill_money_control(&edit, slot(fee), text_value_tag, english);
  EXPECT_EQ(edit.text(), "-1,234");
  EXPECT_FALSE(apply_money_from_control(&edit, slot(fee), {}, english));
  EXPECT_EQ(fee, -1234);
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(edit_binding, money_above_the_largest_amount_is_refused_not_wrapped) {
  const form_formats english = formats_under(english_locale());
  fixed_text<20> wage("1000");
  std::int32_t amount = 1000;
  std::int32_t fee = 5;
  edit.setText("4294967297");  // 2^32 + 1 would wrap to 1 in 32 bits
  EXPECT_FALSE(apply_money_from_control(&edit, slot(wage), slot(amount), english));
  set_control_tag(&edit, text_value_tag);
  EXPECT_FALSE(apply_money_from_control(&edit, slot(fee), {}, english));
  EXPECT_EQ(wage.view(), "1000");
  EXPECT_EQ(amount, 1000);
  EXPECT_EQ(fee, 5);
  EXPECT_EQ(dialogs.shown().size(), 2u);
}

TEST_F(edit_binding, an_unshown_money_text_is_not_written_back_empty) {
  const form_formats english = formats_under(english_locale());
  fixed_text<20> wage("12x");
  std::int32_t amount = 12;
  fill_money_control(&edit, slot(wage), text_value_tag, english);
  EXPECT_FALSE(apply_money_from_control(&edit, slot(wage), slot(amount), english));
  EXPECT_EQ(wage.view(), "12x");
  edit.setText("15");  // typed by the user: taken
  EXPECT_TRUE(apply_money_from_control(&edit, slot(wage), slot(amount), english));
  EXPECT_EQ(wage.view(), "15");
}

TEST_F(edit_binding, dates_are_stored_in_the_locale_order_only_when_they_differ) {
  const form_formats english = formats_under(english_locale());
  const form_formats us = formats_under(us_locale());
  edit.setInputMask(date_input_mask(english));
  struct date_case {
    const char* stored;
    const char* shown;
    const form_formats* formats;
    const char* after;
    bool changed;
  };
  const date_case cases[] = {
      {"5/3/2001", "05/03/2001", &english, "5/3/2001", false},  // same date, other padding
      {"", "00/00/0000", &english, "", false},
      {"0/0/0", "00/00/0000", &english, "0/0/0", false},
      {"12/12/2000", "00/00/0000", &english, "", true},
      {"5/3/2001", "06/03/2001", &english, "06/03/2001", true},
      {"", "03/07/2025", &english, "03/07/2025", true},
      {"07-03-2025", "07-04-2025", &us, "07-04-2025", true},
  };
  for (const date_case& c : cases) {
    fixed_text<26> date(c.stored);
    edit.setInputMask(date_input_mask(*c.formats));
    edit.setText(QString::fromLatin1(c.shown));
    EXPECT_EQ(apply_date_from_control(&edit, slot(date), *c.formats), c.changed) << c.shown;
    EXPECT_EQ(date.view(), c.after) << c.shown;
  }
}

TEST_F(edit_binding, a_blank_date_edit_is_reported_and_keeps_the_date) {
  const form_formats english = formats_under(english_locale());
  edit.setInputMask(date_input_mask(english));
  edit.setText(QString::fromLatin1(english.blank_date_text.c_str()));
  fixed_text<26> date("5/3/2001");
  EXPECT_FALSE(apply_date_from_control(&edit, slot(date), english));
  EXPECT_EQ(date.view(), "5/3/2001");
  EXPECT_EQ(dialogs.shown().size(), 1u);
}

}  // namespace
