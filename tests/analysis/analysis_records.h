#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "records/record_store.h"
#include "records/staff_record.h"

// The club of the invented file the analysis tests look at, and another club.
inline constexpr std::int32_t home_club = 700;
inline constexpr std::int32_t other_club = 900;

// A complete player of the home club: every category that tests for missing data passes him.
inline qor_staff complete_player(std::int32_t id, const std::string& common_name = "") {
  qor_staff staff;
  staff.StaffID = id;
  staff.StaffFirstName = "First" + std::to_string(id);
  staff.StaffSecondName = "Second" + std::to_string(id);
  staff.StaffCommonName = common_name;
  staff.StaffClassification = 2;
  staff.StaffClubContracted = home_club;
  staff.StaffJobForClub = 1;
  staff.StaffPlayerCurrentAbility = 100;
  staff.StaffPlayerPotentialAbility = 120;
  staff.StaffPlayerCurrentReputation = 50;
  staff.StaffPlayerHomeReputation = 50;
  staff.StaffPlayerWorldReputation = 50;
  staff.StaffPlayerGoalkeeper = 20;
  staff.StaffPlayerRightFoot = 20;
  staff.StaffPlayerLeftFoot = 8;
  staff.StaffHairColour = 1;
  staff.StaffSkinTone = 1;
  staff.StaffEthnicity = 1;
  return staff;
}

// A vector of records built from a base record and an edit each.
inline record_vector<qor_staff> make_staff(
    std::initializer_list<std::pair<qor_staff, std::function<void(qor_staff&)>>> rows) {
  record_vector<qor_staff> staff;
  for (const auto& [base, edit] : rows) {
    auto record = std::make_unique<qor_staff>(base);
    if (edit)
      edit(*record);
    staff.push_back(std::move(record));
  }
  return staff;
}
