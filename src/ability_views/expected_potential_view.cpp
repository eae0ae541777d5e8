#include "ability_views/expected_potential_view.h"

#include <QLineEdit>

#include "ability/expected_potential_ability.h"
#include "record_form/control_binding.h"
#include "record_form/editor_state.h"
#include "record_form/form_controls.h"
#include "record_form/form_text.h"
#include "record_form/staff_commit.h"

void update_expected_potential_ability(const qor_staff* record, form_controls& form) {
  qor_staff* on_screen = editor().current_staff;
  if (record == nullptr || on_screen == nullptr)
    return;
  apply_staff(on_screen, form);
  if (auto* edit = form.get<QLineEdit>("staff_pl_expected_potential_ability")) {
    int value = expected_potential_ability(*record, age_in_years(*record));
    fill_control(edit, slot(value), text_value_tag);
  }
}
