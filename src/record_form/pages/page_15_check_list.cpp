#include "record_form/pages/page_specs.h"

namespace {

// What the record on screen still lacks. Nothing here is bound to a record field: the check
// list writes the counts and markers itself.

constexpr container_spec containers[] = {
    {.name = "check_list_personal_group",
     .kind = container_kind::group_box,
     .caption = "1. Personal"},
    {.name = "check_list_contract_group",
     .kind = container_kind::group_box,
     .caption = "2. Contract"},
    {.name = "check_list_config_group", .kind = container_kind::group_box, .caption = "3. Config"},
    {.name = "check_list_preference_group",
     .kind = container_kind::group_box,
     .caption = "4. Preference",
     .column = 1},
    {.name = "check_list_traits_group",
     .kind = container_kind::group_box,
     .caption = "5. Traits",
     .column = 1},
    {.name = "check_list_non_player_stats_group",
     .kind = container_kind::group_box,
     .caption = "6. Coach",
     .column = 1},
    {.name = "check_list_player_positions_group",
     .kind = container_kind::group_box,
     .caption = "7. Positions",
     .column = 1},
    {.name = "check_list_player_stats_group",
     .kind = container_kind::group_box,
     .caption = "8. Player Stats",
     .column = 2},
    {.name = "check_list_ppm_group",
     .kind = container_kind::group_box,
     .caption = "9. Player Preferred Actions",
     .column = 2},
    {.name = "check_list_achievements_group",
     .kind = container_kind::group_box,
     .caption = "12. Achievements",
     .column = 2},
    {.name = "check_list_npt_group",
     .kind = container_kind::group_box,
     .caption = "13. Non Player Tendencies",
     .column = 2},
    {.name = "check_list_history_group",
     .kind = container_kind::group_box,
     .caption = "10. History",
     .column = 3},
    {.name = "check_list_panel", .kind = container_kind::panel, .column = 3},
};

// A tick or a cross (17 by 17) with its caption.
constexpr control_spec marker(const char* name, const char* container, const char* label_name,
                              const char* caption) {
  return {.name = name,
          .kind = control_kind::picture,
          .container = container,
          .label_name = label_name,
          .caption = caption,
          .width = 17,
          .height = 17};
}

// A read-only count.
constexpr control_spec count(const char* name, const char* container, const char* label_name,
                             const char* caption) {
  return {.name = name,
          .kind = control_kind::edit,
          .container = container,
          .label_name = label_name,
          .caption = caption,
          .flags = flag_read_only,
          .width = 48};
}

// The button beside a count that lists the fields it counts.
constexpr control_spec list_button(const char* name, const char* container) {
  return {.name = name,
          .kind = control_kind::button,
          .container = container,
          .caption = "List",
          .help = "List these fields below; double-click a listed field to go to it.",
          .flags = flag_beside,
          .width = 40};
}

constexpr control_spec controls[] = {
    marker("dob_missing", "check_list_personal_group", "dob_missing_label", "Birth date details"),
    marker("visual_app_missing", "check_list_personal_group", "visual_app_missing_label",
           "Visual appearance"),
    marker("height_weight_missing", "check_list_personal_group", "height_weight_missing_label",
           "Height/Weight"),

    marker("date_joined_missing", "check_list_contract_group", "date_joined_missing_label",
           "Date joined"),
    marker("date_expires_missing", "check_list_contract_group", "date_expires_missing_label",
           "Contract expires"),
    marker("estimated_wage_missing", "check_list_contract_group", "estimated_wage_missing_label",
           "Estimated wage"),
    count("checklist_no_of_contract_clauses", "check_list_contract_group",
          "checklist_label_no_of_contract_clauses", "Contract clauses"),

    marker("loan_end_date_in_past", "check_list_config_group", "loan_end_date_in_past_label",
           "Loan End Date In Past"),
    marker("no_loan_sqaud_no", "check_list_config_group", "no_loan_sqaud_no_label",
           "Loan Squad Number"),
    marker("future_transfer_start_date_in_past", "check_list_config_group",
           "future_transfer_start_date_in_past_label", "Future Start Date In Past"),
    marker("pl_retirement_in_past", "check_list_config_group", "pl_retirement_in_past_label",
           "Retirement In Past"),
    marker("pl_int_retirement_in_past", "check_list_config_group",
           "pl_int_retirement_in_past_label", "Int. Retirement In Past"),
    count("checklist_no_of_injuries", "check_list_config_group", "checklist_label_no_of_injuries",
          "Injuries"),

    count("checklist_no_of_fav_staff", "check_list_preference_group",
          "checklist_label_no_of_fav_staff", "Favourite staff"),
    count("checklist_no_of_dis_staff", "check_list_preference_group",
          "checklist_label_no_of_dis_staff", "Disliked staff"),
    count("checklist_no_of_fav_club", "check_list_preference_group",
          "checklist_label_no_of_fav_club", "Favourite clubs"),
    count("checklist_no_of_dis_club", "check_list_preference_group",
          "checklist_label_no_of_dis_club", "Disliked clubs"),

    count("checklist_no_of_mssing_mental", "check_list_traits_group",
          "checklist_label_no_of_mssing_mental", "Missing traits"),
    list_button("chklist_mental_btn", "check_list_traits_group"),

    count("checklist_no_of_missing_np_general", "check_list_non_player_stats_group",
          "checklist_label_no_of_missing_np_general", "Missing general"),
    list_button("chklist_np_gen_btn", "check_list_non_player_stats_group"),
    count("checklist_no_of_missing_np_coach", "check_list_non_player_stats_group",
          "checklist_label_no_of_missing_np_coach", "Missing coaching"),
    list_button("chklist_np_coach_btn", "check_list_non_player_stats_group"),
    count("checklist_no_of_missing_np_tactical", "check_list_non_player_stats_group",
          "checklist_label_no_of_missing_np_tactical", "Missing tactical"),
    list_button("chklist_np_tact_btn", "check_list_non_player_stats_group"),
    count("checklist_no_of_missing_np_non_tactical", "check_list_non_player_stats_group",
          "checklist_label_no_of_missing_np_non_tactical", "Missing non-tactical"),
    list_button("chklist_np_non_tact_btn", "check_list_non_player_stats_group"),

    count("checklist_filled_in_pos", "check_list_player_positions_group",
          "checklist_label_filled_in_pos", "Filled in"),
    list_button("chklist_pl_pos_btn", "check_list_player_positions_group"),

    count("checklist_no_of_mssing_technical", "check_list_player_stats_group",
          "checklist_label_no_of_mssing_technical", "Missing technical"),
    list_button("chklist_tech_btn", "check_list_player_stats_group"),
    count("checklist_no_of_mssing_mental_atrib", "check_list_player_stats_group",
          "checklist_label_no_of_mssing_mental_atrib", "Missing mental"),
    list_button("chklist_ment_btn", "check_list_player_stats_group"),
    count("checklist_no_of_mssing_physical", "check_list_player_stats_group",
          "checklist_label_no_of_mssing_physical", "Missing physical"),
    list_button("chklist_phys_btn", "check_list_player_stats_group"),
    count("checklist_no_of_mssing_gk", "check_list_player_stats_group",
          "checklist_label_no_of_mssing_gk", "Missing goalkeeping"),
    list_button("chklist_gk_btn", "check_list_player_stats_group"),
    marker("footedness_missing", "check_list_player_stats_group", "footedness_missing_label",
           "Footedness"),

    count("checklist_no_of_ppms", "check_list_ppm_group", "checklist_label_no_of_ppms", "PPMs"),
    marker("no_of_ppms", "check_list_ppm_group", "no_of_ppms_label", "5 PPMs at most"),

    marker("hist_missing", "check_list_history_group", "hist_missing_label", "History complete"),
    {.name = "missing_history_entries_lb",
     .kind = control_kind::list_box,
     .container = "check_list_history_group",
     .label_name = "missing_history_entries_label",
     .caption = "Missing Entries",
     .width = 80,
     .height = 100},

    count("checklist_no_of_achievements", "check_list_achievements_group",
          "checklist_label_no_of_achievements", "Achievements"),

    count("checklist_no_of_npts", "check_list_npt_group", "checklist_label_no_of_npts",
          "Tendencies"),

    {.name = "check_list_lb",
     .kind = control_kind::list_box,
     .container = "check_list_panel",
     .help = "Double-click a field to go to it.",
     .width = 200},
    {.name = "Button1",
     .kind = control_kind::button,
     .container = "check_list_panel",
     .caption = "Copy List",
     .width = 80},
};

}  // namespace

page_spec check_list_page() {
  return {"TabSheet1", "15. Check List", containers, controls};
}
