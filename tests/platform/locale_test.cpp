#include <gtest/gtest.h>

#include "platform/app_locale.h"
#include "platform/qt_system_locale.h"

namespace {

struct locale_case {
  const char* name;
  std::string new_years_eve;  // 31 December 2001 in the short date format
  char date_separator;
  char time_separator;
  char decimal_separator;
  std::string thousands_separator;
  std::string stamp;  // 5 March 2001 07:08:09 as a date-time value prints
};

class qt_system_locale_by_country : public testing::TestWithParam<locale_case> {};

TEST_P(qt_system_locale_by_country, reads_date_order_and_separators_from_the_locale) {
  const locale_case& c = GetParam();
  const qt_system_locale locale{QLocale(QString::fromLatin1(c.name))};
  EXPECT_EQ(locale.format_short_date(2001, 12, 31), c.new_years_eve);
  EXPECT_EQ(locale.date_separator(), c.date_separator);
  EXPECT_EQ(locale.time_separator(), c.time_separator);
  EXPECT_EQ(locale.decimal_separator(), c.decimal_separator);
  EXPECT_EQ(locale.thousands_separator(), c.thousands_separator);
  EXPECT_EQ(locale.format_date_time({2001, 3, 5, 7, 8, 9}), c.stamp);
}

INSTANTIATE_TEST_SUITE_P(
    countries, qt_system_locale_by_country,
    testing::Values(
        // Two-digit years of Qt's short formats are shown in full, as the engine expects.
        locale_case{"de_DE", "31.12.2001", '.', ':', ',', ".", "05.03.2001 07:08:09"},
        locale_case{"en_US", "12/31/2001", '/', ':', '.', ",", "3/5/2001 7:08:09 AM"},
        locale_case{"en_GB", "31/12/2001", '/', ':', '.', ",", "05/03/2001 07:08:09"},
        // The narrow no-break space has no Windows-1252 byte: the no-break space stands in.
        locale_case{"fr_FR", "31/12/2001", '/', ':', ',', "\xA0", "05/03/2001 07:08:09"},
        locale_case{"sv_SE", "2001-12-31", '-', ':', ',', "\xA0", "2001-03-05 07:08:09"},
        locale_case{"fi_FI", "31.12.2001", '.', '.', ',', "\xA0", "5.3.2001 7.08.09"},
        // Blanks between the fields are not the separator.
        locale_case{"hu_HU", "2001. 12. 31.", '.', ':', ',', "\xA0", "2001. 03. 05. 7:08:09"},
        // The typographic apostrophe is a Windows-1252 byte of its own.
        locale_case{"de_CH", "31.12.2001", '.', ':', '.', "\x92", "05.03.2001 07:08:09"},
        // A long time written with words is not used: the time keeps its separator.
        locale_case{"ja_JP", "2001/12/31", '/', ':', '.', ",", "2001/03/05 7:08:09"}),
    [](const testing::TestParamInfo<locale_case>& info) { return std::string(info.param.name); });

TEST(app_locale, a_scoped_locale_and_clock_replace_the_system_ones_and_are_put_back) {
  const std::string system_date = app_locale().format_short_date(2001, 12, 31);
  {
    const scoped_app_locale german(
        std::make_shared<qt_system_locale>(QLocale("de_DE")),
        std::make_shared<fixed_clock>(date_time{2012, 2, 29, 23, 59, 58}));
    EXPECT_EQ(app_locale().format_short_date(2001, 12, 31), "31.12.2001");
    EXPECT_EQ(app_clock().now().day, 29);
    {
      const scoped_app_locale american(std::make_shared<qt_system_locale>(QLocale("en_US")));
      EXPECT_EQ(app_locale().decimal_separator(), '.');
      EXPECT_EQ(app_clock().now().second, 58) << "a locale alone leaves the clock installed";
    }
    EXPECT_EQ(app_locale().decimal_separator(), ',');
  }
  EXPECT_EQ(app_locale().format_short_date(2001, 12, 31), system_date);
}

TEST(app_locale, the_wall_clock_tells_a_real_moment) {
  const date_time now = app_clock().now();
  EXPECT_GE(now.year, 2024);
  EXPECT_GE(now.month, 1);
  EXPECT_LE(now.month, 12);
}

}  // namespace
