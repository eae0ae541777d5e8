#include "record_form/pages/page_specs.h"

#include "records/item_records.h"

namespace {

constexpr container_spec containers[] = {
    {.name = "npt_group", .kind = container_kind::group_box, .caption = "Non Player Tendencies"},
    {.name = "edit_staff_npt_panel", .kind = container_kind::panel, .parent = "npt_group"},
};

constexpr control_spec controls[] = {
    {.name = "staff_npt",
     .kind = control_kind::list_box,
     .container = "npt_group",
     .label_name = "staff_label_npt",
     .caption = "Non Player Tendencies",
     .help = "The tendencies the non-player has."},
    {.name = "staff_npt_count",
     .kind = control_kind::label,
     .container = "npt_group",
     .caption = "0 items"},
    {.name = "add_npt_btn",
     .kind = control_kind::button,
     .container = "npt_group",
     .caption = "Add"},
    {.name = "copy_npt_table_btn",
     .kind = control_kind::button,
     .container = "npt_group",
     .caption = "Copy Table"},
    {.name = "del_npt_btn",
     .kind = control_kind::button,
     .container = "npt_group",
     .caption = "Del"},
    {.name = "staff_npt_tendency",
     .kind = control_kind::combo,
     .container = "edit_staff_npt_panel",
     .label_name = "staff_npt_tendency_label",
     .caption = "Tendency",
     .binding = code_combo<&qor_staff_npt::StaffNPTTendency>,
     .choices = "npt_list",
     .help = "A tendency the non-player has."},
    {.name = "staff_npt_rating",
     .kind = control_kind::edit,
     .container = "edit_staff_npt_panel",
     .label_name = "staff_npt_rating_label",
     .caption = "Rating",
     .binding = number_field<&qor_staff_npt::StaffNPTRating>},
    {.name = "staff_npt_marked_for_deletion",
     .kind = control_kind::check_box,
     .container = "edit_staff_npt_panel",
     .label_name = "staff_npt_marked_for_deletion_label",
     .caption = "Marked For Deletion",
     .binding = flag_field<&qor_staff_npt::StaffNPTMarkedForDeletion>},
};

}  // namespace

page_spec non_player_tendencies_page() {
  return {"tabsheet_staff_npt", "13. Non Player Tendencies", containers, controls};
}
