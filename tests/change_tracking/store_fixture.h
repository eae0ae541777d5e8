#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "records/record_store.h"

// Each test starts and ends with an empty data set.
class ChangeTracking : public testing::Test {
 protected:
  void SetUp() override { delete_all_records(store()); }
  void TearDown() override { delete_all_records(store()); }

  // Puts a record into the current vector and, when `with_original`, an equal copy into the
  // original vector; returns the current one for the test to edit.
  template <class Record>
  static Record* add(record_vector<Record>& current, record_vector<Record>& originals,
                     const Record& record, bool with_original = true) {
    if (with_original) {
      originals.push_back(std::make_unique<Record>(record));
    }
    current.push_back(std::make_unique<Record>(record));
    return current.back().get();
  }

  static qor_staff make_staff(std::int32_t id) {
    qor_staff staff;
    staff.StaffID = id;
    staff.StaffFirstName = "Ann";
    staff.StaffNationDeclared = "True";
    return staff;
  }

  static qor_staff* add_staff(std::int32_t id, bool with_original = true) {
    return add(store().staff_list, store().staff_orig_list, make_staff(id), with_original);
  }

  static qor_staff_history* add_history(std::int32_t id, std::int32_t owner,
                                        bool with_original = true) {
    qor_staff_history item;
    item.StaffHistoryID = id;
    item.StaffHistoryStaff = owner;
    item.StaffHistoryApps = 8;
    item.StaffHistoryAppsText = "8";
    item.StaffHistoryMarkedForDeletion = "False";
    return add(store().staff_history_list, store().staff_history_orig_list, item, with_original);
  }
};
