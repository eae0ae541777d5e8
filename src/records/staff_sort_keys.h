#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "staff_record.h"
#include "staff_sort_attributes.h"

// What an order needs beyond the records themselves.
struct staff_sort_context {
  std::string date_order;         // the order the date texts are held in: the locale's
  std::int32_t file_club_id = 0;  // the club of the loaded file, for the squad numbers
  staff_position_texts positions;
  // Where the sort keeps the position texts it describes, for the list's texts after it; null:
  // texts of the sort's own.
  position_set_texts* described_positions = nullptr;
};

// The context of the loaded data set: the locale's date order and the file's club.
staff_sort_context current_staff_sort_context(const staff_position_texts& positions = {});

// Everything one record is compared by under one attribute, worked out once per sort so that
// comparing is cheap and cannot fail. Name texts are folded to capitals.
struct staff_sort_key {
  long long number = 0;
  std::string text;
  std::string second_name;  // only for the orders that fall back on the names
  std::string first_name;
  std::string display_name;
};

// The text with the ASCII small letters folded to capitals; other bytes stay as they are.
std::string fold_ascii_case(std::string_view text);

// The potential-ability codes -1 to -10 stand for ranges and compare as 10, 25, 45, ..., 185;
// every other value is its own.
int ability_range_value(std::int16_t value);

// The date text as yyyymmdd. The empty text, and a text the date order cannot read, count as
// 1 January 1700, before every real date.
long long staff_date_key(std::string_view text, std::string_view date_order);

// The three computed ratings, whatever the classification of the record.
int staff_physical_rating(const qor_staff& staff);
int staff_technical_rating(const qor_staff& staff);
int staff_pressure_determination_rating(const qor_staff& staff);

// Works out the keys of one sort; the club names are read once per sort.
class staff_sort_key_maker {
 public:
  staff_sort_key_maker(const staff_sort_attribute& attribute, const staff_sort_context& context)
      : attribute_(attribute), context_(context) {}

  staff_sort_key operator()(const qor_staff& staff);

 private:
  long long number_key(const qor_staff& staff) const;
  std::string text_key(const qor_staff& staff);
  const std::string& club_name(std::int32_t club_id);

  const staff_sort_attribute& attribute_;
  const staff_sort_context& context_;
  position_set_texts own_position_texts_{context_.positions};
  position_set_texts& position_texts_{context_.described_positions != nullptr
                                          ? *context_.described_positions
                                          : own_position_texts_};
  std::unordered_map<std::int32_t, std::string> club_names_;
  bool club_names_loaded_ = false;
};

// True for the orders that compare texts, false for those that compare numbers.
bool orders_by_text(staff_order_rule rule);

// True for the orders whose ties fall back on second name, then first name.
bool orders_ties_by_names(staff_order_rule rule);
