#pragma once

#include <cstdint>
#include <span>

#include "record_form/field_ref.h"

// Every record page is declared once as a table: its containers and its controls, each control
// with its caption, record field, binding, range and help text. The builder lays the page out
// from it; display, commit, validation, help texts and change highlighting all read the same
// rows. Page files write the rows with designated initialisers, e.g.
//
//   {.name = "staff_pl_pace", .kind = control_kind::edit, .container = "group_staff_pl_physical",
//    .label_name = "staff_label_pl_pace", .caption = "Pace",
//    .binding = number_field<&qor_staff::StaffPlayerPace>, .check = check_kind::int_range,
//    .min = 1, .max = 20, .help = "How fast the player is ..."},

enum class control_kind : std::uint8_t {
  edit,         // QLineEdit
  date_edit,    // QLineEdit with the date mask of the locale's order
  combo,        // QComboBox on the shared model named by `choices`
  check_box,    // QCheckBox, `caption` is its own text
  label,        // QLabel showing a value or a plain text (`caption`)
  button,       // QPushButton, `caption` is its own text
  list_box,     // QListWidget; filled by the item lists
  string_grid,  // QTableWidget; filled by the item lists
  memo,         // QPlainTextEdit
  picture,      // QLabel holding a pixmap
  shape,        // a drawn rectangle or circle (platform shape)
};

enum class container_kind : std::uint8_t {
  tab_widget,  // an inner QTabWidget; its pages are sub_page containers naming it as parent
  sub_page,    // a page of an inner tab widget (caption = tab text)
  group_box,   // QGroupBox (caption = title)
  panel,       // a frame without caption
  canvas,      // a frame of fixed size whose controls stand where their rows place them
  frame,       // an outline of fixed size (width x height) round a picture
};

// A container inside a record page. `parent` null means the page itself. Within its parent a
// container goes into column `column` (0-based) below the parent's own controls; containers of
// one column stack in table order. Its own controls fill `grid_columns` label+control column
// pairs, top to bottom, then the next column (so an attribute list wraps into columns).
struct container_spec {
  const char* name = nullptr;  // object name
  container_kind kind = container_kind::panel;
  const char* parent = nullptr;
  const char* caption = nullptr;  // tab text or group box title; Windows-1252
  int column = 0;
  int grid_columns = 1;
  bool hidden = false;  // kept in the form but not shown (the single-injury controls)
  int width = 0;        // a canvas's or a frame's size in pixels
  int height = 0;
};

// How a control's value meets its record field. The field width (8, 16, 32 bits; float or
// double; text capacity) comes from the field itself.
enum class binding_kind : std::uint8_t {
  none,                // no field: captions, buttons, computed displays, item lists
  text,                // edit text <-> text field; companion: the number kept beside the text
  money_text,          // money edit <-> amount text; companion: the 32-bit amount beside it
  money_number,        // money edit <-> 32-bit amount
  date_text,           // date edit <-> date text ("0/0/0" or empty shows the no-date text)
  number,              // edit <-> integer field (Tag -99: the text; other Tag: the Tag itself)
  decimal,             // edit <-> float or double, "%3.2lf" under the locale's decimal separator
  flag,                // check box <-> "True"/"False" (ticked when the text is "true" in any case)
  name_combo,          // combo item text <-> text field (nations); companion: index field
  club_combo,          // combo index <-> club id through club_list; companion: index field
  code_combo,          // combo item "Name; code" <-> code; item 0 stands for not set (0)
  code_combo_tagged,   // as code_combo, but a combo whose Tag is -10 stores its index itself
  list_code_combo,     // code through the combo's lookup list; companion: index field
  index_combo,         // ItemIndex <-> number; a value that selects nothing shows item 0
  index_combo_direct,  // ItemIndex <-> number; a value that selects nothing shows no item
};

struct field_binding {
  binding_kind kind = binding_kind::none;
  field_ref field;      // the field shown and committed
  field_ref companion;  // number beside a text, or index field beside a combo; may be unbound
};

// Field validation when the control is left (before the value can reach the record).
enum class check_kind : std::uint8_t {
  none,
  int_range,        // whole number min..max, empty refused
  int_range_blank,  // the same, empty accepted
  float_range,      // decimal min..max, empty refused
  date_range,       // no-date text, or a date min..max written as yyyymmdd
  staff_id,         // whole number 0 or above
  year_of_birth,    // 0, or a year min..max
};

// Row flags.
enum control_flag : std::uint8_t {
  flag_read_only = 1,  // shown, never typed into
  flag_fill_only = 2,  // filled from its field but never committed (a second view of a field)
  flag_hidden = 4,     // kept in the form but not shown
  flag_money = 8,      // a money edit: at most 9 digits, thousands separators at rest
  flag_beside = 16,    // laid out on the line of the row before it, to its right
  // A bar the program sizes as it runs: the layout keeps `width` pixels for it, the bar at their
  // left, so its columns stay where they are whatever it shows.
  flag_track = 32,
};

struct control_spec {
  const char* name = nullptr;  // object name, as the program names the control
  control_kind kind = control_kind::edit;
  const char* container = nullptr;   // container_spec name; null for the page itself
  const char* label_name = nullptr;  // caption label's object name; null for none
  const char* caption = nullptr;     // label text, or own text of a check box or button; Win-1252
  field_binding binding = {};
  const char* choices = nullptr;  // shared choice list of a combo: "club_list", "classification"
  check_kind check = check_kind::none;
  int min = 0;
  int max = 0;
  const char* help = nullptr;  // status-bar help text shown on focus; Windows-1252
  std::uint8_t flags = 0;
  int width = 0;   // preferred control width in pixels; 0 lets the builder choose by kind
  int height = 0;  // fixed control height in pixels (pictures); 0 lets the builder choose
  // In a canvas: the control's place; its caption label, if any, stands just above it. Later
  // rows lie over earlier ones.
  int left = 0;
  int top = 0;
};

// One record page of pc_staff. Controls are listed in the order they are filled and committed.
struct page_spec {
  const char* name = nullptr;                  // tab page object name, e.g. "tabsheet_staff_pl1"
  const char* caption = nullptr;               // tab text, e.g. "&8. Player"
  std::span<const container_spec> containers;  // parents before their children
  std::span<const control_spec> controls;
};

// Bindings by kind, to keep the rows short: number_field<&qor_staff::StaffPlayerPace>.
template <auto Field, auto Number = nullptr>
inline constexpr field_binding text_field{binding_kind::text, field<Field>(), field<Number>()};
template <auto Text, auto Amount = nullptr>
inline constexpr field_binding money_text_field{binding_kind::money_text, field<Text>(),
                                                field<Amount>()};
template <auto Field>
inline constexpr field_binding money_field{binding_kind::money_number, field<Field>(), {}};
template <auto Field>
inline constexpr field_binding date_field{binding_kind::date_text, field<Field>(), {}};
template <auto Field>
inline constexpr field_binding number_field{binding_kind::number, field<Field>(), {}};
template <auto Field>
inline constexpr field_binding decimal_field{binding_kind::decimal, field<Field>(), {}};
template <auto Field>
inline constexpr field_binding flag_field{binding_kind::flag, field<Field>(), {}};
template <auto Field, auto Index = nullptr>
inline constexpr field_binding name_combo{binding_kind::name_combo, field<Field>(), field<Index>()};
template <auto Field, auto Index = nullptr>
inline constexpr field_binding club_combo{binding_kind::club_combo, field<Field>(), field<Index>()};
template <auto Field>
inline constexpr field_binding code_combo{binding_kind::code_combo, field<Field>(), {}};
template <auto Field>
inline constexpr field_binding code_combo_tagged{
    binding_kind::code_combo_tagged, field<Field>(), {}};
template <auto Field, auto Index = nullptr>
inline constexpr field_binding list_code_combo{binding_kind::list_code_combo, field<Field>(),
                                               field<Index>()};
template <auto Field>
inline constexpr field_binding index_combo{binding_kind::index_combo, field<Field>(), {}};
template <auto Field>
inline constexpr field_binding index_combo_direct{
    binding_kind::index_combo_direct, field<Field>(), {}};
