#include "analysis/attribute_averages.h"

#include <algorithm>
#include <cstdio>

#include "analysis/staff_categories.h"
#include "records/record_store.h"
#include "records/staff_record.h"
#include "records/staff_sort.h"
#include "records/staff_sort_keys.h"

namespace {

constexpr int current_ability_sort_attribute = 70;

// Choices 0 to 4 the abilities and reputations, 5 to 7 the computed ratings, 8 sportsmanship,
// 9 to 50 the player attributes and 51 to 59 the traits, each a run of sort attributes.
struct choice_run {
  int first_choice;
  int last_choice;
  int first_sort_attribute;
};
constexpr choice_run choice_runs[] = {
    {0, 4, 70}, {5, 7, 139}, {8, 8, 26}, {9, 50, 75}, {51, 59, 19}};

// The copy of the staff vector the walks sort.
std::vector<qor_staff*> staff_copy(std::span<const record_pointer<qor_staff>> staff) {
  std::vector<qor_staff*> copy;
  copy.reserve(staff.size());
  for (const auto& record : staff)
    copy.push_back(record.get());
  return copy;
}

// Adds the record when it may enter: a player with a value of at least 1, contracted to the
// file's club, or on loan to it from another club when loanees count.
void enter(average_result& result, const qor_staff& staff, const average_request& request) {
  if (!is_player(staff))
    return;
  const int value = average_value(staff, request.choice);
  if (value < 1)
    return;
  const bool contracted = is_contracted(staff, request.file_club_id);
  const bool loanee =
      !contracted && request.include_loanees && is_loanee(staff, request.file_club_id);
  if (!contracted && !loanee)
    return;
  result.total += value;
  result.players.push_back({&staff, value, loanee});
}

void walk(average_result& result, const std::vector<qor_staff*>& order, std::size_t amount,
          const average_request& request) {
  for (const qor_staff* staff : order) {
    if (result.players.size() >= amount)
      break;
    if (staff != nullptr)
      enter(result, *staff, request);
  }
}

}  // namespace

int average_sort_attribute(int choice) {
  for (const choice_run& run : choice_runs) {
    if (choice >= run.first_choice && choice <= run.last_choice)
      return run.first_sort_attribute + (choice - run.first_choice);
  }
  return -1;
}

int average_value(const qor_staff& staff, int choice) {
  const staff_sort_attribute* attribute = find_staff_sort_attribute(average_sort_attribute(choice));
  if (attribute == nullptr)
    return 0;
  // The sort key is the value itself for players: range codes already count as their range.
  const staff_sort_context context;
  return static_cast<int>(staff_sort_key_maker(*attribute, context)(staff).number);
}

average_result calculate_average(std::span<const record_pointer<qor_staff>> staff,
                                 const average_request& request) {
  average_result result;
  if (request.amount <= 0)
    return result;
  const int attribute = average_sort_attribute(request.choice);
  std::vector<qor_staff*> order = staff_copy(staff);
  std::size_t amount = std::min(static_cast<std::size_t>(request.amount), order.size());
  if (request.mode == average_mode::sorted_by_attribute) {
    sort_staff(order, attribute, true);
    walk(result, order, amount, request);
    return result;
  }
  sort_staff(order, current_ability_sort_attribute, true);
  std::vector<qor_staff*> group;
  for (qor_staff* record : order) {
    if (group.size() >= amount)
      break;
    if (record != nullptr &&
        (request.include_loanees || is_contracted(*record, request.file_club_id)))
      group.push_back(record);
  }
  sort_staff(group, attribute, true);
  walk(result, group, std::min(amount, group.size()), request);
  return result;
}

std::string averaged_player_line(int number, const averaged_player& player) {
  const qor_staff& staff = *player.staff;
  std::string name = !staff.StaffCommonName.empty()
                         ? std::string(staff.StaffCommonName.view())
                         : std::string(staff.StaffSecondName.view()) + ", " +
                               std::string(staff.StaffFirstName.view());
  return std::to_string(number) + ". " + name + " (" + std::to_string(player.value) +
         (player.loanee ? ")*" : ")");
}

average_texts average_result_texts(const average_result& result) {
  const auto count = result.players.size();
  average_texts texts{std::to_string(result.total), std::to_string(count), {}};
  if (result.total != 0 && count != 0) {
    char average[64];
    std::snprintf(average, sizeof average, "%3.2f",
                  static_cast<double>(result.total) / static_cast<double>(count));
    texts.average = average;
  }
  return texts;
}
