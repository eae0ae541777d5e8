#include <string>

#include "item_panel_fixture.h"
#include "platform/control_colors.h"
#include "records/staff_record.h"
#include "sub_records/item_list_edits.h"
#include "sub_records/item_list_selection.h"

namespace {

// The item lists bound as the main window binds them, with the shown staff member current.
class item_caption_refresh : public item_panel_form {
 protected:
  item_caption_refresh() {
    install_item_list_selection(controls);
    install_item_list_editing(controls);
    editor().current_staff = &staff;
  }

  void press(const char* button) { box(button)->click(); }
  tcolor caption_color(const char* label) { return font_color(control(label)); }
};

// A kind's captions always show the item then selected: an edit that brings a field back to
// its original clears its colour, a new item is plain, and the item a delete selects shows
// its own changes again.
TEST_F(item_caption_refresh, captions_follow_edits_adds_and_deletes) {
  struct kind_case {
    const char* add_button;
    const char* delete_button;
    const char* label;
    tcolor changed;
    std::function<void()> change;
    std::function<void()> restore;
    bool asks_before_deleting;
  };
  qor_staff_language& language = add_item<item_kind::language>(1);
  language.StaffLanguagesType = 3;
  qor_staff_injury& injury = add_item<item_kind::injury>(2);
  injury.StaffInjuriesSeverityPermanentInjury += 5;
  const std::string severity = std::to_string(injury.StaffInjuriesSeverityPermanentInjury - 5);
  show_items();

  const kind_case cases[] = {
      {"add_language_btn", "del_language_btn", "staff_language_type_label", clRed,
       [&] { choose("staff_language_type", 2); }, [&] { choose("staff_language_type", 1); }, false},
      {"add_injury_btn", "delete_injury_btn", "staff_label_injury_severity", clGreen,
       [&] { type_into("staff_injury_severity", "30"); },
       [&] { type_into("staff_injury_severity", severity.c_str()); }, true},
  };
  for (const kind_case& c : cases) {
    EXPECT_EQ(caption_color(c.label), c.changed) << c.label << " shown";
    c.restore();
    EXPECT_EQ(caption_color(c.label), clWindowText) << c.label << " restored";
    c.change();
    EXPECT_NE(caption_color(c.label), clWindowText) << c.label << " changed again";

    press(c.add_button);
    EXPECT_EQ(caption_color(c.label), clWindowText) << c.label << " new item";

    if (c.asks_before_deleting)
      dialogs.queue_answer(dialog_answer::ok);
    press(c.delete_button);
    EXPECT_NE(caption_color(c.label), clWindowText) << c.label << " after the delete";
  }
  EXPECT_TRUE(dialogs.all_as_scripted());
}

}  // namespace
