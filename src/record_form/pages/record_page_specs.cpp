#include "record_form/pages/page_specs.h"
#include "record_form/record_pages.h"

std::span<const page_spec> record_page_specs() {
  static const page_spec pages[] = {
      personal_page(),
      contract_page(),
      config_page(),
      preferences_page(),
      traits_page(),
      coach_page(),
      positions_page(),
      player_page(),
      preferred_actions_page(),
      history_page(),
      non_player_history_page(),
      achievements_page(),
      non_player_tendencies_page(),
      long_term_career_page(),
      check_list_page(),
  };
  return pages;
}
