#pragma once

#include <string>
#include <vector>

// The lookup files of the data folder, each held as its lines. Filled once at start-up by the
// window and read-only afterwards.
struct lookup_lists {
  std::vector<std::string> club_list;
  std::vector<std::string> city_list;
  std::vector<std::string> region_list;
  std::vector<std::string> currency_list;
  std::vector<std::string> retirement_type_list;
  std::vector<std::string> injury_list;
  std::vector<std::string> skin_colour_list;
  std::vector<std::string> club_comps_list;
  std::vector<std::string> nation_comps_list;
  std::vector<std::string> club_div_rep_q;
  std::vector<std::string> ppm_list;
  std::vector<std::string> npt_list;
  std::vector<std::string> contract_clauses_type_list;
  std::vector<std::string> formation_list;
  std::vector<std::string> jobs_list;
  std::vector<std::string> staff_jobs_list;
  std::vector<std::string> favourite_club_reason_list;
  std::vector<std::string> favourite_staff_reason_list;
  std::vector<std::string> unavailability_type_list;
  std::vector<std::string> stage_names_list;
  std::vector<std::string> staff_draft_types_list;
  std::vector<std::string> staff_history_draft_types_list;
  // These two feed only drop-down lists, but keeping them here lets the engine name a nation or
  // a language by its code as well.
  std::vector<std::string> nation_list;
  std::vector<std::string> language_list;
};

// The one set of lookup lists of the program.
lookup_lists& lookups();
