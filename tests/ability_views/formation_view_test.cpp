#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QStringListModel>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ability_views/formation_view.h"
#include "display_staff_fixture.h"
#include "platform/jpeg_file.h"
#include "record_form/editor_state.h"
#include "records/program_paths.h"
#include "sub_records/display_staff.h"

namespace fs = std::filesystem;

namespace {

constexpr int shipped_pictures = 35;

// The real pages with a formation list of 40 entries whose codes are their positions, so that
// a record's formation code is the position its list shows.
class formation_view : public display_staff_form {
 protected:
  formation_view() {
    std::vector<std::string> entries{"Not set; 0"};
    for (int code = 1; code < 40; ++code)
      entries.push_back("Formation " + std::to_string(code) + "; " + std::to_string(code));
    lookups().formation_list = entries;
    QStringList items;
    for (const std::string& entry : entries)
      items << QString::fromStdString(entry);
    controls.choice_model("formation_list")->setStringList(items);
    install_formation_view(controls);
  }
  ~formation_view() override { editor().current_staff = nullptr; }

  void show(qor_staff record) {
    staff = record;
    staff.StaffClassification = 1;
    editor().current_staff = &staff;
    display_staff(&staff, controls);
  }

  QComboBox* list(const char* name) { return control<QComboBox>(name); }
  QLabel* picture(int number) {
    return control<QLabel>(("formation_display_" + std::to_string(number)).c_str());
  }

  static QImage shipped(int index) {
    return read_jpeg_file(fs::path(STAFF_EDITOR_SOURCE_DIR) /
                          std::string(formation_picture_file(index)));
  }
  static bool shows(const QLabel* label, const QImage& image) {
    return !label->isHidden() && label->pixmap().toImage().convertToFormat(QImage::Format_RGB32) ==
                                     image.convertToFormat(QImage::Format_RGB32);
  }

  qor_staff staff;
};

TEST_F(formation_view, every_picture_of_the_table_is_shipped_at_its_size) {
  for (int index = 1; index <= shipped_pictures; ++index) {
    const std::string_view file = formation_picture_file(index);
    ASSERT_TRUE(file.starts_with("img/formations/tolvan_")) << index;
    const QImage image = shipped(index);
    EXPECT_EQ(image.size(), QSize(146, 202)) << file;
  }
  EXPECT_EQ(formation_picture_file(13), "img/formations/tolvan_3-5-2_SW.jpg");
  EXPECT_EQ(formation_picture_file(26), "img/formations/tolvan_3-1-3-1-2_norm.jpg");
  EXPECT_EQ(formation_picture_file(28), "img/formations/tolvan_4-1-2-2-1_NORM.jpg");
  for (int outside : {-1, 0, 36})
    EXPECT_TRUE(formation_picture_file(outside).empty()) << outside;
}

TEST_F(formation_view, the_pictures_stand_over_their_frames_at_their_size) {
  for (int number = 1; number <= 4; ++number) {
    QLabel* shown = picture(number);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->size(), QSize(146, 202));
    EXPECT_TRUE(shown->isHidden());
    const QWidget* frame = controls.find("formation_frame_" + std::to_string(number));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->geometry(), shown->geometry());
  }
  EXPECT_EQ(picture(1)->pos(), QPoint(16, 21));
  EXPECT_EQ(picture(2)->pos(), QPoint(176, 21));
  EXPECT_EQ(picture(3)->pos(), QPoint(16, 269));
  EXPECT_EQ(picture(4)->pos(), QPoint(176, 269));
}

TEST_F(formation_view, a_record_shows_each_formation_in_its_own_picture) {
  qor_staff record;
  record.StaffNonPlayerFormationPreferred = 3;
  record.StaffNonPlayerFormationSecondPreferred = 13;
  record.StaffNonPlayerFormationAttacking = 35;
  record.StaffNonPlayerFormationDefensive = 0;
  show(record);
  EXPECT_TRUE(shows(picture(1), shipped(3)));
  EXPECT_TRUE(shows(picture(2), shipped(13)));
  EXPECT_TRUE(shows(picture(3), shipped(35)));  // the attacking list drives the third
  EXPECT_TRUE(picture(4)->isHidden());

  // The next record reloads or hides each picture.
  record.StaffNonPlayerFormationPreferred = 0;
  record.StaffNonPlayerFormationSecondPreferred = 1;
  record.StaffNonPlayerFormationAttacking = 36;  // beyond the table
  record.StaffNonPlayerFormationDefensive = 28;
  show(record);
  EXPECT_TRUE(picture(1)->isHidden());
  EXPECT_TRUE(shows(picture(2), shipped(1)));
  EXPECT_TRUE(picture(3)->isHidden());
  EXPECT_TRUE(shows(picture(4), shipped(28)));
}

TEST_F(formation_view, no_choice_or_an_entry_beyond_the_table_hides_the_picture) {
  QComboBox* preferred = list("staff_np_preferred_formation");
  for (const auto& [index, visible] :
       {std::pair{7, true}, std::pair{0, false}, std::pair{0, false}, std::pair{8, true},
        std::pair{37, false}, std::pair{2, true}, std::pair{-1, false}}) {
    preferred->setCurrentIndex(index);
    display_formation(preferred, picture(1));
    EXPECT_EQ(!picture(1)->isHidden(), visible) << index;
    if (visible) {
      EXPECT_TRUE(shows(picture(1), shipped(index))) << index;
    }
  }
  display_formation(nullptr, picture(1));  // nothing to show from: nothing happens
  display_formation(preferred, nullptr);
}

TEST_F(formation_view, the_users_choice_shows_its_picture_while_a_record_is_on_screen) {
  show(qor_staff{});
  QComboBox* attacking = list("staff_np_preferred_attacking_formation");
  const auto choose = [attacking](int index) {
    attacking->setCurrentIndex(index);
    emit attacking->activated(index);
  };
  choose(9);
  EXPECT_TRUE(shows(picture(3), shipped(9)));
  EXPECT_TRUE(picture(4)->isHidden());  // the defensive list has its own picture
  choose(0);
  EXPECT_TRUE(picture(3)->isHidden());
  editor().current_staff = nullptr;
  choose(9);
  EXPECT_TRUE(picture(3)->isHidden());
}

// The shipped pictures copied into a program folder of their own, some spoiled.
class spoiled_pictures : public formation_view {
 protected:
  // A folder per test, since ctest runs the tests of this fixture side by side.
  spoiled_pictures()
      : folder_(fs::temp_directory_path() /
                (std::string("formation_view_test_") +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "img");
    fs::copy(fs::path(STAFF_EDITOR_SOURCE_DIR) / "img" / "formations",
             folder_ / "img" / "formations");
    set_program_folder(folder_);
  }
  ~spoiled_pictures() override { fs::remove_all(folder_); }

  // Keeps the first `bytes` bytes of the picture of that index.
  void cut_short(int index, std::uintmax_t bytes) {
    fs::resize_file(folder_ / std::string(formation_picture_file(index)), bytes);
  }
  void replace_with(int index, const std::string& content) {
    std::ofstream(folder_ / std::string(formation_picture_file(index)), std::ios::binary)
        << content;
  }

 private:
  fs::path folder_;
};

TEST_F(spoiled_pictures, a_damaged_or_missing_picture_is_hidden_and_the_record_still_shows) {
  const std::uintmax_t whole =
      fs::file_size(fs::path(STAFF_EDITOR_SOURCE_DIR) / std::string(formation_picture_file(3)));
  cut_short(3, whole / 2);  // the picture data ends part way
  cut_short(13, 40);        // inside the headers
  replace_with(1, "not a picture at all");
  fs::remove(program_folder() / std::string(formation_picture_file(28)));
  for (int index : {3, 13, 1, 28}) {
    EXPECT_TRUE(
        read_jpeg_file(program_folder() / std::string(formation_picture_file(index))).isNull())
        << index;
  }

  qor_staff record;
  record.StaffFirstName = "Shown";
  record.StaffNonPlayerFormationPreferred = 3;
  record.StaffNonPlayerFormationSecondPreferred = 13;
  record.StaffNonPlayerFormationAttacking = 1;
  record.StaffNonPlayerFormationDefensive = 28;
  show(record);
  for (int number = 1; number <= 4; ++number)
    EXPECT_TRUE(picture(number)->isHidden()) << number;
  EXPECT_EQ(text_of("staff_first_name"), "Shown");

  // A picture that reads again shows again.
  record.StaffNonPlayerFormationPreferred = 4;
  show(record);
  EXPECT_TRUE(shows(picture(1), shipped(4)));
}

TEST_F(spoiled_pictures, a_picture_file_changed_between_records_shows_its_new_picture) {
  qor_staff record;
  record.StaffNonPlayerFormationPreferred = 4;
  show(record);
  ASSERT_TRUE(shows(picture(1), shipped(4)));

  std::ifstream other(fs::path(STAFF_EDITOR_SOURCE_DIR) / std::string(formation_picture_file(9)),
                      std::ios::binary);
  replace_with(4, std::string(std::istreambuf_iterator<char>(other), {}));
  show(record);
  EXPECT_TRUE(shows(picture(1), shipped(9)));

  replace_with(4, "not a picture at all");
  show(record);
  EXPECT_TRUE(picture(1)->isHidden());
}

}  // namespace
