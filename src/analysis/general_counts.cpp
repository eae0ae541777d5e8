#include "analysis/general_counts.h"

#include <array>
#include <utility>

#include "analysis/staff_categories.h"
#include "records/record_store.h"
#include "records/staff_record.h"

namespace {

enum class line_form { plain, club, squad, ca_change, appearance };

struct category_row {
  const char* caption;  // empty for the squad rows, whose captions show the ranges
  line_form form;
};

// Indexed by staff_category.
constexpr std::array<category_row, staff_category_count> category_rows = {{
    {"Players", line_form::plain},
    {"Contracted Players", line_form::plain},
    {"Non Contracted Players", line_form::club},
    {"Non Players", line_form::plain},
    {"Contracted Non Players", line_form::plain},
    {"Non Contracted Non Players", line_form::plain},
    {"Players && Non Players", line_form::plain},
    {"Contracted Players && Non Players", line_form::plain},
    {"Non Contracted Players && Non Players", line_form::club},
    {"Players Missing Position", line_form::plain},
    {"Players Missing Current Ability", line_form::plain},
    {"Players Missing Potential Ability", line_form::plain},
    {"Players Missing Current Reputation", line_form::plain},
    {"Players Missing Home Reputation", line_form::plain},
    {"Players Missing World Reputation", line_form::plain},
    {"Players Missing Preferred Foot", line_form::plain},
    {"Players With Current Ability Increased", line_form::ca_change},
    {"Players With Current Ability Decreased", line_form::ca_change},
    {"Players Missing Appearance Details", line_form::appearance},
    {"Staff", line_form::plain},
    {"Contracted Staff", line_form::plain},
    {"Non Contracted Staff", line_form::club},
    {"Staff Missing Job For Club", line_form::plain},
    {"Staff Missing Birth Details", line_form::plain},
    {"Loan Players", line_form::club},
    {"", line_form::squad},
    {"", line_form::squad},
    {"", line_form::squad},
    {"", line_form::squad},
    {"Club Youth Players: Players with youth contracts set", line_form::squad},
}};

const category_row& row_of(staff_category category) {
  return category_rows[static_cast<std::size_t>(category)];
}

bool has_youth_contract(const qor_staff& staff) {
  return staff.StaffContractType == 5 || staff.StaffContractType == 10;
}

// The common name when set, else "second name, first name".
std::string name_part(const qor_staff& staff) {
  if (!staff.StaffCommonName.empty())
    return std::string(staff.StaffCommonName.view());
  return std::string(staff.StaffSecondName.view()) + ", " +
         std::string(staff.StaffFirstName.view());
}

std::string appearance_markers(const qor_staff& staff) {
  std::string markers;
  if (staff.StaffHairColour == 0)
    markers += "(Hair Colour)";
  if (staff.StaffSkinTone == 0)
    markers += "(Skin Tone)";
  if (staff.StaffEthnicity == 0)
    markers += "(Ethnicity)";
  return markers;
}

}  // namespace

staff_survey::staff_survey(std::span<const record_pointer<qor_staff>> staff,
                           std::span<const record_pointer<qor_staff>> originals,
                           survey_context context)
    : context_(std::move(context)) {
  original_by_id_.reserve(originals.size());
  for (const auto& original : originals) {
    if (original)
      original_by_id_.emplace(original->StaffID, original.get());
  }
  records_.reserve(staff.size());
  for (const auto& record : staff) {
    if (!record)
      continue;
    records_.push_back(
        {record.get(), original_of(*record), context_.age_of ? context_.age_of(*record) : 0});
  }
}

bool staff_survey::test(staff_category category, const facts& record) const {
  using enum staff_category;
  const qor_staff& s = *record.staff;
  const int kind = s.StaffClassification;
  const bool player = is_player(s);
  const bool contracted = is_contracted(s, context_.file_club_id);
  const int ca = s.StaffPlayerCurrentAbility;
  const squad_ranges& r = context_.ranges;
  switch (category) {
    case players:
      return kind == 2;
    case contracted_players:
      return kind == 2 && contracted;
    case non_contracted_players:
      return kind == 2 && !contracted;
    case non_players:
      return kind == 1;
    case contracted_non_players:
      return kind == 1 && contracted;
    case non_contracted_non_players:
      return kind == 1 && !contracted;
    case player_non_players:
      return kind == 3;
    case contracted_player_non_players:
      return kind == 3 && contracted;
    case non_contracted_player_non_players:
      return kind == 3 && !contracted;
    case players_missing_position:
      return player && player_has_no_position(s);
    case players_missing_ca:
      return player && ca == 0;
    case players_missing_pa:
      return player && s.StaffPlayerPotentialAbility == 0;
    case players_missing_cr:
      return player && s.StaffPlayerCurrentReputation == 0;
    case players_missing_hr:
      return player && s.StaffPlayerHomeReputation == 0;
    case players_missing_wr:
      return player && s.StaffPlayerWorldReputation == 0;
    case players_missing_preferred_foot:
      return player && s.StaffPlayerLeftFoot < 20 && s.StaffPlayerRightFoot < 20;
    case players_ca_increased:
      return record.original != nullptr && record.original->StaffPlayerCurrentAbility >= 1 &&
             record.original->StaffPlayerCurrentAbility < ca;
    case players_ca_decreased:
      return record.original != nullptr && record.original->StaffPlayerCurrentAbility > ca;
    case players_missing_appearance_details:
      return player && !appearance_markers(s).empty();
    case staff:
      return true;
    case contracted_staff:
      return contracted;
    case non_contracted_staff:
      return !contracted;
    case staff_missing_job_for_club:
      return s.StaffJobForClub == 0;
    case staff_missing_birth_details:
      return record.age == 0;
    case loan_players:
      return is_loanee(s, context_.file_club_id);
    case above_star_players:
      return player && ca > r.star_to;
    case star_players:
      return player && ca >= r.star_from && ca <= r.star_to;
    case first_team_players:
      return player && ca >= r.first_team_from && ca <= r.first_team_to;
    case other_players:
      return player && ca < r.first_team_from && !has_youth_contract(s);
    case youth_players:
      return player && has_youth_contract(s);
  }
  return false;
}

const qor_staff* staff_survey::original_of(const qor_staff& staff) const {
  const auto found = original_by_id_.find(staff.StaffID);
  return found == original_by_id_.end() ? nullptr : found->second;
}

int staff_survey::count(staff_category category) const {
  using enum staff_category;
  const squad_ranges& r = context_.ranges;
  const bool star_known = r.star_from != 0 && r.star_to != 0;
  const bool first_team_known = r.first_team_from != 0 && r.first_team_to != 0;
  switch (category) {
    case above_star_players:
      if (r.star_to == 0)
        return 0;
      break;
    case star_players:
    case youth_players:
      if (!star_known)
        return 0;
      break;
    case first_team_players:
      if (!first_team_known)
        return 0;
      break;
    case other_players:
      if (r.first_team_from == 0)
        return 0;
      break;
    default:
      break;
  }
  if (counts_.empty()) {
    // Each record is read once for all thirty categories rather than once for each.
    counts_.assign(staff_category_count, 0);
    for (const facts& record : records_) {
      for (int counted = 0; counted < staff_category_count; ++counted)
        counts_[static_cast<std::size_t>(counted)] +=
            test(static_cast<staff_category>(counted), record) ? 1 : 0;
    }
  }
  return counts_[static_cast<std::size_t>(category)];
}

std::vector<const qor_staff*> staff_survey::members(staff_category category) const {
  std::vector<const qor_staff*> found;
  for (const facts& record : records_) {
    if (test(category, record))
      found.push_back(record.staff);
  }
  return found;
}

std::string staff_survey::line_text(staff_category category, int number,
                                    const qor_staff& staff) const {
  const std::string id = std::to_string(staff.StaffID);
  std::string line = std::to_string(number) + ". " + name_part(staff);
  switch (row_of(category).form) {
    case line_form::plain:
      return line + ", " + id;
    case line_form::club: {
      const std::string club =
          context_.club_name_of ? context_.club_name_of(staff.StaffClubContracted) : "";
      return line + " (" + club + "), " + id;
    }
    case line_form::squad:
      return line + ", (CA:" + std::to_string(staff.StaffPlayerCurrentAbility) + ")";
    case line_form::ca_change: {
      const qor_staff* original = original_of(staff);
      const int old_ability = original ? original->StaffPlayerCurrentAbility : 0;
      return line + " (old:" + std::to_string(old_ability) +
             ", new:" + std::to_string(staff.StaffPlayerCurrentAbility) + ")";
    }
    case line_form::appearance:
      // Only the form without a common name puts a blank before the first marker.
      return line + ", " + id + (staff.StaffCommonName.empty() ? " " : "") +
             appearance_markers(staff);
  }
  return line;
}

std::string category_caption(staff_category category, const squad_ranges& ranges) {
  using enum staff_category;
  const auto number = [](int value) { return std::to_string(value); };
  switch (category) {
    case above_star_players:
      return "Above Star Players: " + number(ranges.star_to + 1) + "+";
    case star_players:
      return "Club Star Players: " + number(ranges.star_from) + " to " + number(ranges.star_to);
    case first_team_players:
      return "Club First Team Players: " + number(ranges.first_team_from) + " to " +
             number(ranges.first_team_to);
    case other_players:
      return "Club Other Players: " + number(ranges.first_team_from - 1) + " or less ";
    default:
      return row_of(category).caption;
  }
}
