#include "analysis_views/analysis_context.h"

#include <memory>
#include <unordered_map>

#include "platform/app_locale.h"
#include "record_form/editor_state.h"
#include "record_form/form_text.h"
#include "records/lookup.h"
#include "records/record_store.h"

namespace {

// One pass over the club list instead of a search of it for each listed record.
std::shared_ptr<const std::unordered_map<int, std::string>> index_club_names() {
  return std::make_shared<const std::unordered_map<int, std::string>>(club_names_by_code());
}

}  // namespace

survey_context current_survey_context() {
  const file_settings& file = file_data();
  // Today and the date conventions are read once per refresh, not once per record.
  const form_formats formats = current_formats();
  const date_time today = app_clock().now();
  return {file.file_club_id,
          {file.club_star_players_from, file.club_star_players_to,
           file.club_first_team_players_from, file.club_first_team_players_to},
          [formats, today](const qor_staff& staff) { return age_in_years(staff, formats, today); },
          [names = index_club_names()](std::int32_t club) {
            const auto found = names->find(club);
            return found == names->end() ? std::string() : found->second;
          }};
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
