#include "record_form/item_details.h"

#include <QComboBox>
#include <array>
#include <optional>
#include <string_view>

#include "record_form/control_binding.h"
#include "record_form/dependent_controls.h"
#include "record_form/field_validation_checks.h"
#include "record_form/form_controls.h"
#include "record_form/record_binding.h"
#include "record_form/record_pages.h"
#include "records/item_records.h"

namespace {

// In item_kind order.
constexpr std::array<const char*, item_kind_count> panel_names = {
    "edit_staff_favourite_staff_panel",
    "edit_staff_disliked_staff_panel",
    "edit_staff_favourite_club_panel",
    "edit_staff_disliked_club_panel",
    "edit_staff_history_panel",
    "edit_staff_language_panel",
    "edit_staff_ppm_panel",
    "edit_staff_non_player_history_panel",
    "edit_staff_injury_panel",
    "edit_staff_job_panel",
    "edit_staff_contract_clauses_panel",
    "edit_staff_achievements_panel",
    "edit_staff_npt_panel",
    "edit_staff_days_at_club_nation_panel",
    "edit_staff_retirement_panel",
    "edit_staff_unavailability_panel",
    "edit_staff_long_term_career_panel",
};

// The type combo lists the types from 1 up; type 0 (not set) and 6 share the sixth entry.
void fill_language_type(const qor_staff_language& item, form_controls& form) {
  auto* combo = form.get<QComboBox>("staff_language_type");
  if (combo == nullptr)
    return;
  const long long type = item.StaffLanguagesType;
  // Types 1 to 6 stand at positions 0 to 5; anything else, 0 included, is "Not Set" (position
  // 6), so an unset level is never shown, and then stored, as "Never".
  constexpr long long not_set_position = 6;
  const long long position = (type >= 1 && type <= 6) ? type - 1 : not_set_position;
  fill_control_by_index(combo, position, text_value_tag);
}

// Promotion or relegation is kept as the text of its position ("0" not set, "1", "2"); a text
// that names no position shows "Not set" as a stand-in.
void fill_promotion_or_relegation(const qor_staff_achievements& item, form_controls& form) {
  auto* combo = form.get<QComboBox>("staff_achievements_promotion_or_relegation");
  if (combo == nullptr)
    return;
  const std::optional<long long> position =
      read_whole_number(item.StaffAchievementsPromotionOrRelegation.view());
  fill_control_by_index(combo, position.value_or(-1), text_value_tag);
}

// What a kind shows beyond its bound controls: the language type, promotion or relegation, and
// the panel controls that the shown career or non-player history entry leaves open.
void show_kind_specifics(item_kind kind, const void* item, form_controls& form) {
  switch (kind) {
    case item_kind::language:
      fill_language_type(*static_cast<const qor_staff_language*>(item), form);
      break;
    case item_kind::achievements:
      fill_promotion_or_relegation(*static_cast<const qor_staff_achievements*>(item), form);
      break;
    case item_kind::non_player_history:
      enable_non_player_history_controls(static_cast<const qor_staff_non_player_history*>(item),
                                         form);
      break;
    case item_kind::long_term_career:
      enable_long_term_career_controls(static_cast<const qor_staff_long_term_career*>(item), form);
      break;
    default:
      break;
  }
}

}  // namespace

const char* item_panel_name(item_kind kind) {
  return panel_names[static_cast<std::size_t>(kind)];
}

void fill_item_panel(item_kind kind, const void* owner, const void* item, form_controls& form) {
  bool& filling = editor().filling_controls;
  const bool was_filling = filling;
  filling = true;
  const std::string_view panel = item_panel_name(kind);
  const form_formats formats = current_formats();
  for (const page_spec& page : record_page_specs()) {
    for (const control_spec& row : page.controls) {
      if (row.container == nullptr || panel != row.container || row.binding.field.owner != owner)
        continue;
      fill_bound_control(row, form.find(row.name), item, formats);
    }
  }
  show_kind_specifics(kind, item, form);
  filling = was_filling;
}
