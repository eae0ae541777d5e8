#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "../support/click_focus.h"
#include "every_page_walk.h"
#include "record_form/editor_state.h"
#include "record_form/field_help.h"
#include "record_form/field_slot.h"
#include "record_form/item_details.h"
#include "record_form/item_selection.h"
#include "record_form/page_table.h"
#include "records/item_vectors.h"
#include "records/quoted_fields.h"

namespace fs = std::filesystem;

namespace {

// A number text the reader takes and keeps as it is, in a form the edits show otherwise.
struct kept_number {
  const char* name;
  const char* text;
};

void PrintTo(const kept_number& number, std::ostream* out) {
  *out << '"' << number.text << '"';
}

const kept_number kept_numbers[] = {
    {"plus_sign", "+5000"},           {"leading_blank", " 5000"},
    {"leading_zeros", "0005000"},     {"plus_zero", "+0"},
    {"ten_digits", "1380855207"},     {"plus_ten_digits", "+1380855207"},
    {"largest_32_bit", "2147483647"},
};

bool is_number_edit(const control_spec& row) {
  switch (row.binding.kind) {
    case binding_kind::number:
    case binding_kind::decimal:
    case binding_kind::money_text:
    case binding_kind::money_number:
      return true;
    case binding_kind::text:
      return row.binding.companion.bound();
    default:
      // The wage per month and year, shown but kept nowhere.
      return (row.flags & flag_money) != 0;
  }
}

field_slot slot_in(const field_ref& ref, void* record) {
  return {ref.locate(record), ref.type, ref.capacity};
}

// The number text as the row's field keeps it: a text as far as it holds (the number beside it
// read as the reader reads it), an amount or a number where it fits the field's width, the
// largest the width holds where it does not, a height or weight as the nearest float.
void keep(const control_spec& row, void* record, std::string_view text) {
  const field_slot field = slot_in(row.binding.field, record);
  if (field.is_text()) {
    write_text(field, text);
    if (row.binding.companion.bound())
      write_integer(slot_in(row.binding.companion, record),
                    parse_leading_integer(read_text(field)));
  } else if (field.is_integer()) {
    const long long value = parse_leading_integer(text);
    const long long largest = (1LL << (8 * field.capacity - 1)) - 1;
    write_integer(field, cut_to_width(field, value) == value ? value : largest);
  } else if (field.is_decimal()) {
    write_decimal(field, static_cast<double>(parse_leading_integer(text)));
  }
}

// Every number, amount and money field that a page row binds, but the record's id and its
// owner's.
template <class Record>
void keep_in_number_fields(Record& record, std::string_view text) {
  char ids[8];
  std::memcpy(ids, &record, sizeof ids);
  for (const page_spec& page : field_pages()) {
    for (const control_spec& row : page.controls) {
      if (row.binding.field.template belongs_to<Record>() && is_number_edit(row))
        keep(row, &record, text);
    }
  }
  std::memcpy(static_cast<void*>(&record), ids, sizeof ids);
}

// Every number, amount and money field of every record and item of a file holds the same kept
// text, in the form it takes there. Every record is shown on every page, every item in its
// panel, the focus passes through each of their number edits with Tab, and the moves that leave
// a record commit it: nothing may change, be stamped or marked modified, and no message shows.
class kept_number_texts : public every_page_walk, public testing::WithParamInterface<kept_number> {
 protected:
  fs::path write_kept_file() {
    data_set data;
    EXPECT_TRUE(reload_file(fixture_file("every_section.staff"), data));
    for (auto& staff : data.records.staff_list) {
      keep_in_number_fields(*staff, GetParam().text);
      // Every page is shown for a caretaker, whatever the classification.
      staff->StaffCaretakerManager = "True";
    }
    for_each_item_kind(data.records, [&](auto, auto& current, auto&) {
      for (auto& item : current)
        keep_in_number_fields(*item, GetParam().text);
    });
    return write_as_saved(data, "Kept.staff");
  }

  // The number edits of the page in front (outside the item panels), or of the item panel.
  void tab_through_number_edits(QWidget* page, const char* panel) {
    for (const page_spec& spec : field_pages()) {
      if (window.controls().find(spec.name) != page)
        continue;
      for (const control_spec& row : spec.controls) {
        const bool in_place =
            panel != nullptr ? row.container != nullptr && std::string_view(row.container) == panel
                             : !in_an_item_panel(row);
        auto* edit = window.controls().get<QLineEdit>(row.name);
        if (!in_place || !is_number_edit(row) || edit == nullptr)
          continue;
        focus_as_by_click(edit);
        // Hidden or disabled: nothing the user can pass through.
        if (QApplication::focusWidget() != edit)
          continue;
        QTest::keyClick(edit, Qt::Key_Tab);
        ++edits_passed;
      }
    }
  }

  void expect_walk_to_change_nothing(const page_visit& on_page) {
    const fs::path path = write_kept_file();
    const fs::path loaded = copy_to_folder(path, "Loaded.staff");
    open_through_menu(path);
    ASSERT_EQ(store().staff_list.size(), 3u);
    const std::vector<record_copy> before = copy_of_store(store());
    environment.dialogs.clear();

    show_everything(on_page);

    EXPECT_EQ(records_shown, 3);
    EXPECT_GE(items_shown, static_cast<int>(item_kind_count));
    expect_same_records(before, copy_of_store(store()));
    EXPECT_FALSE(editor().data_modified);
    EXPECT_TRUE(environment.dialogs.shown().empty())
        << environment.dialogs.last().text.toStdString();

    window.menu_save->trigger();
    expect_same_records(records_in_file(loaded), records_in_file(path));
  }

  int edits_passed = 0;
};

// Switching away commits each record shown.
TEST_P(kept_number_texts, showing_every_record_changes_nothing) {
  expect_walk_to_change_nothing({});
}

TEST_P(kept_number_texts, passing_through_every_number_edit_changes_nothing) {
  expect_walk_to_change_nothing(
      [this](QWidget* page, const char* panel) { tab_through_number_edits(page, panel); });
  EXPECT_GE(edits_passed, 300);
}

// Once the user types in such an edit, what was typed is checked and committed, even the same
// amount in the edit's own form.
class typing_over_kept_numbers : public file_menu_test {
 protected:
  void SetUp() override {
    data_set data;
    ASSERT_TRUE(reload_file(fixture_file("every_section.staff"), data));
    for (auto& staff : data.records.staff_list) {
      staff->StaffLoanPlayerWagesText = "+1380855207";
      staff->StaffLoanPlayerWages = 1380855207;
    }
    for (auto& season : data.records.staff_history_list) {
      season->StaffHistoryTransferFeeText = "+5000";
      season->StaffHistoryTransferFee = 5000;
    }
    open_through_menu(write_as_saved(data, "Kept.staff"));
    environment.dialogs.clear();
  }

  void type_and_tab(const char* name, const char* typed) {
    QLineEdit* typed_into = edit(name);
    typed_into->selectAll();
    QTest::keyClicks(typed_into, typed);
    QTest::keyClick(typed_into, Qt::Key_Tab);
  }
};

TEST_F(typing_over_kept_numbers, a_typed_amount_is_checked_then_committed) {
  qor_staff* shown = editor().current_staff;
  focus_on("staff_loan_player_wages");
  type_and_tab("staff_loan_player_wages", "1380855207");
  ASSERT_EQ(environment.dialogs.shown_texts(),
            std::vector<QString>{"Valid value range is 0 - 999999999"});
  EXPECT_EQ(QApplication::focusWidget(), edit("staff_loan_player_wages"));

  type_and_tab("staff_loan_player_wages", "5000");
  click_staff_entry(list_entry_of(shown) == 0 ? 1 : 0);
  EXPECT_EQ(shown->StaffLoanPlayerWagesText, "5000");
  EXPECT_EQ(shown->StaffLoanPlayerWages, 5000);
  EXPECT_TRUE(editor().data_modified);
  EXPECT_EQ(environment.dialogs.shown().size(), 1u);
}

TEST_F(typing_over_kept_numbers, a_fee_typed_as_shown_is_the_users_value) {
  focus_on("staff_history_fee");
  const qor_staff_history* season = selected_item<item_kind::history>().current;
  ASSERT_NE(season, nullptr);
  const std::string stamp_before(season->DateUpdated.view());

  type_and_tab("staff_history_fee", "5000");

  EXPECT_EQ(season->StaffHistoryTransferFeeText, "5000");
  EXPECT_EQ(season->StaffHistoryTransferFee, 5000);
  EXPECT_NE(season->DateUpdated.view(), stamp_before);
  EXPECT_TRUE(editor().data_modified);
  EXPECT_TRUE(environment.dialogs.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(every_form, kept_number_texts, testing::ValuesIn(kept_numbers),
                         [](const testing::TestParamInfo<kept_number>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
