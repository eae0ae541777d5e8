#include "analysis_views/analysis_context.h"

#include "platform/app_locale.h"
#include "record_form/editor_state.h"
#include "record_form/form_text.h"
#include "records/lookup.h"
#include "records/record_store.h"

survey_context current_survey_context() {
  const file_settings& file = file_data();
  // Today and the date conventions are read once per refresh, not once per record.
  const form_formats formats = current_formats();
  const date_time today = app_clock().now();
  return {file.file_club_id,
          {file.club_star_players_from, file.club_star_players_to,
           file.club_first_team_players_from, file.club_first_team_players_to},
          [formats, today](const qor_staff& staff) { return age_in_years(staff, formats, today); },
          [](std::int32_t club) { return get_club_name(club); }};
}

std::vector<int> current_staff_ages() {
  const form_formats formats = current_formats();
  const date_time today = app_clock().now();
  std::vector<int> ages;
  ages.reserve(store().staff_list.size());
  for (const auto& staff : store().staff_list)
    ages.push_back(staff ? age_in_years(*staff, formats, today) : 0);
  return ages;
}
