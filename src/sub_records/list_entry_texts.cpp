#include "platform/owner_drawn_list_box.h"
#include "records/lookup.h"
#include "records/lookup_lists.h"
#include "sub_records/item_cell_text.h"
#include "sub_records/item_list_boxes.h"

namespace {

bool has_name(const owner_drawn_list_box* list, const char* name) {
  return list != nullptr && list->objectName() == QLatin1String(name);
}

// The words of the language type list, in its order; a type outside 1 to 6 reads the last.
constexpr const char* language_type_words[] = {"Mother Tongue", "Fluent", "Good",   "Basic",
                                               "None",          "Never",  "Not Set"};

std::string language_type_word(std::int32_t type) {
  const std::int64_t position = type >= 1 && type <= 6 ? type - 1 : 6;
  return word_at(language_type_words, position);
}

}  // namespace

std::string favourite_disliked_staff_entry_text(const owner_drawn_list_box* list,
                                                const qor_staff_favourite_disliked_staff& item) {
  std::string text = std::string(item.StaffFavouriteStaffLikedStaff.view()) + ", " +
                     decimal_text(item.StaffFavouriteStaffStaffID) + ", [" +
                     decimal_text(item.StaffFavouriteStaffRating) + "], " +
                     std::string(item.StaffFavouriteStaffPermanent.view());
  if (has_name(list, "staff_favourite_staff")) {
    text += ", " + lookup_name_by_code(lookups().favourite_staff_reason_list,
                                       item.StaffFavouriteStaffReason);
  }
  return text;
}

std::string favourite_disliked_club_entry_text(const owner_drawn_list_box* list,
                                               const qor_staff_favourite_disliked_club& item) {
  std::string text = get_club_name(item.StaffFavouriteClubsClub) + ", [" +
                     decimal_text(item.StaffFavouriteClubsRating) + "], " +
                     std::string(item.StaffFavouriteClubsPermanent.view());
  if (has_name(list, "staff_favourite_clubs")) {
    text += ", " + lookup_name_by_code(lookups().favourite_club_reason_list,
                                       item.StaffFavouriteClubsReason);
  }
  return text;
}

std::string history_entry_text(const qor_staff_history& item) {
  return "Year: " + decimal_text(item.StaffHistoryYear) +
         ", Order: " + decimal_text(item.StaffHistoryYearOrder) +
         ", Club: " + get_club_name(item.StaffHistoryClub) +
         ", Loan: " + std::string(item.StaffHistoryOnLoan.view()) +
         ", Apps: " + std::string(item.StaffHistoryAppsText.view()) +
         ", Goals: " + std::string(item.StaffHistoryGoalsText.view()) + ", Joined: ''" +
         std::string(item.StaffHistoryDateJoined.view()) + "'', Departed: ''" +
         std::string(item.StaffHistoryDateDeparted.view()) +
         "'', Fee: " + std::string(item.StaffHistoryTransferFeeText.view()) +
         ", Youth Player: " + std::string(item.StaffHistoryYouthPlayer.view()) +
         ", Player Exchange Involved: " +
         std::string(item.StaffHistoryPlayerExchangeInvolved.view()) +
         ", Draft Allocations Involved: " +
         decimal_text(item.StaffHistoryDraftAllocationsInvolved) +
         ", International Slots Involved: " +
         decimal_text(item.StaffHistoryInternationalSlotsInvolved) +
         ", Draft Type: " + decimal_text(item.StaffHistoryDraftType);
}

std::string language_entry_text(const qor_staff_language& item) {
  return std::string(item.StaffLanguagesLanguage.view()) + ", " +
         language_type_word(item.StaffLanguagesType);
}

std::string ppm_entry_text(const qor_staff_ppm& item) {
  if (item.StaffPPMPrefferedMove < 1)
    return "Not Set";
  return get_ppm_name(item.StaffPPMPrefferedMove);
}

std::string npt_entry_text(const qor_staff_npt& item) {
  if (item.StaffNPTTendency < 1)
    return "Not Set";
  return get_npt_name(item.StaffNPTTendency) + ", [" + decimal_text(item.StaffNPTRating) + "]";
}

std::string item_count_text(int count) {
  return decimal_text(count) + " items";
}
