#include "record_form/pages/page_specs.h"

#include "records/item_records.h"

namespace {

constexpr container_spec containers[] = {
    {.name = "ppm_group", .kind = container_kind::group_box, .caption = "Player Preferred Actions"},
    {.name = "edit_staff_ppm_panel", .kind = container_kind::panel, .parent = "ppm_group"},
};

constexpr control_spec controls[] = {
    {.name = "staff_ppm",
     .kind = control_kind::list_box,
     .container = "ppm_group",
     .label_name = "staff_label_ppm",
     .caption = "Player Preferred Actions",
     .help = "The moves the player likes to make on the pitch."},
    {.name = "staff_ppm_count",
     .kind = control_kind::label,
     .container = "ppm_group",
     .caption = "0 items"},
    {.name = "copy_ppm_table_btn",
     .kind = control_kind::button,
     .container = "ppm_group",
     .caption = "Copy Table"},
    {.name = "add_ppm_btn",
     .kind = control_kind::button,
     .container = "ppm_group",
     .caption = "Add"},
    {.name = "del_ppm_btn",
     .kind = control_kind::button,
     .container = "ppm_group",
     .caption = "Del"},
    {.name = "staff_ppm_move",
     .kind = control_kind::combo,
     .container = "edit_staff_ppm_panel",
     .label_name = "staff_ppm_move_label",
     .caption = "Action",
     .binding = code_combo<&qor_staff_ppm::StaffPPMPrefferedMove>,
     .choices = "ppm_list",
     .help = "A move the player likes to make on the pitch."},
    {.name = "staff_ppm_marked_for_deletion",
     .kind = control_kind::check_box,
     .container = "edit_staff_ppm_panel",
     .label_name = "staff_ppm_marked_for_deletion_label",
     .caption = "Marked For Deletion",
     .binding = flag_field<&qor_staff_ppm::StaffPPMMarkedForDeletion>},
};

}  // namespace

page_spec preferred_actions_page() {
  return {"tabsheet_staff_pl_ppms", "&9. Player Preferred Actions", containers, controls};
}
