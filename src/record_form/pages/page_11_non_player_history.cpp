#include "record_form/pages/page_specs.h"

#include "records/item_records.h"

namespace {

constexpr container_spec containers[] = {
    {.name = "non_player_history_group",
     .kind = container_kind::group_box,
     .caption = "Non-Player History"},
    {.name = "edit_staff_non_player_history_panel",
     .kind = container_kind::panel,
     .parent = "non_player_history_group",
     .grid_columns = 2},
};

constexpr control_spec controls[] = {
    {.name = "staff_non_player_history_string_grid",
     .kind = control_kind::string_grid,
     .container = "non_player_history_group",
     .label_name = "staff_label_non_player_history",
     .caption = "Non-Player History",
     .width = 480},
    {.name = "staff_non_player_history_count",
     .kind = control_kind::label,
     .container = "non_player_history_group",
     .caption = "0 of 0 items"},
    {.name = "delete_non_player_history_btn",
     .kind = control_kind::button,
     .container = "non_player_history_group",
     .caption = "Del"},
    {.name = "staff_non_player_history_club",
     .kind = control_kind::combo,
     .container = "edit_staff_non_player_history_panel",
     .label_name = "staff_non_player_history_club_label",
     .caption = "Club",
     .binding = club_combo<&qor_staff_non_player_history::StaffNonPlayerHistoryClubContracted>,
     .choices = "club_list",
     .help = "The club he worked for."},
    {.name = "find_staff_non_player_history_club_btn",
     .kind = control_kind::button,
     .container = "edit_staff_non_player_history_panel",
     .caption = "Find Club"},
    {.name = "staff_non_player_history_nation",
     .kind = control_kind::combo,
     .container = "edit_staff_non_player_history_panel",
     .label_name = "staff_non_player_history_nation_label",
     .caption = "Nation",
     .binding = name_combo<&qor_staff_non_player_history::StaffNonPlayerHistoryNationContracted>,
     .choices = "nation_list",
     .help = "The nation he worked for."},
    {.name = "staff_non_player_history_job_for_club",
     .kind = control_kind::combo,
     .container = "edit_staff_non_player_history_panel",
     .label_name = "staff_non_player_history_job_for_club_label",
     .caption = "Job",
     .binding = code_combo<&qor_staff_non_player_history::StaffNonPlayerHistoryJobForClub>,
     .choices = "jobs_list",
     .help = "The job he did there."},
    {.name = "staff_non_player_history_date_joined",
     .kind = control_kind::date_edit,
     .container = "edit_staff_non_player_history_panel",
     .label_name = "staff_non_player_history_date_joined_label",
     .caption = "Date Joined",
     .binding = date_field<&qor_staff_non_player_history::StaffNonPlayerHistoryDateJoined>,
     .help = "The date he joined the club or nation."},
    {.name = "staff_non_player_history_date_departed",
     .kind = control_kind::date_edit,
     .container = "edit_staff_non_player_history_panel",
     .label_name = "staff_non_player_history_date_departed_label",
     .caption = "Date Departed",
     .binding = date_field<&qor_staff_non_player_history::StaffNonPlayerHistoryDateDeparted>,
     .help = "The date he left the club or nation."},
    {.name = "staff_non_player_history_marked_for_deletion",
     .kind = control_kind::check_box,
     .container = "edit_staff_non_player_history_panel",
     .label_name = "staff_non_player_history_marked_for_deletion_label",
     .caption = "Marked For Deletion",
     .binding = flag_field<&qor_staff_non_player_history::StaffNonPlayerHistoryMarkedForDeletion>},
};

}  // namespace

page_spec non_player_history_page() {
  return {"tabsheet_staff_np_histories", "&11. NP History", containers, controls};
}
