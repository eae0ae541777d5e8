#pragma once

#include "record_form/page_table.h"

// One table per record page of pc_staff, in tab order; record_page_specs() lists them.
page_spec personal_page();
page_spec contract_page();
page_spec config_page();
page_spec preferences_page();
page_spec traits_page();
page_spec coach_page();
page_spec positions_page();
page_spec player_page();
page_spec preferred_actions_page();
page_spec history_page();
page_spec non_player_history_page();
page_spec achievements_page();
page_spec non_player_tendencies_page();
page_spec long_term_career_page();
page_spec check_list_page();

// The controls of the staff tab around the record pages: the name line and staff id above
// them, and the sort panel at the foot (Panel1). Laid out by the main window, not a tab.
page_spec staff_tab_page();
