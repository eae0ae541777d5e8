#include "ability_views/ability_exits.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <optional>
#include <string>

#include "ability_views/expected_potential_view.h"
#include "ability_views/formation_view.h"
#include "ability_views/pitch_view.h"
#include "ability_views/position_form.h"
#include "ability_views/weighted_attributes.h"
#include "platform/dialog_service.h"
#include "platform/focus_tracker.h"
#include "platform/page_control.h"
#include "record_form/dependent_controls.h"
#include "record_form/edit_integers.h"
#include "record_form/editor_state.h"
#include "record_form/field_validation.h"
#include "record_form/form_controls.h"
#include "record_form/pages/page_specs.h"

namespace {

constexpr const char* current_ability_edit = "staff_pl_current_ability";
constexpr const char* current_ability2_edit = "staff_pl_current_ability2";
constexpr const char* potential_ability_edit = "staff_pl_potential_ability";
constexpr const char* positions_page_name = "tabsheet_staff_pl1";

constexpr const char* higher_current_question =
    "The staff member has higher playing current ability than playing potential ability. Do "
    "you want to change current ability?";
constexpr const char* lower_potential_question =
    "The staff member has lower playing potential ability than playing current ability. Do "
    "you want to change potential ability?";

using exit_rule = bool (*)(QWidget*, form_controls&);

struct named_exit {
  const char* control;
  exit_rule handler;
};

constexpr named_exit exits[] = {
    {current_ability_edit, staff_pl_current_abilityExit},
    {potential_ability_edit, staff_pl_potential_abilityExit},
    {"staff_pl_expected_potential_ability", staff_pl_potential_abilityExit},
    {current_ability2_edit, staff_pl_current_ability2Exit},
    {"staff_pl_height_amount", staff_pl_height_amountExit},
    {"staff_date_of_birth", staff_birth_exit},
    {"staff_year_of_birth", staff_birth_exit},
};

// True when both abilities read as numbers, the potential one is set and the current one is
// above it. A text that is no number skips the question.
bool current_above_potential(const form_controls& form) {
  const std::optional<int> current = edit_integer(form.get<QLineEdit>(current_ability_edit));
  const std::optional<int> potential = edit_integer(form.get<QLineEdit>(potential_ability_edit));
  return current && potential && *potential > 0 && *current > *potential;
}

// A Yes sends the user back to the abilities on "7. Pos".
bool wants_to_change(const char* question, form_controls& form) {
  if (message_dialog(question, message_type::warning, message_buttons::yes_no) !=
      dialog_answer::yes) {
    return false;
  }
  auto* pages = form.get<page_control>("pc_staff");
  QWidget* page = form.find(positions_page_name);
  if (pages != nullptr && page != nullptr)
    pages->set_active_page_index(pages->indexOf(page));
  return true;
}

void copy_text(form_controls& form, const char* from, const char* to) {
  auto* source = form.get<QLineEdit>(from);
  auto* target = form.get<QLineEdit>(to);
  if (source != nullptr && target != nullptr)
    target->setText(source->text());
}

qor_staff* on_screen() {
  return editor().current_staff;
}

// Digits only, with a leading minus where the field's range goes below 0.
void accept_digits_only(form_controls& form, const page_spec& page) {
  for (const control_spec& row : page.controls) {
    const bool whole_number =
        row.check == check_kind::int_range || row.check == check_kind::int_range_blank;
    auto* edit = form.get<QLineEdit>(row.name);
    if (!whole_number || edit == nullptr || (row.flags & flag_read_only) != 0)
      continue;
    const QString pattern = row.min < 0 ? QStringLiteral("-?[0-9]*") : QStringLiteral("[0-9]*");
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
  }
}

}  // namespace

bool staff_pl_current_abilityExit(QWidget* sender, form_controls& form) {
  if (!validate_field(sender))
    return false;
  if (current_above_potential(form) && wants_to_change(higher_current_question, form))
    return false;
  copy_text(form, current_ability_edit, current_ability2_edit);
  update_weighted_attributes(on_screen(), form);
  update_expected_potential_ability(on_screen(), form);
  return true;
}

bool staff_pl_potential_abilityExit(QWidget* sender, form_controls& form) {
  if (!validate_field(sender))
    return false;
  if (current_above_potential(form) && wants_to_change(lower_potential_question, form))
    return false;
  update_weighted_attributes(on_screen(), form);
  return true;
}

bool staff_pl_current_ability2Exit(QWidget* sender, form_controls& form) {
  if (!validate_field(sender))
    return false;
  copy_text(form, current_ability2_edit, current_ability_edit);
  update_weighted_attributes(on_screen(), form);
  return true;
}

bool staff_pl_rating_exit(QWidget* sender, form_controls& form) {
  if (!validate_field(sender))
    return false;
  update_pitch_position_colours(form);
  update_weighted_attributes(on_screen(), form);
  return true;
}

bool staff_pl_height_amountExit(QWidget* sender, form_controls& form) {
  if (!validate_field(sender))
    return false;
  update_weighted_attributes(on_screen(), form);
  return true;
}

bool staff_birth_exit(QWidget* sender, form_controls& form) {
  if (!validate_field(sender))
    return false;
  update_expected_potential_ability(on_screen(), form);
  return true;
}

void install_ability_views(form_controls& form, focus_tracker& focus) {
  form_views().update_weighted_attributes = [&form](qor_staff* record) {
    update_weighted_attributes(record, form);
  };
  const auto bind = [&](const char* name, exit_rule handler) {
    if (QWidget* control = form.find(name))
      focus.set_exit_handler(control, [control, handler, &form] { return handler(control, form); });
  };
  for (const named_exit& exit : exits)
    bind(exit.control, exit.handler);
  for (const char* rating : position_rating_edit_names())
    bind(rating, staff_pl_rating_exit);
  for (const weighted_attribute& attribute : weighted_attributes()) {
    const std::string name = std::string("staff_pl_") + attribute.stem + "_weighting";
    if (auto* label = form.get<QLabel>(name)) {
      QPalette grey = label->palette();
      grey.setColor(QPalette::WindowText, Qt::gray);
      label->setPalette(grey);
    }
  }
  accept_digits_only(form, positions_page());
  accept_digits_only(form, player_page());
  install_pitch_view(form);
  install_formation_view(form);
}
