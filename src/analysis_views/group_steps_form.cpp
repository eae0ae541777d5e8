#include "analysis_views/group_steps_form.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <optional>

#include "ability_views/weighted_attributes.h"
#include "analysis_views/group_means_form.h"
#include "platform/event_bindings.h"
#include "platform/focus_tracker.h"
#include "platform/win1252.h"
#include "record_form/edit_integers.h"
#include "record_form/editor_state.h"
#include "record_form/field_validation.h"
#include "record_form/form_controls.h"
#include "record_form/page_table.h"

namespace {

struct step_button {
  const char* name;
  step_set set;
  int step;
};

constexpr step_button step_buttons[] = {
    {"staff_ment_inc", step_set::traits, +1},      {"staff_ment_dec", step_set::traits, -1},
    {"staff_np_inc_1", step_set::non_player, +1},  {"staff_np_dec_1", step_set::non_player, -1},
    {"staff_pl_inc_1_1", step_set::positions, +1}, {"staff_pl_dec_1_1", step_set::positions, -1},
    {"staff_pl_inc_1_2", step_set::player, +1},    {"staff_pl_dec_1_2", step_set::player, -1},
};

struct select_all_button {
  const char* name;
  step_set set;
};

constexpr select_all_button select_all_buttons[] = {
    {"staff_np_inc_dec_all_button", step_set::non_player},
    {"staff_pl_inc_dec_all_button", step_set::player},
};

// The player step buttons' keyword filters; ticking one unticks the other.
struct keyword_filter {
  const char* box;
  const char* other;
  attribute_kind kind;
};

constexpr keyword_filter keyword_filters[] = {
    {"abs_filter_tb", "rel_filter_tb", attribute_kind::absolute},
    {"rel_filter_tb", "abs_filter_tb", attribute_kind::relative},
};

struct control_hint {
  const char* control;
  const char* hint;
};

constexpr control_hint hints[] = {
    {"staff_pl_inc_1_2", "increase selected stats"},
    {"staff_pl_dec_1_2", "decrease selected stats"},
    {"staff_pl_inc_dec_all_button", "Select all goups to for increment/decrement"},
    {"abs_filter_tb", "Only increase/decrease absolute stats"},
    {"rel_filter_tb", "Only increase/decrease relative stats"},
};

// The player attributes feed the weighted view, which commits the form as it refreshes.
bool ends_in_weighted_view(step_set set) {
  return set == step_set::player;
}

void refresh_weighted_view(form_controls& form) {
  update_weighted_attributes(editor().current_staff, form);
}

std::uint32_t groups_of(step_set set) {
  std::uint32_t groups = 0;
  for (const attribute_group_spec& group : attribute_group_specs()) {
    if (group.steps == set)
      groups |= group_bit(group.group);
  }
  return groups;
}

std::uint32_t groups_with_a_mean() {
  std::uint32_t groups = 0;
  for (const group_mean_spec& mean : group_mean_specs())
    groups |= mean.groups;
  return groups;
}

// The first ticked filter wins; none ticked (or not the player set): every kind.
std::optional<attribute_kind> kind_filter(step_set set, const form_controls& form) {
  if (set != step_set::player)
    return std::nullopt;
  for (const keyword_filter& filter : keyword_filters) {
    if (is_ticked(form, filter.box))
      return filter.kind;
  }
  return std::nullopt;
}

bool takes_part(const attribute_member& member, step_set set, std::optional<attribute_kind> kind,
                const form_controls& form) {
  const attribute_group_spec& group = group_spec_of(member.group);
  if (group.steps != set || member.inverted)
    return false;
  if (group.selection_box != nullptr && !is_ticked(form, group.selection_box))
    return false;
  return !kind || member.kind == *kind;
}

bool attribute_exit(QWidget* sender, const attribute_member& member, form_controls& form) {
  if (!validate_field(sender))
    return false;
  calculate_group_means(form, group_bit(member.group), member.kind);
  if (ends_in_weighted_view(group_spec_of(member.group).steps))
    refresh_weighted_view(form);
  return true;
}

void bind_attribute_exits(form_controls& form, focus_tracker& focus) {
  const std::uint32_t counted = groups_with_a_mean();
  const attribute_edits& members = attribute_edits_of(form);
  for (std::size_t index = 0; index < members.edits.size(); ++index) {
    const attribute_member& member = attribute_members()[index];
    QLineEdit* edit = members.edits[index];
    if (edit == nullptr || (counted & group_bit(member.group)) == 0)
      continue;
    focus.set_exit_handler(edit,
                           [edit, &member, &form] { return attribute_exit(edit, member, form); });
  }
}

void bind_buttons(form_controls& form) {
  for (const step_button& button : step_buttons) {
    if (auto* control = form.get<QAbstractButton>(button.name))
      on_button_click(control,
                      [&form, button] { step_attribute_groups(button.set, button.step, form); });
  }
  for (const select_all_button& button : select_all_buttons) {
    if (auto* control = form.get<QAbstractButton>(button.name))
      on_button_click(control, [&form, set = button.set] { select_all_groups(set, form); });
  }
  for (const keyword_filter& filter : keyword_filters) {
    auto* box = form.get<QCheckBox>(filter.box);
    auto* other = form.get<QCheckBox>(filter.other);
    if (box == nullptr || other == nullptr)
      continue;
    on_check_click(box, [box, other] {
      if (box->isChecked())
        other->setChecked(false);
    });
  }
  for (const control_hint& hint : hints) {
    if (QWidget* control = form.find(hint.control))
      control->setToolTip(from_win1252(hint.hint));
  }
}

}  // namespace

void step_attribute_groups(step_set set, int step, form_controls& form) {
  const std::optional<attribute_kind> kind = kind_filter(set, form);
  const attribute_edits& members = attribute_edits_of(form);
  for (std::size_t index = 0; index < members.edits.size(); ++index) {
    QLineEdit* edit = members.edits[index];
    const control_spec* row = members.rows[index];
    if (edit == nullptr || row == nullptr ||
        !takes_part(attribute_members()[index], set, kind, form))
      continue;
    const int value = edit_integer_or_zero(edit);
    const int stepped = stepped_value(value, step, row->max);
    if (stepped != value)
      edit->setText(QString::number(stepped));
  }
  calculate_group_means(form, groups_of(set));
  if (ends_in_weighted_view(set))
    refresh_weighted_view(form);
}

void select_all_groups(step_set set, form_controls& form) {
  for (const attribute_group_spec& group : attribute_group_specs()) {
    if (group.steps != set || !group.select_all || group.selection_box == nullptr)
      continue;
    if (auto* box = form.get<QAbstractButton>(group.selection_box))
      box->setChecked(true);
  }
}

void install_attribute_groups(form_controls& form, focus_tracker& focus) {
  bind_attribute_exits(form, focus);
  bind_buttons(form);
  paint_mean_bars(form);
  calculate_all_group_means(form);
}
