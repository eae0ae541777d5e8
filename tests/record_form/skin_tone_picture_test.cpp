#include "record_form/skin_tone_picture.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/scripted_dialog_service.h"
#include "record_form/form_controls.h"
#include "record_form/skin_colour.h"
#include "record_form/skin_tone_entries.h"
#include "records/program_paths.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* bitmap_failure = "Could not load or alter bitmap";

tolvan_colour colour_of(int red, int green, int blue) {
  tolvan_colour colour;
  colour.set_red(red);
  colour.set_green(green);
  colour.set_blue(blue);
  return colour;
}

QRgb rgb_of(const QImage& image, int x, int y) {
  return image.pixel(x, y) & 0xFFFFFFu;
}

// ---- The colour entries ----

TEST(parse_skin_colour_entry, reads_red_green_blue_and_code) {
  struct entry_case {
    const char* entry;
    bool read;
    int red, green, blue, code;
  };
  const entry_case cases[] = {
      {"255;232;214;1", true, 255, 232, 214, 1},
      {" 10; 20 ;30 ; 2", true, 10, 20, 30, 2},
      {"300;0;-1;5", true, 300, 0, -1, 5},
      {"a;1;2;3", false, 0, 0, 0, 0},
      {"1;2;x;3", false, 0, 0, 0, 0},
      {"1;2;3;code", false, 0, 0, 0, 0},
      {"1;2;3", false, 0, 0, 0, 0},
      {"1;2;3;4;5", false, 0, 0, 0, 0},  // red would be "1;2"
      {"", false, 0, 0, 0, 0},
  };
  for (const entry_case& c : cases) {
    tolvan_colour colour;
    int code = 0;
    ASSERT_EQ(parse_skin_colour_entry(c.entry, colour, code), c.read) << c.entry;
    if (!c.read)
      continue;
    EXPECT_EQ(colour.get_red(), c.red) << c.entry;
    EXPECT_EQ(colour.get_green(), c.green) << c.entry;
    EXPECT_EQ(colour.get_blue(), c.blue) << c.entry;
    EXPECT_EQ(code, c.code) << c.entry;
  }
}

TEST(skin_colour_of, takes_each_channel_modulo_256) {
  EXPECT_EQ(skin_colour_of(colour_of(300, 256, -1)), QColor(44, 0, 255));
}

// ---- Recolouring ----

struct recolour_case {
  const char* what;
  QRgb template_pixel;
  tolvan_colour base, second, third;
  QRgb expected;
};

const recolour_case recolour_cases[] = {
    {"all three above 100 is white",
     qRgb(101, 101, 101),
     colour_of(200, 150, 100),
     {},
     {},
     qRgb(255, 255, 255)},
    {"one channel at 100 is recoloured",
     qRgb(100, 200, 200),
     colour_of(200, 200, 200),
     {},
     {},
     qRgb(9, 9, 9)},
    {"no shading keeps nearly the skin colour",
     qRgb(0, 0, 0),
     colour_of(200, 150, 100),
     {},
     {},
     qRgb(198, 148, 98)},
    {"the red byte takes no part",
     qRgb(90, 0, 0),
     colour_of(200, 150, 100),
     {},
     {},
     qRgb(198, 148, 98)},
    {"full green gives the second colour",
     qRgb(0, 255, 0),
     colour_of(200, 150, 100),
     {},
     {},
     qRgb(0, 0, 0)},
    {"full blue gives the third colour",
     qRgb(0, 0, 255),
     colour_of(200, 150, 100),
     {},
     {},
     qRgb(0, 0, 0)},
    {"half green and blue", qRgb(0, 128, 64), colour_of(200, 200, 200), {}, {}, qRgb(73, 73, 73)},
    {"a base of 300 is used as 44",
     qRgb(0, 0, 0),
     colour_of(300, 300, 300),
     {},
     {},
     qRgb(42, 42, 42)},
    {"the second colour enters with 16 bits",
     qRgb(0, 255, 0),
     {},
     colour_of(300, 10, 0),
     {},
     qRgb(41, 8, 0)},
    {"the third colour over the shaded base",
     qRgb(0, 0, 255),
     colour_of(200, 200, 200),
     {},
     colour_of(20, 40, 60),
     qRgb(19, 39, 59)},
};

class recolouring : public testing::TestWithParam<recolour_case> {};

// The pixel under test sits above a white bottom row, so it is never the see-through colour.
QImage two_pixel_template(QRgb top, QImage::Format format) {
  QImage image(1, 2, QImage::Format_RGB32);
  image.setPixel(0, 0, top);
  image.setPixel(0, 1, qRgb(255, 255, 255));
  return image.convertToFormat(format);
}

TEST_P(recolouring, maps_the_template_pixel) {
  const recolour_case& c = GetParam();
  QImage bitmap = two_pixel_template(c.template_pixel, QImage::Format_RGB888);
  recolour_bitmap(bitmap, c.base, c.second, c.third);
  EXPECT_EQ(rgb_of(bitmap, 0, 0), c.expected & 0xFFFFFFu);
  EXPECT_EQ(qAlpha(bitmap.pixel(0, 0)), c.expected == qRgb(255, 255, 255) ? 0 : 255);
}

INSTANTIATE_TEST_SUITE_P(cases, recolouring, testing::ValuesIn(recolour_cases));

TEST(recolour_bitmap, reads_any_pixel_format_as_24_bit_colour) {
  const QImage::Format formats[] = {QImage::Format_RGB888,   QImage::Format_RGB32,
                                    QImage::Format_ARGB32,   QImage::Format_RGB16,
                                    QImage::Format_Indexed8, QImage::Format_BGR888};
  for (const QImage::Format format : formats) {
    QImage bitmap = two_pixel_template(qRgb(0, 0, 0), format);
    ASSERT_EQ(bitmap.format(), format);
    recolour_bitmap(bitmap, colour_of(200, 150, 100), {}, {});
    EXPECT_EQ(rgb_of(bitmap, 0, 0), qRgb(198, 148, 98) & 0xFFFFFFu) << format;
    EXPECT_EQ(bitmap.size(), QSize(1, 2)) << format;
  }
}

TEST(recolour_bitmap, makes_the_bottom_left_colour_transparent) {
  // Bottom-left recolours to black; so does the top-right pixel, the others differ.
  QImage bitmap(2, 2, QImage::Format_RGB888);
  bitmap.setPixel(0, 1, qRgb(0, 255, 0));
  bitmap.setPixel(1, 0, qRgb(0, 0, 255));
  bitmap.setPixel(0, 0, qRgb(0, 0, 0));
  bitmap.setPixel(1, 1, qRgb(200, 200, 200));
  recolour_bitmap(bitmap, colour_of(200, 150, 100), {}, {});
  EXPECT_EQ(qAlpha(bitmap.pixel(0, 1)), 0);
  EXPECT_EQ(qAlpha(bitmap.pixel(1, 0)), 0);
  EXPECT_EQ(qAlpha(bitmap.pixel(0, 0)), 255);
  EXPECT_EQ(qAlpha(bitmap.pixel(1, 1)), 255);
  EXPECT_EQ(rgb_of(bitmap, 1, 1), qRgb(255, 255, 255) & 0xFFFFFFu);
}

TEST(recolour_bitmap, leaves_a_null_picture_null) {
  QImage bitmap;
  recolour_bitmap(bitmap, colour_of(1, 2, 3), {}, {});
  EXPECT_TRUE(bitmap.isNull());
}

// ---- The head display ----

class temporary_program_folder {
 public:
  temporary_program_folder() : previous_(program_folder()) {
    static std::atomic<int> counter = 0;
    path_ = fs::temp_directory_path() /
            ("skin_tone_tests_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    fs::remove_all(path_);
    fs::create_directories(path_ / "img" / "head");
    set_program_folder(path_);
  }
  ~temporary_program_folder() {
    set_program_folder(previous_);
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  QString head_file(const char* name) const {
    return QString::fromStdString((path_ / "img" / "head" / name).string());
  }

 private:
  fs::path previous_;
  fs::path path_;
};

constexpr QRgb shadow_grey = qRgb(200, 200, 200) & 0xFFFFFFu;
constexpr QRgb head_colour = qRgb(198, 148, 98) & 0xFFFFFFu;
constexpr QRgb white = 0xFFFFFFu;

// A 10 x 10 head, white but for a black 4 x 4 face in the middle, stretched 18 times on the
// 180 x 180 display; its shadow is grey all over.
class skin_tone_display : public testing::Test {
 protected:
  skin_tone_display() {
    QImage head(10, 10, QImage::Format_RGB888);
    head.fill(Qt::white);
    for (int y = 3; y < 7; ++y) {
      for (int x = 3; x < 7; ++x)
        head.setPixel(x, y, qRgb(0, 0, 0));
    }
    EXPECT_TRUE(head.save(folder.head_file("player.bmp"), "BMP"));
    QImage shadow(10, 10, QImage::Format_RGB888);
    shadow.fill(QColor::fromRgb(shadow_grey));
    EXPECT_TRUE(shadow.save(folder.head_file("player_shadow.bmp"), "BMP"));

    skin_tone = new QComboBox(&form);
    skin_tone->setObjectName("staff_skin_tone");
    skin_tone->addItems({"255;255;255;0", "200;150;100;1", "10;x;30;2"});
    controls.add(skin_tone);
    display = new QLabel(&form);
    display->setObjectName("staff_skin_tone_display");
    display->setFixedSize(180, 180);
    controls.add(display);
  }

  QImage shown() const { return display->pixmap().toImage(); }

  scoped_scripted_dialogs dialogs;
  temporary_program_folder folder;
  QWidget form;
  form_controls controls;
  QComboBox* skin_tone = nullptr;
  QLabel* display = nullptr;
};

TEST_F(skin_tone_display, position_0_hides_the_head_and_another_shows_it_recoloured) {
  form.show();
  skin_tone->setCurrentIndex(0);
  show_staff_skin_tone_display(controls);
  EXPECT_FALSE(display->isVisible());

  skin_tone->setCurrentIndex(1);
  show_staff_skin_tone_display(controls);
  EXPECT_TRUE(display->isVisible());
  const QImage picture = shown();
  ASSERT_EQ(picture.size(), QSize(180, 180));
  EXPECT_EQ(rgb_of(picture, 90, 90), head_colour);
  // The head's white is see-through: the shadow shows there.
  EXPECT_EQ(rgb_of(picture, 5, 5), shadow_grey);
  EXPECT_EQ(rgb_of(picture, 175, 175), shadow_grey);
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(skin_tone_display, the_users_choice_rebuilds_the_head) {
  bind_skin_tone_display(controls);
  skin_tone->setCurrentIndex(1);
  emit skin_tone->activated(1);
  EXPECT_EQ(rgb_of(shown(), 90, 90), head_colour);
}

TEST_F(skin_tone_display, an_empty_skin_list_shows_no_head_and_no_message) {
  skin_tone->clear();
  ASSERT_EQ(skin_tone->currentIndex(), -1);
  form.show();
  show_staff_skin_tone_display(controls);
  show_staff_skin_tone_display(controls);
  EXPECT_FALSE(display->isVisible());
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(skin_tone_display, a_missing_head_is_reported_and_the_shadow_still_drawn) {
  fs::remove(folder.head_file("player.bmp").toStdString());
  skin_tone->setCurrentIndex(1);
  show_staff_skin_tone_display(controls);
  EXPECT_EQ(dialogs.shown_texts(), std::vector<QString>{bitmap_failure});
  EXPECT_EQ(rgb_of(shown(), 90, 90), shadow_grey);
}

TEST_F(skin_tone_display, missing_pictures_are_reported_once_each_per_rebuild) {
  fs::remove(folder.head_file("player.bmp").toStdString());
  fs::remove(folder.head_file("player_shadow.bmp").toStdString());
  skin_tone->setCurrentIndex(1);
  show_staff_skin_tone_display(controls);
  EXPECT_EQ(dialogs.shown_texts(), (std::vector<QString>{bitmap_failure, bitmap_failure}));
  EXPECT_EQ(dialogs.last().kind, scripted_dialog_service::dialog_kind::plain_message);
  EXPECT_EQ(rgb_of(shown(), 90, 90), white);
}

TEST_F(skin_tone_display, an_unreadable_colour_is_reported_and_draws_no_head) {
  skin_tone->setCurrentIndex(2);
  show_staff_skin_tone_display(controls);
  EXPECT_EQ(dialogs.shown_texts(), std::vector<QString>{bitmap_failure});
  EXPECT_EQ(rgb_of(shown(), 90, 90), shadow_grey);
}

TEST_F(skin_tone_display, a_palette_head_file_is_recoloured_like_a_24_bit_one) {
  QImage head(folder.head_file("player.bmp"));
  ASSERT_TRUE(
      head.convertToFormat(QImage::Format_Indexed8).save(folder.head_file("player.bmp"), "BMP"));
  ASSERT_EQ(QImage(folder.head_file("player.bmp")).format(), QImage::Format_Indexed8);
  skin_tone->setCurrentIndex(1);
  show_staff_skin_tone_display(controls);
  EXPECT_EQ(rgb_of(shown(), 90, 90), head_colour);
  EXPECT_EQ(rgb_of(shown(), 5, 5), shadow_grey);
}

TEST(shipped_head_pictures, are_24_bit_templates_with_a_see_through_corner) {
  const fs::path folder = fs::path(STAFF_EDITOR_SOURCE_DIR) / "img";
  const QImage head(QString::fromStdString((folder / "head" / "player.bmp").string()));
  const QImage shadow(QString::fromStdString((folder / "head" / "player_shadow.bmp").string()));
  ASSERT_FALSE(head.isNull());
  ASSERT_FALSE(shadow.isNull());
  EXPECT_EQ(head.depth(), 32);  // a 24-bit file is read as 32-bit RGB
  EXPECT_EQ(head.format(), QImage::Format_RGB32);
  EXPECT_EQ(head.size(), shadow.size());
  QImage recoloured = head;
  recolour_bitmap(recoloured, colour_of(160, 110, 80), {}, {});
  EXPECT_EQ(qAlpha(recoloured.pixel(0, head.height() - 1)), 0);
  EXPECT_EQ(qAlpha(recoloured.pixel(head.width() / 2, head.height() / 2)), 255);
}

// ---- The entries of the drop-down list ----

class skin_tone_entry_drawing : public testing::Test {
 protected:
  skin_tone_entry_drawing() {
    palette.setColor(QPalette::Base, QColor(250, 250, 250));
    palette.setColor(QPalette::Text, QColor(0, 0, 0));
    palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
  }

  // Draws one 200 x 13 row on a canvas that starts magenta, so untouched pixels show.
  QImage draw(int index, const char* entry, bool selected) const {
    QImage canvas(200, 13, QImage::Format_RGB32);
    canvas.fill(QColor(255, 0, 255));
    QPainter painter(&canvas);
    draw_skin_tone_entry(painter, canvas.rect(), index, entry, selected, palette);
    return canvas;
  }

  QPalette palette;
};

TEST_F(skin_tone_entry_drawing, a_row_shows_its_swatch_over_nine_tenths_then_its_code) {
  const QImage row = draw(1, "200;150;100;7", false);
  EXPECT_EQ(rgb_of(row, 0, 0), qRgb(200, 150, 100) & 0xFFFFFFu);
  EXPECT_EQ(rgb_of(row, 179, 12), qRgb(200, 150, 100) & 0xFFFFFFu);
  EXPECT_EQ(rgb_of(row, 181, 0), qRgb(250, 250, 250) & 0xFFFFFFu);
  bool text_drawn = false;
  for (int y = 0; y < row.height(); ++y) {
    for (int x = 188; x < row.width(); ++x)
      text_drawn = text_drawn || rgb_of(row, x, y) != (qRgb(250, 250, 250) & 0xFFFFFFu);
  }
  EXPECT_TRUE(text_drawn);
  EXPECT_EQ(rgb_of(draw(1, "200;150;100;7", true), 181, 0), qRgb(0, 0, 128) & 0xFFFFFFu);
}

TEST_F(skin_tone_entry_drawing, row_0_stays_blank_and_an_unreadable_colour_draws_no_swatch) {
  const QImage blank = draw(0, "255;255;255;0", true);
  EXPECT_EQ(rgb_of(blank, 50, 6), qRgb(255, 0, 255) & 0xFFFFFFu);
  const QImage unreadable = draw(3, "1;x;3;4", false);
  EXPECT_EQ(rgb_of(unreadable, 0, 0), qRgb(250, 250, 250) & 0xFFFFFFu);
  EXPECT_EQ(rgb_of(unreadable, 195, 6), qRgb(250, 250, 250) & 0xFFFFFFu);
}

TEST(draw_skin_tone_entries, gives_the_list_13_pixel_rows_and_21_visible_entries) {
  QComboBox combo;
  combo.addItems({"255;255;255;0", "200;150;100;1"});
  draw_skin_tone_entries(&combo);
  EXPECT_EQ(combo.maxVisibleItems(), 21);
  QStyleOptionViewItem option;
  EXPECT_EQ(combo.itemDelegate()->sizeHint(option, combo.model()->index(1, 0)).height(), 13);
  // The closed field draws through the same rule; it must not fail on any entry.
  combo.addItem("1;x;3;4");
  combo.setCurrentIndex(2);
  combo.grab();
}

}  // namespace
