#include "record_form/record_pages.h"

#include "record_form/combo_widening.h"
#include "record_form/player_picture.h"
#include "record_form/skin_tone_picture.h"
#include "record_form/staff_commit.h"

// The forms of the operations that work on the program's own fifteen pages. Kept apart so
// that code built with pages of its own does not need the real ones.

void build_record_pages(QTabWidget* pc_staff, form_controls& controls) {
  build_record_pages(pc_staff, controls, record_page_specs());
  bind_skin_tone_display(controls);
  bind_player_picture(controls);
  bind_combo_widening(controls);
}

const control_spec* find_control_spec(std::string_view name) {
  for (const page_spec& page : record_page_specs()) {
    for (const control_spec& row : page.controls) {
      if (row.name != nullptr && name == row.name)
        return &row;
    }
  }
  return nullptr;
}

bool apply_staff(qor_staff* record, form_controls& controls) {
  return apply_staff(record, controls, record_page_specs());
}

void fill_staff_fields(const qor_staff& record, form_controls& controls) {
  fill_staff_fields(record, controls, record_page_specs());
}
