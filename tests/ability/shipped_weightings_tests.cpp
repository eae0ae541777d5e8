#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <utility>

#include "ability/position_weightings.h"
#include "ability/weighting_names.h"
#include "records/program_paths.h"
#include "records/quoted_fields.h"
#include "weighting_rows.h"

namespace {

class ShippedWeightings : public testing::Test {
 protected:
  void SetUp() override { set_program_folder(STAFF_EDITOR_SOURCE_DIR); }
};

TEST_F(ShippedWeightings, ReadsWithoutComplaint) {
  POSITION_WEIGHTINGS table;
  int messages = 0;
  EXPECT_TRUE(load_weightings(table, [&](const std::string&) { ++messages; }));
  EXPECT_EQ(messages, 0);
}

TEST_F(ShippedWeightings, NamesEveryAttributeForEveryPositionCode) {
  std::ifstream file(data_folder() / "weightings.edt");
  std::set<std::pair<std::string, std::string>> named;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line.front() == '#') {
      continue;
    }
    std::string_view fields[4];
    std::size_t position = 0;
    for (auto& field : fields) {
      ASSERT_TRUE(next_quoted_field(line, position, field)) << line;
    }
    named.emplace(fields[1], fields[2]);
  }
  for (const auto& code : weighting_position_codes()) {
    for (const auto& attribute : weighting_attribute_names()) {
      EXPECT_TRUE(named.count({std::string(code.code), std::string(attribute.name)}))
          << code.code << " / " << attribute.name;
    }
  }
}

TEST_F(ShippedWeightings, WeightsFitThePositions) {
  POSITION_WEIGHTINGS table;
  ASSERT_TRUE(load_weightings(table, {}));
  constexpr int handling = 36, reflexes = 47, finishing = 27, marking = 30, crossing = 25;
  EXPECT_GE(table.get_weighting(GK, handling), 80);
  EXPECT_GE(table.get_weighting(GK, reflexes), 80);
  EXPECT_EQ(table.get_weighting(ST, handling), 0);
  EXPECT_GT(table.get_weighting(ST, finishing), table.get_weighting(DC, finishing));
  EXPECT_GT(table.get_weighting(DC, marking), table.get_weighting(AMC, marking));
  EXPECT_EQ(table.get_weighting(ML, crossing), table.get_weighting(MR, crossing));
  EXPECT_EQ(table.get_weighting(WBL, crossing), table.get_weighting(WBR, crossing));
}

}  // namespace
