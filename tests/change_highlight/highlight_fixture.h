#pragma once

#include <QStringListModel>
#include <cstring>
#include <memory>

#include "change_highlight/change_labels.h"
#include "change_highlight/label_handlers.h"
#include "change_highlight/label_highlighting.h"
#include "display_staff_fixture.h"
#include "platform/control_colors.h"

// A changed value of the row's field: one more for a number, another text, the other flag.
inline void change_field(std::byte* record, const label_row& row) {
  const field_descriptor& field = row.field;
  switch (field.type) {
    case field_type::integer:
    case field_type::list_index:
    case field_type::number_and_text:
      write_integer(record, field.offset, field.size,
                    read_integer(record, field.offset, field.size) + 1);
      break;
    case field_type::decimal_and_text:
      write_float(record, field.offset, read_float(record, field.offset) + 1.0f);
      break;
    case field_type::boolean_text:
    case field_type::normalised_boolean: {
      const std::string_view flag = read_text(record, field.offset, field.size);
      const bool ticked = !flag.empty() && (flag.front() == 't' || flag.front() == 'T');
      write_text(record, field.offset, field.size, ticked ? "False" : "True");
      break;
    }
    default:
      // A number held as text must read as a greater one.
      write_text(record, field.offset, field.size, "99");
      break;
  }
}

// What a caption shows after a change of its field by change_field.
inline tcolor changed_color(const label_row& row) {
  const bool quantity =
      row.rule == label_rule::quantity || row.rule == label_rule::unsigned_quantity;
  return quantity ? clGreen : clRed;
}

inline bool shows_field(const label_row& row, const field_descriptor& field) {
  return row.field.offset == field.offset ||
         (row.rule == label_rule::nation && row.second.offset == field.offset);
}

// Every caption of the bound rows plain with the default cursor.
inline void expect_all_plain(const std::vector<bound_label>& labels, const char* context) {
  for (const bound_label& label : labels) {
    EXPECT_EQ(font_color(label.widget), clWindowText) << context << " " << label.row->label;
    if (label.row->takes_cursor) {
      EXPECT_EQ(control_cursor(label.widget), crDefault) << context << " " << label.row->label;
    }
  }
}

// The real record pages with the caption handlers installed and the language type words in
// their list, as the main window has them.
class highlight_form : public display_staff_form {
 protected:
  highlight_form() {
    controls.choice_model("staff_language_type")
        ->setStringList({"Mother Tongue", "Fluent", "Good", "Basic", "None", "Never", "Not Set"});
    install_label_handlers(controls);
  }

  const change_labels& labels() { return labels_of(controls); }
};
