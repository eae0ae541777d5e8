#include <gtest/gtest.h>
#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QSplitter>
#include <QStringListModel>
#include <filesystem>

#include "main_window/lookup_files.h"
#include "main_window/main_window.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/page_control.h"
#include "records/lookup_lists.h"
#include "records/program_paths.h"
#include "window_test_support.h"

namespace fs = std::filesystem;

namespace {

class main_window_startup : public testing::Test {
 protected:
  window_test_environment environment;
};

TEST_F(main_window_startup, shipped_data_gives_the_empty_editor_waiting_for_a_file) {
  Tfrm_main window;
  window.show();

  EXPECT_TRUE(environment.dialogs.shown_texts().empty());
  EXPECT_EQ(window.windowTitle(), "Tolvan2014 Staff Editor v2.4");
  EXPECT_EQ(window.status_panel(0), "0 items");
  EXPECT_EQ(window.status_panel(1), " Editing *.staff");
  EXPECT_EQ(window.status_panel(2), "Field discription");
  EXPECT_EQ(window.label_staff->text(), " Staff");

  EXPECT_TRUE(window.lookup_files_complete());
  EXPECT_TRUE(window.menu_open->isEnabled());
  EXPECT_FALSE(window.menu_save->isEnabled());
  EXPECT_FALSE(window.menu_save_as->isEnabled());
  EXPECT_FALSE(window.menu_edit->menuAction()->isEnabled());
  EXPECT_TRUE(window.menu_exit->isEnabled());
  EXPECT_TRUE(window.menu_error_checking->isEnabled());

  EXPECT_FALSE(window.list_box->isVisible());
  EXPECT_EQ(window.Splitter1->handleWidth(), 0);
  EXPECT_TRUE(window.bg_image->isVisible());
  EXPECT_FALSE(window.bg_image->pixmap().isNull());
  EXPECT_FALSE(window.bg_loading_image->isVisible());
  EXPECT_FALSE(window.main_page_control->isVisible());
  EXPECT_FALSE(window.pc_staff->isEnabled());
  EXPECT_FALSE(window.main_page_control->isEnabled());
  EXPECT_TRUE(window.bg_image->isEnabled());  // not greyed out
  for (const char* date_field : {"staff_date_of_birth", "staff_mls_discovery_player"}) {
    ASSERT_NE(window.controls().find(date_field), nullptr) << date_field;
    EXPECT_EQ(window.controls().find(date_field)->toolTip(), "Format: dd/mm/yyyy") << date_field;
  }
}

TEST_F(main_window_startup, every_lookup_list_and_every_combo_it_feeds_is_filled) {
  Tfrm_main window;
  window.show();

  for (const lookup_file& file : lookup_files()) {
    const auto lines = read_text_lines(data_folder() / file.file_name).value();
    EXPECT_EQ(lookups().*file.list, lines) << file.file_name;
    for (const char* name : file.combos) {
      const auto* combo = window.findChild<QComboBox*>(name);
      ASSERT_NE(combo, nullptr) << name;
      EXPECT_EQ(combo->count(), static_cast<int>(lines.size())) << name;
    }
    for (const fixed_items& items : file.then_add) {
      const auto* combo = window.findChild<QComboBox*>(items.combo);
      ASSERT_NE(combo, nullptr) << items.combo;
      EXPECT_EQ(combo->count(), static_cast<int>(items.texts.size())) << items.combo;
    }
  }
  EXPECT_EQ(window.controls().choice_model("club_list")->rowCount(),
            static_cast<int>(lookups().club_list.size()));
}

TEST_F(main_window_startup, a_missing_lookup_file_is_reported_and_open_stays_disabled) {
  copied_program_folder folder;
  fs::remove(folder.data() / "currency_list.txt");

  Tfrm_main window;
  window.show();

  ASSERT_EQ(environment.dialogs.shown().size(), 1u);
  EXPECT_TRUE(environment.dialogs.last().text.startsWith(
      "Missing file: " + QString::fromStdString((folder.data() / "currency_list.txt").string())));
  EXPECT_FALSE(window.lookup_files_complete());
  EXPECT_FALSE(window.menu_open->isEnabled());
  // Start-up went on to the end.
  EXPECT_EQ(window.status_panel(0), "0 items");
  EXPECT_FALSE(lookups().region_list.empty());
}

TEST_F(main_window_startup, the_edit_menu_switches_its_items_off_and_back_as_they_were) {
  Tfrm_main window;
  window.show();
  const QList<QAction*> working = {window.menu_cut, window.menu_copy, window.menu_paste,
                                   window.menu_delete, window.menu_new};
  const QList<QAction*> unfinished = {window.menu_find, window.menu_find_again,
                                      window.menu_delete_object, window.menu_paste_object};
  // A disabled action cannot be triggered by its shortcut either.
  for (QAction* action : working)
    EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();

  window.set_edit_menu_enabled(true);
  EXPECT_TRUE(window.menu_edit->menuAction()->isEnabled());
  for (QAction* action : working)
    EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
  for (QAction* action : unfinished) {
    EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
    EXPECT_FALSE(action->isVisible()) << action->objectName().toStdString();
  }
  EXPECT_EQ(window.menu_new->shortcut(), QKeySequence("Ctrl+N"));
  EXPECT_EQ(window.menu_delete->shortcut(), QKeySequence("Del"));
  EXPECT_EQ(window.menu_exit->shortcut(), QKeySequence("Alt+F4"));

  window.set_edit_menu_enabled(false);
  for (QAction* action : working)
    EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
}

TEST_F(main_window_startup, help_about_and_the_unfinished_items_answer_with_a_message) {
  Tfrm_main window;
  window.show();
  window.menu_about->trigger();
  ASSERT_EQ(environment.dialogs.shown().size(), 1u);
  EXPECT_EQ(environment.dialogs.last().type, message_type::information);
  EXPECT_TRUE(environment.dialogs.last().text.startsWith("Tolvan2014 Staff Editor v2.4\n"));

  window.menu_not_implementedClick();
  EXPECT_EQ(environment.dialogs.last().kind, scripted_dialog_service::dialog_kind::plain_message);
  EXPECT_EQ(environment.dialogs.last().text, "N/I");
}

TEST_F(main_window_startup, the_whole_window_draws_offscreen) {
  Tfrm_main window;
  window.show();
  const QImage image = window.grab().toImage();
  ASSERT_FALSE(image.isNull());
  EXPECT_GE(image.width(), 1320);
  // A blank grab has one or two colours; the menu, the status bar and the picture give many.
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 7) {
    for (int x = 0; x < image.width(); x += 7)
      colours.insert(image.pixel(x, y));
  }
  EXPECT_GT(colours.size(), 20);
}

}  // namespace
