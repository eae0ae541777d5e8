#include "record_form/pages/page_specs.h"
#include "records/staff_record.h"

namespace {

constexpr container_spec containers[] = {
    {.name = "staff_id_line", .kind = container_kind::panel},
    {.name = "Panel1", .kind = container_kind::panel, .grid_columns = 3},
};

constexpr control_spec controls[] = {
    {.name = "staff_id",
     .kind = control_kind::edit,
     .container = "staff_id_line",
     .label_name = "staff_label_id",
     .caption = "Staff ID",
     .binding = number_field<&qor_staff::StaffID>,
     .help = "The staff id number (Read Only).",
     .flags = flag_read_only | flag_fill_only,
     .width = 70},
    // The name line: the id, then ":ID - " and the name.
    {.name = "staff_id_label",
     .kind = control_kind::label,
     .container = "staff_id_line",
     .caption = ":ID - ",
     .flags = flag_beside},
    {.name = "sort_by_attribute",
     .kind = control_kind::combo,
     .container = "Panel1",
     .label_name = "sort_by_field_label",
     .caption = "Field variable",
     .choices = "sort_attribute",
     .help = "The field you wish to sort by"},
    {.name = "Label3", .kind = control_kind::label, .container = "Panel1", .caption = "Order"},
    {.name = "sort_asc_btn",
     .kind = control_kind::button,
     .container = "Panel1",
     .caption = "Ascending",
     .help = "Sorts in ascending order."},
    {.name = "sort_desc_btn",
     .kind = control_kind::button,
     .container = "Panel1",
     .caption = "Descending",
     .help = "Sorts in descending order."},
    {.name = "Label2",
     .kind = control_kind::label,
     .container = "Panel1",
     .caption = "Currently sorted by:"},
    {.name = "currently_sorted_by_label",
     .kind = control_kind::label,
     .container = "Panel1",
     .caption = "\"\""},
};

}  // namespace

page_spec staff_tab_page() {
  return {"staff_tab", "Staff", containers, controls};
}
