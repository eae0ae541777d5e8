#include <QLabel>
#include <utility>

#include "change_tracking/originals.h"
#include "highlight_fixture.h"
#include "sub_records/display_staff.h"

namespace {

using label_colouring = highlight_form;

// A caption the tables name but the pages lack would never be coloured.
TEST_F(label_colouring, EveryCaptionOfTheTablesIsOnTheRealPages) {
  for (const label_row& row : staff_label_rows())
    EXPECT_NE(controls.find(row.label), nullptr) << row.label;
  for (const caption_row& row : staff_caption_rows())
    EXPECT_NE(controls.find(row.label), nullptr) << row.label;
  for (std::size_t k = 0; k < item_kind_count; ++k) {
    for (const label_row& row : item_label_rows(static_cast<item_kind>(k)))
      EXPECT_NE(controls.find(row.label), nullptr) << row.label;
  }
  EXPECT_NE(controls.find("staff_np_coaching_technique"), nullptr);
}

// Each compared field of the staff record, changed alone in a copy of the original, colours
// exactly the captions that show it.
TEST_F(label_colouring, EachStaffFieldColoursItsOwnCaptionsOnly) {
  const qor_staff original = fixture_staff();
  for (const label_row& changed : staff_label_rows()) {
    qor_staff current = original;
    change_field(record_bytes(current), changed);
    highlight_staff_changes(controls, &current, &original);
    for (const bound_label& label : labels().staff) {
      const bool shows = shows_field(*label.row, changed.field);
      const tcolor expected = shows ? changed_color(*label.row) : clWindowText;
      ASSERT_EQ(font_color(label.widget), expected)
          << changed.field.name << " on " << label.row->label;
      if (label.row->takes_cursor) {
        ASSERT_EQ(control_cursor(label.widget), shows ? crHandPoint : crDefault)
            << changed.field.name << " on " << label.row->label;
      }
    }
  }
}

template <item_kind Kind>
void expect_each_item_field_colours_its_caption(form_controls& controls,
                                                const std::vector<bound_label>& labels) {
  const item_record<Kind> original{};
  for (const label_row& changed : item_label_rows(Kind)) {
    item_record<Kind> current = original;
    change_field(record_bytes(current), changed);
    highlight_staff_item<Kind>(controls, &current, &original);
    for (const bound_label& label : labels) {
      const bool shows = label.row->field.offset == changed.field.offset;
      EXPECT_EQ(font_color(label.widget), shows ? changed_color(*label.row) : clWindowText)
          << changed.field.name << " on " << label.row->label;
      EXPECT_EQ(control_cursor(label.widget), shows ? crHandPoint : crDefault)
          << changed.field.name << " on " << label.row->label;
    }
  }
  // A new item (no original) and no item at all leave every caption of the kind plain.
  item_record<Kind> edited = original;
  change_field(record_bytes(edited), item_label_rows(Kind).front());
  highlight_staff_item<Kind>(controls, &edited, &original);
  highlight_staff_item<Kind>(controls, &edited, nullptr);
  expect_all_plain(labels, "new item");
  highlight_staff_item<Kind>(controls, &edited, &original);
  highlight_staff_item<Kind>(controls, nullptr, nullptr);
  expect_all_plain(labels, "no item");
}

template <std::size_t... Kinds>
void expect_every_kind(form_controls& controls, const change_labels& labels,
                       std::index_sequence<Kinds...>) {
  (expect_each_item_field_colours_its_caption<static_cast<item_kind>(Kinds)>(controls,
                                                                             labels.items[Kinds]),
   ...);
}

TEST_F(label_colouring, EachItemFieldColoursItsOwnCaptionOnly) {
  expect_every_kind(controls, labels(), std::make_index_sequence<item_kind_count>{});
}

TEST_F(label_colouring, TheUpdateStampAndTheIdColourNothing) {
  const qor_staff original = fixture_staff();
  qor_staff current = original;
  current.StaffID = 1;
  current.DateUpdated = "02/02/2022 11:00:00";
  current.Researcher = "Someone else";
  current.StaffLoanPlayerWagesCurrency = 7;
  highlight_staff_changes(controls, &current, &original);
  expect_all_plain(labels().staff, "stamp");
}

// A switch shows the state of the record now on screen, whatever the record before showed.
TEST_F(label_colouring, SwitchingRecordsLeavesOnlyTheNewRecordsChanges) {
  auto add_staff = [](const qor_staff& record, bool exported) {
    if (exported)
      store().staff_orig_list.push_back(std::make_unique<qor_staff>(record));
    return store().staff_list.emplace_back(std::make_unique<qor_staff>(record)).get();
  };
  qor_staff record = fixture_staff();
  qor_staff* changed = add_staff(record, true);
  changed->StaffFirstName = "John";
  changed->StaffPlayerCurrentAbility = 130;
  record.StaffID = 4712;
  qor_staff* unchanged = add_staff(record, true);
  record.StaffID = 4713;
  qor_staff* added = add_staff(record, false);
  qor_staff_history history;
  history.StaffHistoryID = 1;
  history.StaffHistoryStaff = changed->StaffID;
  history.StaffHistoryApps = 3;
  store().staff_history_orig_list.push_back(std::make_unique<qor_staff_history>(history));
  history.StaffHistoryApps = 5;
  store().staff_history_list.push_back(std::make_unique<qor_staff_history>(history));

  const auto show = [&](qor_staff* staff) {
    display_staff(staff, controls);
    highlight_staff_changes(controls, staff, find_original_staff(staff));
  };
  show(changed);
  EXPECT_EQ(font_color(controls.find("staff_label_first_name")), clRed);
  EXPECT_EQ(font_color(controls.find("staff_label_pl_current_ability")), clGreen);
  EXPECT_EQ(font_color(controls.find("staff_label_pl_current_ability2")), clGreen);
  EXPECT_EQ(font_color(controls.find("staff_label_history")), clRed);
  EXPECT_EQ(font_color(controls.find("staff_history_apps_label")), clGreen);
  EXPECT_EQ(control_cursor(controls.find("staff_history_apps_label")), crHandPoint);

  for (qor_staff* next : {unchanged, changed, added}) {
    show(next);
    if (next == changed)
      continue;
    expect_all_plain(labels().staff, "staff");
    for (const bound_caption& caption : labels().captions)
      EXPECT_EQ(font_color(caption.widget), clWindowText) << caption.row->label;
    for (const auto& kind : labels().items)
      expect_all_plain(kind, "items");
  }
}

}  // namespace
