#include "record_form/pages/page_specs.h"
#include "record_form/pages/row_makers.h"

#include "records/staff_record.h"

namespace {

constexpr container_spec containers[] = {
    {.name = "gb_mental_traits",
     .kind = container_kind::group_box,
     .caption = "Staff mental traits"},
    // Below the traits, in columns of its own.
    {.name = "traits_average_panel", .kind = container_kind::panel, .parent = "gb_mental_traits"},
};

constexpr control_spec controls[] = {
    attribute_edit(
        "staff_adaptability", "gb_mental_traits", "staff_label_adaptability", "Adaptability",
        number_field<&qor_staff::StaffAdaptability>,
        "How easily he settles in another country. 20 = settles anywhere, 1 = never settles."),
    attribute_edit("staff_ambition", "gb_mental_traits", "staff_label_ambition", "Ambition",
                   number_field<&qor_staff::StaffAmbition>,
                   "How ambitious he is. 20 = extremely ambitious, 1 = no ambition."),
    attribute_edit(
        "staff_determination", "gb_mental_traits", "staff_label_determination", "Determination",
        number_field<&qor_staff::StaffDetermination>,
        "How determined he is to succeed. 20 = extremely determined, 1 = gives up easily."),
    attribute_edit("staff_loyalty", "gb_mental_traits", "staff_label_loyalty", "Loyalty",
                   number_field<&qor_staff::StaffLoyalty>,
                   "How loyal he is to his club. 20 = extremely loyal, 1 = no loyalty."),
    attribute_edit(
        "staff_pressure", "gb_mental_traits", "staff_label_pressure", "Pressure",
        number_field<&qor_staff::StaffPressure>,
        "How well he copes with pressure. 20 = thrives under pressure, 1 = cracks easily."),
    attribute_edit("staff_professionalism", "gb_mental_traits", "staff_label_professionalism",
                   "Professionalism", number_field<&qor_staff::StaffProfessionalism>,
                   "How professional he is. 20 = model professional, 1 = very unprofessional."),
    attribute_edit("staff_sportsmanship", "gb_mental_traits", "staff_label_sportsmanship",
                   "Sportsmanship", number_field<&qor_staff::StaffSportsmanship>,
                   "How sporting he is. 20 = extremely sporting, 1 = very unsporting."),
    attribute_edit(
        "staff_temperament", "gb_mental_traits", "staff_label_temperament", "Temperament",
        number_field<&qor_staff::StaffTemperament>,
        "How well he keeps his temper. 20 = never loses his temper, 1 = very hot-headed."),
    attribute_edit("staff_controversy", "gb_mental_traits", "staff_label_controversy",
                   "Controversy", number_field<&qor_staff::StaffControversy>,
                   "How controversial he is in public. 20 = extremely controversial, 1 = never "
                   "controversial."),
    mean_caption("avg_mental_traits_caption", "traits_average_panel", "Average"),
    mean_label("avg_mental_traits", "traits_average_panel"),
    step_button("staff_ment_inc", "traits_average_panel", "+1"),
    step_button("staff_ment_dec", "traits_average_panel", "-1", flag_beside),
};

}  // namespace

page_spec traits_page() {
  return {"tabsheet_staff_stats", "&5. Traits", containers, controls};
}
