#include "sub_records/new_item_defaults.h"

#include <QCheckBox>

#include "record_form/form_controls.h"
#include "record_form/item_apply.h"
#include "records/record_store.h"
#include "records/staff_record.h"

namespace {

constexpr const char* yes = "True";
constexpr const char* no = "False";
constexpr std::int32_t new_season = 2012;

}  // namespace

void start_new_item(qor_staff_favourite_disliked_staff& item, const new_item_context&) {
  item.StaffFavouriteStaffPermanent = yes;
  item.StaffFavouriteStaffRating = 0;
}

void start_new_item(qor_staff_favourite_disliked_club& item, const new_item_context&) {
  item.StaffFavouriteClubsPermanent = yes;
  item.StaffFavouriteClubsRating = 0;
}

void start_new_item(qor_staff_history& item, const new_item_context& context) {
  const auto* lock = context.form.get<QCheckBox>("history_lock_cb");
  if (lock != nullptr && lock->isChecked())
    apply_staff_history(&item, context.form);
  else
    item.StaffHistoryClub = file_data().file_club_id;
  item.StaffHistoryYear = new_season;
  item.StaffHistoryYearOrder = 0;
  item.StaffHistoryOnLoan = no;
  item.StaffHistoryApps = 0;
  item.StaffHistoryAppsText = "";
  item.StaffHistoryGoals = 0;
  item.StaffHistoryGoalsText = "";
  item.StaffHistoryTransferFee = 0;
  item.StaffHistoryTransferFeeText = "";
  item.StaffHistoryYouthPlayer = no;
  item.StaffHistoryPlayerExchangeInvolved = no;
}

void start_new_item(qor_staff_language& item, const new_item_context&) {
  item.StaffLanguagesType = 7;
}

void start_new_item(qor_staff_injury& item, const new_item_context&) {
  item.StaffInjuriesPermanentInjury = no;
  item.StaffInjuriesFuturePermanentInjury = no;
  item.StaffInjuriesDoesNotTrain = no;
}

void start_new_item(qor_staff_achievements& item, const new_item_context& context) {
  item.StaffAchievementsClub = file_data().file_club_id;
  item.StaffAchievementsJob = context.staff.StaffJobForClub;
}
