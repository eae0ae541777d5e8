#include <string>
#include <vector>

#include "item_list_fixture.h"
#include "sub_records/item_sorts.h"

namespace {

struct date_case {
  const char* a;
  const char* b;
  const char* order;
  int expected;
};

// Dates compare as dates in the locale's order, never as texts; an empty date is 1 January
// 1700; a date that cannot be read sorts after every readable one instead of stopping the sort.
TEST(compare_date_texts, reads_both_texts_as_dates_in_the_order) {
  const date_case cases[] = {
      {"20/12/2020", "10/01/2021", "dd_mm_yyyy", -1},
      {"10/01/2021", "20/12/2020", "dd_mm_yyyy", 1},
      {"12-01-2020", "01-12-2020", "mm_dd_yyyy", 1},
      {"2020.01.12", "2020.12.01", "yyyy_mm_dd", -1},
      {"05/06/2020", "05/06/2020", "dd_mm_yyyy", 0},
      {"5/6/2020", "05/06/2020", "dd_mm_yyyy", 0},
      {"", "01/01/1800", "dd_mm_yyyy", -1},
      {"", "01/01/1700", "dd_mm_yyyy", 0},
      {"", "", "dd_mm_yyyy", 0},
      {"not a date", "31/12/9999", "dd_mm_yyyy", 1},
      {"31/02/2020", "01/01/2020", "dd_mm_yyyy", 1},
      {"not a date", "", "dd_mm_yyyy", 1},
      {"not a date", "??", "dd_mm_yyyy", 0},
  };
  for (const date_case& c : cases) {
    EXPECT_EQ(compare_date_texts(c.a, c.b, c.order), c.expected)
        << c.a << " vs " << c.b << " in " << c.order;
  }
}

class item_sorts_test : public item_list_test {};

template <class Item>
std::vector<int> ids_of(const record_vector<Item>& items) {
  std::vector<int> ids;
  for (const auto& item : items)
    ids.push_back(item ? record_id(*item) : 0);
  return ids;
}

// A sort orders every staff member's items together and moves null entries to the end.
TEST_F(item_sorts_test, sorts_reorder_the_whole_vector_and_put_null_entries_last) {
  auto& jobs = store_.staff_job_list;
  jobs.push_back(nullptr);
  add_item(jobs, 5, 2).StaffJobRating = 3;
  add_item(jobs, 4, 1).StaffJobRating = 7;
  jobs.push_back(nullptr);
  add_item(jobs, 2, 2).StaffJobRating = 7;
  EXPECT_TRUE(sort_staff_job(jobs));
  EXPECT_EQ(ids_of(jobs), (std::vector<int>{2, 4, 5, 0, 0}));

  auto& clauses = store_.staff_contract_clauses_list;
  for (const int id : {3, 50002, 1, 50001})
    add_item(clauses, id, 1);
  clauses.insert(clauses.begin(), nullptr);
  EXPECT_TRUE(sort_staff_contract_clauses(clauses));
  EXPECT_EQ(ids_of(clauses), (std::vector<int>{50002, 50001, 3, 1, 0}));
}

// The date sorts read dates in the program's locale order.
TEST_F(item_sorts_test, date_sorts_follow_the_locale_order) {
  scoped_app_locale us(std::make_shared<item_test_locale>("mm_dd_yyyy", '-'));
  auto& retirements = store_.staff_retirement_list;
  add_item(retirements, 1, 1).StaffRetirementDate = "12-01-2020";
  add_item(retirements, 2, 1).StaffRetirementDate = "01-12-2020";
  add_item(retirements, 3, 1).StaffRetirementDate = "";
  EXPECT_TRUE(sort_staff_retirement(retirements));
  EXPECT_EQ(ids_of(retirements), (std::vector<int>{3, 2, 1}));
}

// Marked moves ("true" in any case) and other members' moves do not count.
TEST_F(item_sorts_test, count_staff_ppms_leaves_out_marked_moves) {
  auto& ppms = store_.staff_ppm_list;
  const char* marks[] = {"False", "TRUE", "", "False", "false", "False"};
  int id = 1;
  for (const char* mark : marks)
    add_item(ppms, id++, 1).StaffPPMMarkedForDeletion = mark;
  add_item(ppms, id++, 2).StaffPPMMarkedForDeletion = "False";
  ppms.push_back(nullptr);
  EXPECT_EQ(count_staff_ppms(1, ppms), 5);
  EXPECT_EQ(count_staff_ppms(2, ppms), 1);
  EXPECT_EQ(count_staff_ppms(3, ppms), 0);
}

}  // namespace
