#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

#include "staff_record.h"

// Sort attributes are signed numbers: -1 the staff id, 0 to 138 the rows of the attribute combo,
// 139 to 141 three computed ratings that only the analysis lists sort by.
inline constexpr int staff_id_sort_attribute = -1;
inline constexpr int staff_sort_attribute_row_count = 139;
inline constexpr int physical_rating_sort_attribute = 139;
inline constexpr int technical_rating_sort_attribute = 140;
inline constexpr int pressure_determination_rating_sort_attribute = 141;
inline constexpr int last_staff_sort_attribute = 141;

// How the records compare on an attribute.
enum class staff_order_rule {
  staff_id,  // StaffID
  text_ignoring_case,
  display_name,
  name_ignoring_case,  // then second name, first name, display name
  text_by_codes,
  date,
  number,         // the field's signed value
  unsigned_byte,  // a one-byte field read as 0 to 255
  club_name,
  ability_range,         // ability_range_value of the field
  player_number,         // the field for players, 0 for everyone else
  player_ability_range,  // ability_range_value of the field for players, else 0
  squad_number,
  position_key,  // the positions' letter key, then second name, first name, display name
  weaker_foot,
  physical_rating,
  technical_rating,
  pressure_determination_rating,
};

// What the staff list shows behind a name for an attribute.
enum class staff_value_text_rule {
  none,
  stored_text,
  decimal,           // signed
  unsigned_decimal,  // a one-byte field shown as 0 to 255
  job_name,
  contract_type,
  classification,
  media_job,
  squad_number,
  position_codes,
  weaker_foot,
};

// The one field an attribute reads, when it reads exactly one.
using staff_field =
    std::variant<std::monostate, std::int8_t qor_staff::*, std::int16_t qor_staff::*,
                 std::int32_t qor_staff::*, fixed_text<51> qor_staff::*,
                 fixed_text<26> qor_staff::*, fixed_text<6> qor_staff::*>;

// The field's number (0 for a text or no field) and its text (empty for a number or no field).
long long staff_field_number(const qor_staff& staff, const staff_field& field);
std::string_view staff_field_text(const qor_staff& staff, const staff_field& field);

// One attribute: its name, the field it reads (when it reads exactly one) and its two rules.
struct staff_sort_attribute {
  std::string_view name;
  staff_field field;
  staff_order_rule order;
  staff_value_text_rule text;
};

// The attribute with that number, or nullptr when the number has no order (below -1, above 141).
const staff_sort_attribute* find_staff_sort_attribute(int attribute);

// Asks for the memory of the record's names, its classification and what the attribute reads
// (none: the names alone), without waiting for it: a walk over records that lie apart in memory
// asks for those some places ahead, so that they have arrived when it reaches them.
void fetch_sort_fields(const qor_staff& staff, const staff_sort_attribute* attribute);

// The 139 texts of the attribute combo, "FirstName; 0" to "PlayerWearkerFoot; 138", in row
// order. Rows 128 and 129 are "ClubCaptain; 129" and "MediaJob; 128": read a row's attribute
// with lookup_code, never from its position.
const std::array<std::string, staff_sort_attribute_row_count>& staff_sort_attribute_names();

// The fixed choice texts the coded attributes show; the matching combo boxes use them too.
inline constexpr std::array<const char*, 13> contract_type_texts = {
    "Not Set",
    "Full-Time",
    "Part-Time",
    "Non-Contract",
    "Amateur",
    "Future Professional",
    "MLS Discovery Player",
    "MLS Generation Sponsored",
    "MLS Senior Developmental",
    "MLS Developmental",
    "Youth Contract",
    "MLS Designated Player",
    "MLS Academy Apprentice",
};
inline constexpr std::array<const char*, 4> classification_texts = {
    "Not set", "Non-player", "Player", "Non-player & Player"};
inline constexpr std::array<const char*, 10> media_job_texts = {
    "Not set",      "Media pundit", "Journalist", "Columnist",  "Radio presenter",
    "TV presenter", "Commentator",  "Summariser", "PR officer", "Author",
};

// The entry at `index`; empty for an index outside the table.
std::string table_item_text(std::span<const char* const> table, int index);

// The signed value of a stored byte (255 reads as -1).
int char_to_int(std::int8_t value);

// The two texts of a record's best positions, which the ability model builds on top of this
// library: it hands them in. Without them the position attribute shows and sorts by empty texts.
struct staff_position_texts {
  std::string (*code_text)(const qor_staff&) = nullptr;  // "D RL", shown in the list
  std::string (*sort_key)(const qor_staff&) = nullptr;   // "C A", compared by character codes
  // The position set both texts describe: records of one set have the same texts, so a list of
  // thousands describes each set once. Null: every record is described on its own.
  unsigned long (*position_set)(const qor_staff&) = nullptr;
};

// Gives the two texts of records' position sets, each set described once in each style however
// many records share it. A sort by positions and the list's texts after it share one, so that
// neither describes a set the other has described.
class position_set_texts {
 public:
  explicit position_set_texts(const staff_position_texts& positions) : positions_(positions) {}

  // Empty without the describing function. Valid until the next call.
  const std::string& code_text(const qor_staff& staff);
  const std::string& sort_key(const qor_staff& staff);

 private:
  using describer = std::string (*)(const qor_staff&);
  struct set_texts {
    std::optional<std::string> code_text;
    std::optional<std::string> sort_key;
  };
  const std::string& text(const qor_staff& staff, describer describe,
                          std::optional<std::string> set_texts::*style);
  set_texts& texts_of_set(unsigned long set);

  staff_position_texts positions_;
  // Sets below this number, as position masks are, are found by their number in a table: a
  // list of thousands of records holds thousands of sets, which a hash map would look up on
  // scattered nodes once per record. Larger numbers go to the map.
  static constexpr unsigned long table_limit = 1UL << 16;
  static constexpr std::uint32_t no_slot = ~std::uint32_t{0};
  std::vector<std::uint32_t> slot_of_set_;
  std::deque<set_texts> tabled_;
  std::unordered_map<unsigned long, set_texts> untabled_;
  // The text of a record described on its own, without sets.
  std::string unshared_;
};

// The value text of an attribute of a record; empty for a number outside 0 to 138.
// `file_club_id` picks the squad number of attribute 69.
std::string staff_sort_attribute_text(const qor_staff& staff, int attribute,
                                      std::int32_t file_club_id,
                                      const staff_position_texts& positions = {});

// The value texts of one attribute for many records, as staff_sort_attribute_text gives them,
// each job name looked up once per code and each position set described once: a list of
// thousands would otherwise search the job list, or describe positions, for each record.
// The position texts come from `described` when given (the ones a sort just described), else from
// texts of its own.
class staff_sort_attribute_texts {
 public:
  staff_sort_attribute_texts(int attribute, std::int32_t file_club_id,
                             const staff_position_texts& positions = {},
                             position_set_texts* described = nullptr)
      : attribute_(attribute),
        file_club_id_(file_club_id),
        own_position_texts_(positions),
        position_texts_(described != nullptr ? *described : own_position_texts_) {}

  // Valid until the next call, and while the record stays as it is.
  std::string_view operator()(const qor_staff& staff);

 private:
  int attribute_;
  std::int32_t file_club_id_;
  std::string value_;
  std::unordered_map<std::int32_t, std::string> job_names_;
  position_set_texts own_position_texts_;
  position_set_texts& position_texts_;
};

// What the list appends to a name: " (" value text ")", or " (empty)" for an empty text.
std::string staff_sort_attribute_suffix(std::string_view value_text);
// The same appended to `text`.
void append_staff_sort_attribute_suffix(std::string& text, std::string_view value_text);
