#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "records/record_pointer.h"

struct qor_staff;

// The thirty categories of the general counts, in the page's order.
enum class staff_category {
  players,
  contracted_players,
  non_contracted_players,
  non_players,
  contracted_non_players,
  non_contracted_non_players,
  player_non_players,
  contracted_player_non_players,
  non_contracted_player_non_players,
  players_missing_position,
  players_missing_ca,
  players_missing_pa,
  players_missing_cr,
  players_missing_hr,
  players_missing_wr,
  players_missing_preferred_foot,
  players_ca_increased,
  players_ca_decreased,
  players_missing_appearance_details,
  staff,
  contracted_staff,
  non_contracted_staff,
  staff_missing_job_for_club,
  staff_missing_birth_details,
  loan_players,
  above_star_players,
  star_players,
  first_team_players,
  other_players,
  youth_players,
};

inline constexpr int staff_category_count = 30;

// The current-ability ranges of the file's club; 0 where the club list gave none.
struct squad_ranges {
  int star_from = 0;
  int star_to = 0;
  int first_team_from = 0;
  int first_team_to = 0;
};

// What the categories need beyond the records.
struct survey_context {
  std::int32_t file_club_id = 0;
  squad_ranges ranges;
  std::function<int(const qor_staff&)> age_of;  // whole years; 0 when birth details are missing
  std::function<std::string(std::int32_t)> club_name_of;
};

// The staff as they are now, with each record's age and original worked out once, so that
// every count is one cheap pass.
class staff_survey {
 public:
  staff_survey(std::span<const record_pointer<qor_staff>> staff,
               std::span<const record_pointer<qor_staff>> originals, survey_context context);

  // The count the page shows: the squad categories count nothing while the ranges they need
  // are not known. The first count counts every category, in one pass over the records.
  int count(staff_category category) const;

  // The members in the vector's order, whatever the ranges.
  std::vector<const qor_staff*> members(staff_category category) const;

  // The line of the category's list for its `number`th member (counted from 1).
  std::string line_text(staff_category category, int number, const qor_staff& staff) const;

 private:
  struct facts {
    const qor_staff* staff;
    const qor_staff* original;
    int age;
  };
  bool test(staff_category category, const facts& record) const;
  const qor_staff* original_of(const qor_staff& staff) const;

  // Built once: finding each original by a search would cost the square of the staff count.
  std::unordered_map<std::int32_t, const qor_staff*> original_by_id_;
  std::vector<facts> records_;
  survey_context context_;
  // Every category's members counted, by category; empty until the first count.
  mutable std::vector<int> counts_;
};

// The caption the list gets when its category is viewed; the squad captions show the ranges.
std::string category_caption(staff_category category, const squad_ranges& ranges);
