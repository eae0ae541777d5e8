#include <functional>

#include "change_tracking/change_predicates.h"
#include "store_fixture.h"

namespace {

struct staff_edit {
  const char* what;
  std::function<void(qor_staff&)> edit;
};

TEST_F(ChangeTracking, StaffWithoutOriginalIsChanged) {
  EXPECT_TRUE(staff_changed(add_staff(50001, false)));
  EXPECT_TRUE(staff_changed(nullptr));
}

TEST_F(ChangeTracking, StaffEqualToItsOriginalIsUnchanged) {
  EXPECT_FALSE(staff_changed(add_staff(7)));
}

TEST_F(ChangeTracking, EveryKindOfComparedFieldCountsAsAChange) {
  const staff_edit edits[] = {
      {"text, letter case only", [](qor_staff& s) { s.StaffFirstName = "ann"; }},
      {"text, trailing blank", [](qor_staff& s) { s.StaffFirstName = "Ann "; }},
      {"date text", [](qor_staff& s) { s.StaffDateOfBirth = "01/02/1990"; }},
      {"flag", [](qor_staff& s) { s.StaffNationDeclared = "False"; }},
      {"8-bit", [](qor_staff& s) { s.StaffClassification = 2; }},
      {"16-bit", [](qor_staff& s) { s.StaffYearOfBirth = 1990; }},
      {"32-bit", [](qor_staff& s) { s.StaffClubContracted = 12; }},
      {"number beside its text", [](qor_staff& s) { s.StaffInternationalApps = 3; }},
      {"32-bit number beside its text", [](qor_staff& s) { s.StaffLoanPlayerWages = 500; }},
      {"decimal beside its text", [](qor_staff& s) { s.StaffPlayerHeightAmount = 1.85f; }},
      {"injury type, no column", [](qor_staff& s) { s.StaffInjury = 4; }},
      {"injury date, no column", [](qor_staff& s) { s.StaffInjuryFrom = "01/02/2001"; }},
      {"side rating, no column", [](qor_staff& s) { s.StaffPlayerRightSide = 15; }},
      {"older rating, no column", [](qor_staff& s) { s.StaffPlayerWingBack = 10; }},
      {"coaching technique, no column", [](qor_staff& s) { s.NonPlayerCoachingTechnique = 9; }},
  };
  for (const auto& e : edits) {
    delete_all_records(store());
    qor_staff* staff = add_staff(7);
    e.edit(*staff);
    EXPECT_TRUE(staff_changed(staff)) << e.what;
  }
}

TEST_F(ChangeTracking, FieldsLeftOutOfTheComparisonChangeNothing) {
  const staff_edit edits[] = {
      {"update stamp", [](qor_staff& s) { s.DateUpdated = "01/02/2001 10:00:00"; }},
      {"researcher", [](qor_staff& s) { s.Researcher = "Someone"; }},
      {"loan wages currency", [](qor_staff& s) { s.StaffLoanPlayerWagesCurrency = 3; }},
      {"text typed beside an equal number",
       [](qor_staff& s) { s.StaffInternationalAppsText = "08"; }},
      {"height text beside an equal number",
       [](qor_staff& s) { s.StaffPlayerHeightAmountText = "1,80"; }},
      {"drop-down position", [](qor_staff& s) { s.StaffNationIndex = 5; }},
      {"analysis result", [](qor_staff& s) { s.rca_ca_difference = 12; }},
      {"flag the form writes without a column",
       [](qor_staff& s) { s.StaffUnder20Manager = "False"; }},
      {"flag only in another letter case", [](qor_staff& s) { s.StaffNationDeclared = "TRUE"; }},
  };
  for (const auto& e : edits) {
    delete_all_records(store());
    qor_staff* staff = add_staff(7);
    e.edit(*staff);
    EXPECT_FALSE(staff_changed(staff)) << e.what;
  }
}

TEST_F(ChangeTracking, StaffFlagReadInLowerCaseStaysUnchangedWhenTheFormRewritesIt) {
  // The file may carry "true"; committing the page writes "True" back without any edit.
  qor_staff read = make_staff(7);
  read.StaffFemale = "true";
  qor_staff* staff = add(store().staff_list, store().staff_orig_list, read);
  staff->StaffFemale = "True";
  EXPECT_FALSE(staff_changed(staff));
  staff->StaffFemale = "False";
  EXPECT_TRUE(staff_changed(staff));
}

}  // namespace
