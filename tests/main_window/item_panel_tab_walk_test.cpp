#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "../support/click_focus.h"
#include "analysis/error_check_flags.h"
#include "every_page_walk.h"
#include "record_form/editor_state.h"
#include "record_form/item_selection.h"
#include "record_form/page_table.h"
#include "staff_file_generator.h"

namespace fs = std::filesystem;

namespace {

// A file from the generator, whose items hold what no panel edit shows as it is (ratings beyond
// their range, flags in other letter cases, fees in other forms), walked through with Tab: every
// record on every page, every item in its panel, the focus passing through each edit of the
// panel without typing. Nothing may be said, changed, stamped or marked modified.
class item_panel_tab_walk : public every_page_walk {
 protected:
  void SetUp() override {
    // The leave-record questions are about the records' values, not about the walk.
    checks_before = error_checks();
    error_checks() = error_check_flags{false, false, false, false, false, false};
  }
  void TearDown() override { error_checks() = checks_before; }

  void open_generated_file() {
    staff_file_options options;
    options.seed = 2;
    options.staff_count = 6;
    const fs::path path = folder.path() / "Generated.staff";
    ASSERT_TRUE(write_generated_staff_file(path, options));
    open_through_menu(path);
    environment.dialogs.clear();
  }

  // Each edit of the panel, entered as a click enters it, then left with Tab; `before_leaving`
  // may put the edit into a state of the program's making first.
  template <class Prepare>
  void tab_through_panel_edits(QWidget* page, const char* panel, Prepare before_leaving) {
    for (const page_spec& spec : field_pages()) {
      if (window.controls().find(spec.name) != page)
        continue;
      for (const control_spec& row : spec.controls) {
        if (row.container == nullptr || std::string_view(row.container) != panel)
          continue;
        auto* edit = window.controls().get<QLineEdit>(row.name);
        if (edit == nullptr)
          continue;
        focus_as_by_click(edit);
        // Hidden or disabled: nothing the user can pass through.
        if (QApplication::focusWidget() != edit)
          continue;
        before_leaving(edit);
        QTest::keyClick(edit, Qt::Key_Tab);
        ++edits_passed;
        if (!environment.dialogs.shown().empty() && first_message.empty()) {
          first_message =
              std::string(row.name) + ": " + environment.dialogs.last().text.toStdString();
        }
      }
    }
  }

  template <class Prepare>
  void expect_walk_to_change_nothing(Prepare before_leaving) {
    open_generated_file();
    const std::vector<record_copy> before = copy_of_store(store());

    show_everything([&](QWidget* page, const char* panel) {
      if (panel != nullptr)
        tab_through_panel_edits(page, panel, before_leaving);
    });

    EXPECT_EQ(records_shown, 6);
    EXPECT_GE(items_shown, static_cast<int>(item_kind_count));
    EXPECT_GE(edits_passed, 200);
    EXPECT_EQ(first_message, "");
    expect_same_records(before, copy_of_store(store()));
    EXPECT_FALSE(editor().data_modified);
  }

  error_check_flags checks_before;
  int edits_passed = 0;
  std::string first_message;
};

TEST_F(item_panel_tab_walk, passing_through_every_panel_edit_says_and_changes_nothing) {
  expect_walk_to_change_nothing([](QLineEdit*) {});
}

// An edit the program left showing nothing of the item (cleared, never filled) is no more the
// user's value than one showing the item: an empty rating is not checked against its range.
TEST_F(item_panel_tab_walk, an_edit_emptied_by_the_program_is_passed_through_as_well) {
  expect_walk_to_change_nothing([](QLineEdit* edit) { edit->clear(); });
}

// What the user types is checked as ever, an empty text included, and then reaches the item.
TEST_F(item_panel_tab_walk, a_typed_rating_is_checked_then_copied_into_the_item) {
  open_generated_file();
  const item_record<item_kind::disliked_staff>* disliked = nullptr;
  for (int entry = 0; entry < window.list_box->count() && disliked == nullptr; ++entry) {
    click_staff_entry(entry);
    disliked = selected_item<item_kind::disliked_staff>().current;
  }
  ASSERT_NE(disliked, nullptr);
  environment.dialogs.clear();
  QLineEdit* rating = edit("staff_disliked_staff_rating");
  const auto type_and_tab = [&](const char* typed) {
    focus_on("staff_disliked_staff_rating");
    rating->selectAll();
    if (*typed == '\0')
      QTest::keyClick(rating, Qt::Key_Delete);
    else
      QTest::keyClicks(rating, typed);
    QTest::keyClick(rating, Qt::Key_Tab);
  };

  type_and_tab("21");
  type_and_tab("");
  EXPECT_EQ(environment.dialogs.shown_texts(),
            (std::vector<QString>{"Valid value range is 0 - 20", "Valid value range is 0 - 20"}));
  EXPECT_EQ(QApplication::focusWidget(), rating);

  type_and_tab("7");
  EXPECT_EQ(environment.dialogs.shown().size(), 2u);
  EXPECT_NE(QApplication::focusWidget(), rating);
  EXPECT_EQ(disliked->StaffFavouriteStaffRating, 7);
}

}  // namespace
