#include <QLabel>
#include <QWidget>

#include "platform/win1252.h"
#include "record_form/dependent_controls.h"
#include "record_form/editor_state.h"
#include "record_form/field_validation.h"
#include "record_form/form_controls.h"
#include "record_form/form_text.h"
#include "record_form/staff_commit.h"
#include "records/staff_record.h"

form_view_actions& form_views() {
  static form_view_actions actions;
  return actions;
}

bool staff_pl_current_reputationExit(QWidget* sender, form_controls& controls) {
  if (!validate_field(sender))
    return false;
  qor_staff* staff = editor().current_staff;
  apply_staff(staff, controls);
  if (staff != nullptr && form_views().reputation_range_guide)
    form_views().reputation_range_guide(staff);
  return true;
}

bool staff_pl_footExit(QWidget* sender, form_controls& controls) {
  if (!validate_field(sender))
    return false;
  qor_staff* staff = editor().current_staff;
  if (staff == nullptr)
    return true;
  // The weighted view commits the form itself; without it the commit is still owed.
  if (form_views().update_weighted_attributes)
    form_views().update_weighted_attributes(staff);
  else
    apply_staff(staff, controls);
  if (auto* label = controls.get<QLabel>("staff_pl_preferred_feet_label")) {
    label->setText(
        from_win1252(preferred_foot_text(staff->StaffPlayerLeftFoot, staff->StaffPlayerRightFoot)));
  }
  return true;
}
