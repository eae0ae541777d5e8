#include "record_form/player_picture.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/scripted_dialog_service.h"
#include "record_form/form_controls.h"

namespace fs = std::filesystem;

namespace {

using dialog_kind = scripted_dialog_service::dialog_kind;

QRgb rgb_at(const QLabel& box, int x, int y) {
  return box.pixmap().toImage().pixel(x, y) & 0xFFFFFFu;
}

constexpr QRgb rgb(int r, int g, int b) {
  return qRgb(r, g, b) & 0xFFFFFFu;
}

// The controls of the player picture, as the Appearance page has them, and a folder for
// pictures to load.
class player_picture : public testing::Test {
 protected:
  player_picture() {
    static std::atomic<int> counter = 0;
    folder = fs::temp_directory_path() / ("player_picture_tests_" + std::to_string(::getpid()) +
                                          "_" + std::to_string(counter++));
    fs::create_directories(folder);

    button = add<QPushButton>("load_staff_picture_btn");
    image3 = add<QLabel>("Image3");
    image3->setFixedSize(25, 33);
    image4 = add<QLabel>("Image4");
    image4->setFixedSize(180, 180);
    shape63 = add<QLabel>("Shape63");
    shape63->setFixedSize(65, 65);
    edit1 = add<QLineEdit>("Edit1");
    bind_player_picture(controls);
  }
  ~player_picture() override {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  }

  template <class Widget>
  Widget* add(const char* name) {
    auto* widget = new Widget(&form);
    widget->setObjectName(name);
    controls.add(widget);
    return widget;
  }

  // A 2 x 2 picture: red, green on top; blue, black below.
  QString four_colour_picture(const char* name) const {
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 255, 0));
    picture.setPixel(0, 1, qRgb(0, 0, 255));
    picture.setPixel(1, 1, qRgb(0, 0, 0));
    const QString path = QString::fromStdString((folder / name).string());
    EXPECT_TRUE(picture.save(path));
    return path;
  }

  void expect_four_colours_on_image4() const {
    EXPECT_EQ(rgb_at(*image4, 45, 45), rgb(255, 0, 0));
    EXPECT_EQ(rgb_at(*image4, 135, 45), rgb(0, 255, 0));
    EXPECT_EQ(rgb_at(*image4, 45, 135), rgb(0, 0, 255));
    EXPECT_EQ(rgb_at(*image4, 135, 135), rgb(0, 0, 0));
  }

  scoped_scripted_dialogs dialogs;
  fs::path folder;
  QWidget form;
  form_controls controls;
  QPushButton* button = nullptr;
  QLabel* image3 = nullptr;
  QLabel* image4 = nullptr;
  QLabel* shape63 = nullptr;
  QLineEdit* edit1 = nullptr;
};

TEST_F(player_picture, the_button_carries_its_hint_and_image4_a_cross_cursor) {
  EXPECT_EQ(button->toolTip(), "Load player picture so you can compare skin tones");
  EXPECT_EQ(image4->cursor().shape(), Qt::CrossCursor);
}

TEST_F(player_picture, a_chosen_picture_is_kept_and_drawn_stretched_over_image4) {
  for (const char* name : {"player.png", "player.bmp", "player.jpg"}) {
    dialogs.queue_path(four_colour_picture(name));
    button->click();
    ASSERT_EQ(image3->pixmap().size(), QSize(2, 2)) << name;
    ASSERT_EQ(image4->pixmap().size(), QSize(180, 180)) << name;
    if (std::string(name) != "player.jpg")  // lossy: only the size is sure
      expect_four_colours_on_image4();
  }
  ASSERT_FALSE(dialogs.shown().empty());
  EXPECT_EQ(dialogs.last().kind, dialog_kind::open_picture);
  EXPECT_TRUE(dialogs.last().options.filter.contains("*.bmp"));
  EXPECT_TRUE(dialogs.last().options.filter.contains("*.png"));
  EXPECT_TRUE(dialogs.all_as_scripted());
}

TEST_F(player_picture, cancelling_redraws_the_last_picture_or_leaves_image4_white) {
  dialogs.queue_path("");
  button->click();
  ASSERT_EQ(image4->pixmap().size(), QSize(180, 180));
  EXPECT_EQ(rgb_at(*image4, 90, 90), rgb(255, 255, 255));

  dialogs.queue_path(four_colour_picture("player.png"));
  button->click();
  QPixmap painted_over(180, 180);
  painted_over.fill(Qt::yellow);
  image4->setPixmap(painted_over);
  dialogs.queue_path("");
  button->click();
  expect_four_colours_on_image4();
}

TEST_F(player_picture, an_unreadable_file_is_reported_and_changes_nothing) {
  dialogs.queue_path(four_colour_picture("player.png"));
  button->click();
  const fs::path broken = folder / "broken.bmp";
  std::ofstream(broken, std::ios::binary) << "BM not a picture";
  dialogs.queue_path(QString::fromStdString(broken.string()));
  button->click();
  ASSERT_EQ(dialogs.shown().size(), 3u);
  EXPECT_EQ(dialogs.last().type, message_type::error);
  EXPECT_EQ(image3->pixmap().size(), QSize(2, 2));
  expect_four_colours_on_image4();
}

TEST(sample_picture_colour, averages_a_4_by_4_block_with_white_outside_the_picture) {
  QImage picture(8, 8, QImage::Format_RGB32);
  picture.fill(Qt::black);
  for (int y = 0; y < 8; ++y)
    picture.setPixel(7, y, qRgb(160, 80, 40));
  struct sample_case {
    int x, y;
    QColor expected;
  };
  const sample_case cases[] = {
      {4, 4, QColor(0, 0, 0)},
      // Twelve samples outside count as white, four inside are black.
      {0, 0, QColor(191, 191, 191)},
      // Columns 5 to 8: two black, one coloured, one outside.
      {7, 4, QColor((160 * 4 + 255 * 4) / 16, (80 * 4 + 255 * 4) / 16, (40 * 4 + 255 * 4) / 16)},
      {-10, -10, QColor(255, 255, 255)},
  };
  for (const sample_case& c : cases)
    EXPECT_EQ(sample_picture_colour(picture, c.x, c.y), c.expected) << c.x << "," << c.y;
  EXPECT_EQ(sample_picture_colour(QImage(), 3, 3), QColor(255, 255, 255));
}

TEST_F(player_picture, a_click_on_image4_shows_the_position_and_the_sampled_colour) {
  dialogs.queue_path(four_colour_picture("player.png"));
  button->click();
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(45, 45), image4->mapToGlobal(QPointF(45, 45)),
                    Qt::RightButton, Qt::RightButton, Qt::ShiftModifier);
  QApplication::sendEvent(image4, &press);
  EXPECT_EQ(edit1->text(), "X:45 Y:45");
  ASSERT_EQ(shape63->pixmap().size(), QSize(65, 65));
  EXPECT_EQ(rgb_at(*shape63, 32, 32), rgb(255, 0, 0));

  Image3MouseDown(controls, 0, 0);
  EXPECT_EQ(edit1->text(), "X:0 Y:0");
  EXPECT_EQ(rgb_at(*shape63, 0, 0), rgb(255, 191, 191));
}

}  // namespace
