#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "item_list_fixture.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/win1252.h"
#include "sub_records/item_list_boxes.h"

namespace {

constexpr const char* count_label_names[] = {"staff_favourite_staff_count",
                                             "staff_disliked_staff_count",
                                             "staff_favourite_clubs_count",
                                             "staff_disliked_clubs_count",
                                             "staff_language_count",
                                             "staff_ppm_count",
                                             "staff_npt_count",
                                             "staff_history_count"};

constexpr const char* untouched = "untouched";

// A window holding one list box of the given name and every count label, as the record pages
// have them.
class list_window {
 public:
  explicit list_window(const char* list_name) {
    auto* layout = new QVBoxLayout(&window_);
    list_ = new owner_drawn_list_box;
    list_->setObjectName(QLatin1String(list_name));
    layout->addWidget(list_);
    for (const char* name : count_label_names) {
      auto* label = new QLabel(QLatin1String(untouched));
      label->setObjectName(QLatin1String(name));
      layout->addWidget(label);
    }
  }

  owner_drawn_list_box* list() { return list_; }

  std::vector<std::string> texts() const {
    std::vector<std::string> result;
    for (int i = 0; i < list_->count(); ++i)
      result.push_back(to_win1252(list_->item(i)->text()));
    return result;
  }

  // Every label that no longer reads "untouched", as name=text.
  std::vector<std::string> changed_labels() const {
    std::vector<std::string> result;
    for (const char* name : count_label_names) {
      const QString text = window_.findChild<QLabel*>(QLatin1String(name))->text();
      if (text != QLatin1String(untouched))
        result.push_back(std::string(name) + "=" + to_win1252(text));
    }
    return result;
  }

 private:
  QWidget window_;
  owner_drawn_list_box* list_ = nullptr;
};

// Staff member 1's items of the list-box kinds, out of order, beside one item of staff member 2
// and a null entry in every vector.
class list_fills_test : public item_list_test {
 protected:
  list_fills_test() {
    add_people();
    add_clubs();
    add_languages();
    add_moves_and_tendencies();
    add_history();
  }

  template <class Item>
  void finish(record_vector<Item>& items) {
    items.insert(items.begin() + 1, nullptr);
    add_item(items, 900, 2);
  }

  void add_people() {
    for (auto* v : {&store_.staff_favourite_staff_list, &store_.staff_disliked_staff_list}) {
      auto& a = add_item(*v, 1, 1);
      a.StaffFavouriteStaffLikedStaff = "Jos\xE9 P\xE9rez";
      a.StaffFavouriteStaffStaffID = 77;
      a.StaffFavouriteStaffRating = 5;
      a.StaffFavouriteStaffPermanent = "True";
      a.StaffFavouriteStaffReason = 1;
      auto& b = add_item(*v, 2, 1);
      b.StaffFavouriteStaffLikedStaff = "Al";
      b.StaffFavouriteStaffRating = 12;
      b.StaffFavouriteStaffPermanent = "False";
      b.StaffFavouriteStaffReason = 9;
      finish(*v);
    }
  }

  void add_clubs() {
    for (auto* v : {&store_.staff_favourite_club_list, &store_.staff_disliked_club_list}) {
      auto& a = add_item(*v, 1, 1);
      a.StaffFavouriteClubsClub = 102;
      a.StaffFavouriteClubsRating = -3;
      a.StaffFavouriteClubsPermanent = "True";
      a.StaffFavouriteClubsReason = 2;
      auto& b = add_item(*v, 2, 1);
      b.StaffFavouriteClubsClub = 999;
      b.StaffFavouriteClubsRating = 4;
      b.StaffFavouriteClubsPermanent = "False";
      finish(*v);
    }
  }

  void add_languages() {
    auto& v = store_.staff_language_list;
    const struct {
      std::int32_t id;
      const char* language;
      std::int32_t type;
    } languages[] = {{2,
                      "Fran\xE7"
                      "ais",
                      0},
                     {1, "English", 1},
                     {3, "Tolvan", 7},
                     {4, "Latin", 6}};
    for (const auto& language : languages) {
      auto& item = add_item(v, language.id, 1);
      item.StaffLanguagesLanguage = language.language;
      item.StaffLanguagesType = language.type;
    }
    finish(v);
  }

  void add_moves_and_tendencies() {
    add_item(store_.staff_ppm_list, 3, 1).StaffPPMPrefferedMove = 7;
    add_item(store_.staff_ppm_list, 1, 1).StaffPPMPrefferedMove = 0;
    add_item(store_.staff_ppm_list, 2, 1).StaffPPMPrefferedMove = 50;
    finish(store_.staff_ppm_list);

    auto& a = add_item(store_.staff_npt_list, 2, 1);
    a.StaffNPTTendency = 8;
    a.StaffNPTRating = 12;
    auto& b = add_item(store_.staff_npt_list, 1, 1);
    b.StaffNPTTendency = 0;
    b.StaffNPTRating = 5;
    finish(store_.staff_npt_list);
  }

  void add_history() {
    auto& v = store_.staff_history_list;
    auto& a = add_item(v, 2, 1);
    a.StaffHistoryYear = 2020;
    a.StaffHistoryYearOrder = 1;
    auto& b = add_item(v, 1, 1);
    b.StaffHistoryYear = 2018;
    b.StaffHistoryYearOrder = 2;
    b.StaffHistoryClub = 102;
    b.StaffHistoryOnLoan = "True";
    b.StaffHistoryAppsText = "25";
    b.StaffHistoryGoalsText = "3";
    b.StaffHistoryDateJoined = "01/07/2018";
    b.StaffHistoryTransferFeeText = "1500000";
    b.StaffHistoryYouthPlayer = "False";
    b.StaffHistoryPlayerExchangeInvolved = "False";
    b.StaffHistoryDraftAllocationsInvolved = 2;
    b.StaffHistoryInternationalSlotsInvolved = 1;
    b.StaffHistoryDraftType = 3;
    finish(v);
  }

  using fill_function = std::function<bool(owner_drawn_list_box*, std::int32_t)>;

  template <class Item>
  fill_function bind(bool (*fill)(owner_drawn_list_box*, std::int32_t, record_vector<Item>&),
                     record_vector<Item>& items) {
    return [fill, &items](owner_drawn_list_box* list, std::int32_t staff_id) {
      return fill(list, staff_id, items);
    };
  }

  struct list_case {
    const char* list_name;
    fill_function fill;
    std::vector<std::string> texts;
    std::vector<int> ids;
    int (*id_of)(const void*);
    const char* count_label;  // null: the fill sets none
  };

  std::vector<list_case> every_list_kind() {
    auto& s = store_;
    const std::string history_2018 =
        "Year: 2018, Order: 2, Club: Estrela FC, Loan: True, Apps: 25, Goals: 3, Joined: "
        "''01/07/2018'', Departed: '''', Fee: 1500000, Youth Player: False, Player Exchange "
        "Involved: False, Draft Allocations Involved: 2, International Slots Involved: 1, Draft "
        "Type: 3";
    const std::string history_2020 =
        "Year: 2020, Order: 1, Club: , Loan: , Apps: , Goals: , Joined: '''', Departed: '''', "
        "Fee: , Youth Player: , Player Exchange Involved: , Draft Allocations Involved: 0, "
        "International Slots Involved: 0, Draft Type: 0";
    return {
        {"staff_favourite_staff",
         bind(fill_staff_favourite_staff, s.staff_favourite_staff_list),
         {"Al, 0, [12], False, ", "Jose Perez, 77, [5], True, Mentor"},
         {2, 1},
         object_id<qor_staff_favourite_disliked_staff>,
         "staff_favourite_staff_count"},
        {"staff_disliked_staff",
         bind(fill_staff_favourite_staff, s.staff_disliked_staff_list),
         {"Al, 0, [12], False", "Jose Perez, 77, [5], True"},
         {2, 1},
         object_id<qor_staff_favourite_disliked_staff>,
         "staff_disliked_staff_count"},
        {"staff_favourite_clubs",
         bind(fill_staff_favourite_club, s.staff_favourite_club_list),
         {", [4], False, ", "Estrela FC, [-3], True, Supporter"},
         {2, 1},
         object_id<qor_staff_favourite_disliked_club>,
         "staff_favourite_clubs_count"},
        {"staff_disliked_clubs",
         bind(fill_staff_favourite_club, s.staff_disliked_club_list),
         {", [4], False", "Estrela FC, [-3], True"},
         {2, 1},
         object_id<qor_staff_favourite_disliked_club>,
         "staff_disliked_clubs_count"},
        {"staff_language",
         bind(fill_staff_language, s.staff_language_list),
         {"Francais, Not Set", "English, Mother Tongue", "Tolvan, Not Set", "Latin, Never"},
         {2, 1, 3, 4},
         object_id<qor_staff_language>,
         "staff_language_count"},
        {"staff_ppm",
         bind(fill_staff_ppm, s.staff_ppm_list),
         {"Dives Into Tackles", "Not Set", ""},
         {3, 1, 2},
         object_id<qor_staff_ppm>,
         "staff_ppm_count"},
        {"staff_npt",
         bind(fill_staff_npt, s.staff_npt_list),
         {"Plays Youth, [12]", "Not Set"},
         {2, 1},
         object_id<qor_staff_npt>,
         "staff_npt_count"},
        {"staff_history",
         bind(fill_staff_history, s.staff_history_list),
         {history_2018, history_2020},
         {1, 2},
         object_id<qor_staff_history>,
         nullptr},
    };
  }
};

// Every list-box kind: one entry per item of the staff member, in the kind's order (by rating
// for favourites and dislikes, by year for history, the vector's order for the others), texts
// with their accents folded, the items as the entries' objects and its own count label set.
TEST_F(list_fills_test, every_kind_lists_the_staff_members_items_with_their_texts) {
  for (const list_case& c : every_list_kind()) {
    SCOPED_TRACE(c.list_name);
    list_window window(c.list_name);
    ASSERT_TRUE(c.fill(window.list(), 1));
    EXPECT_EQ(window.texts(), c.texts);
    std::vector<int> ids;
    for (int i = 0; i < window.list()->count(); ++i)
      ids.push_back(c.id_of(entry_object_raw(window.list(), i)));
    EXPECT_EQ(ids, c.ids);
    std::vector<std::string> labels;
    if (c.count_label != nullptr)
      labels.push_back(std::string(c.count_label) + "=" + std::to_string(c.texts.size()) +
                       " items");
    EXPECT_EQ(window.changed_labels(), labels);
    EXPECT_TRUE(dialogs_.shown().empty());
  }
}

// Another member's fill shows only his item ("1 items"); a member with none empties the list
// left by the previous fill, reports false and counts "0 items".
TEST_F(list_fills_test, other_owners_items_are_skipped_and_no_items_leave_an_empty_list) {
  for (const list_case& c : every_list_kind()) {
    SCOPED_TRACE(c.list_name);
    list_window window(c.list_name);
    ASSERT_TRUE(c.fill(window.list(), 2));
    ASSERT_EQ(window.list()->count(), 1);
    EXPECT_EQ(c.id_of(entry_object_raw(window.list(), 0)), 900);
    if (c.count_label != nullptr) {
      EXPECT_EQ(window.changed_labels(),
                std::vector<std::string>{std::string(c.count_label) + "=1 items"});
    }

    ASSERT_TRUE(c.fill(window.list(), 1));
    EXPECT_FALSE(c.fill(window.list(), 3));
    EXPECT_EQ(window.list()->count(), 0);
    if (c.count_label != nullptr) {
      EXPECT_EQ(window.changed_labels(),
                std::vector<std::string>{std::string(c.count_label) + "=0 items"});
    }
  }
}

TEST_F(list_fills_test, a_missing_list_box_shows_the_fills_message) {
  const std::string messages[] = {
      "fill_staff_favourite_staff or fill_staff_disliked_staff: null listbox",
      "fill_staff_favourite_staff or fill_staff_disliked_staff: null listbox",
      "fill_staff_favourite_club or fill_staff_disliked_club: null listbox",
      "fill_staff_favourite_club or fill_staff_disliked_club: null listbox",
      "fill_staff_language: null listbox",
      "fill_staff_ppm: null listbox",
      "fill_staff_npt: null listbox",
      "fill_staff_history: null listbox",
  };
  const std::vector<list_case> kinds = every_list_kind();
  ASSERT_EQ(kinds.size(), std::size(messages));
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    SCOPED_TRACE(kinds[i].list_name);
    dialogs_.clear();
    EXPECT_FALSE(kinds[i].fill(nullptr, 1));
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.last().kind, scripted_dialog_service::dialog_kind::plain_message);
    EXPECT_EQ(to_win1252(dialogs_.last().text), messages[i]);
  }
}

// The builders append after what the list holds and answer the new index; the texts an edit
// writes back keep their accents.
TEST_F(list_fills_test, entry_builders_append_and_edit_texts_keep_accents) {
  list_window window("staff_favourite_staff");
  const auto* liked = store_.staff_favourite_staff_list.front().get();
  EXPECT_EQ(add_favourite_disliked_staff_item(window.list(), liked), 0);
  EXPECT_EQ(add_favourite_disliked_staff_item(window.list(), liked), 1);
  EXPECT_EQ(window.texts().back(), "Jose Perez, 77, [5], True, Mentor");
  EXPECT_EQ(favourite_disliked_staff_entry_text(window.list(), *liked),
            "Jos\xE9 P\xE9rez, 77, [5], True, Mentor");
  EXPECT_EQ(favourite_disliked_staff_entry_text(nullptr, *liked),
            "Jos\xE9 P\xE9rez, 77, [5], True");

  EXPECT_EQ(add_favourite_disliked_staff_item(nullptr, liked), -1);
  EXPECT_EQ(add_favourite_disliked_staff_item(window.list(), nullptr), -1);
  EXPECT_EQ(add_language_item(window.list(), nullptr), -1);
  EXPECT_EQ(window.list()->count(), 2);
}

}  // namespace
