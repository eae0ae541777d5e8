#include <gtest/gtest.h>

#include <cstdio>

#include "records/last_error.h"
#include "records/program_paths.h"
#include "records/staff_backup.h"
#include "records/staff_order.h"
#include "records/staff_reader.h"
#include "records/staff_writer.h"
#include "records_test_support.h"

namespace {

const date_time save_moment{2012, 12, 31, 14, 5, 9};

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

class StaffWriter : public testing::Test {
 protected:
  void SetUp() override {
    saved_program_folder = program_folder();
    set_program_folder(folder / "program");
  }
  void TearDown() override { set_program_folder(saved_program_folder); }

  bool save(const std::filesystem::path& path, data_set& target) {
    return save_data(path.string(), target, {locale, clock}, backup_warning);
  }

  // Loads the fixture from a copy named Team.staff.
  void load_fixture() {
    std::filesystem::copy_file(fixture_path("every_section.staff"), folder / "Team.staff");
    ASSERT_TRUE(load_file(folder / "Team.staff", data, locale));
  }

  scratch_folder folder;
  std::filesystem::path saved_program_folder;
  fake_locale locale{"dd_mm_yyyy", '/'};
  fixed_clock clock{save_moment};
  data_set data;
  std::string backup_warning;
};

TEST_F(StaffWriter, LoadSaveLoadKeepsEveryRecordAndSecondSaveIsIdentical) {
  load_fixture();
  data_set fixture;
  ASSERT_TRUE(load_file(folder / "Team.staff", fixture, locale));

  ASSERT_TRUE(save(folder / "first.staff", data));
  data_set reloaded;
  ASSERT_TRUE(load_file(folder / "first.staff", reloaded, locale));
  EXPECT_TRUE(same_records(data.records, reloaded.records));
  // Originals go back as they came; only the staff ones are put in id order.
  sort_staff_by_id(fixture.records.staff_orig_list);
  sort_staff_by_id(fixture.records.staff_list);
  EXPECT_TRUE(same_records(fixture.records, data.records));

  ASSERT_TRUE(save(folder / "second.staff", data));
  ASSERT_TRUE(save(folder / "third.staff", reloaded));
  const std::string first = read_text_file(folder / "first.staff");
  EXPECT_EQ(read_text_file(folder / "second.staff"), first);
  EXPECT_EQ(read_text_file(folder / "third.staff"), first);
  EXPECT_EQ(data.file.file_name, (folder / "second.staff").string());
}

TEST_F(StaffWriter, WritesTheLeadingLinesAndStaffInIdOrder) {
  load_fixture();
  ASSERT_TRUE(save(folder / "out.staff", data));
  const std::vector<std::string> lines = lines_of(read_text_file(folder / "out.staff"));
  ASSERT_GT(lines.size(), 12u);
  EXPECT_EQ(lines[0], "31/12/1999");
  EXPECT_EQ(lines[1], "8,88");
  EXPECT_EQ(lines[2], "1234");
  EXPECT_TRUE(lines[3].starts_with("[StaffID][DateUpdated];[Researcher];"));
  EXPECT_TRUE(lines[4].starts_with("\"5\";"));
  EXPECT_TRUE(lines[5].starts_with("\"12\";"));
  EXPECT_TRUE(lines[6].starts_with("\"30\";"));
  EXPECT_EQ(lines[7], "ORIG_DATA");
  EXPECT_TRUE(lines[8].starts_with("\"5\";"));
  EXPECT_EQ(lines[11], "STAFF_FAVOURITE_STAFF");
}

TEST_F(StaffWriter, SampleDateFollowsTheLocale) {
  struct sample_case {
    const char* order;
    char separator;
    const char* line;
  };
  const sample_case cases[] = {{"yyyy_mm_dd", '.', "1999.12.31"},
                               {"mm_dd_yyyy", '-', "12-31-1999"},
                               {"dd_mm_yyyy", ' ', "31/12/1999"},  // no usable separator
                               {"", '/', "31/12/1999"}};           // no known order
  for (const auto& [order, separator, line] : cases) {
    data_set empty;
    empty.locale.locale_date_order = order;
    const fake_locale other(order, separator);
    ASSERT_TRUE(save_data((folder / "out.staff").string(), empty, {other, clock}, backup_warning));
    EXPECT_EQ(lines_of(read_text_file(folder / "out.staff"))[0], line) << order << separator;
  }
}

TEST_F(StaffWriter, EmptyKindsStillWriteTheirKeywordsAndHeader) {
  data_set empty;
  ASSERT_TRUE(save(folder / "out.staff", empty));
  const std::vector<std::string> lines = lines_of(read_text_file(folder / "out.staff"));
  EXPECT_EQ(lines[1], "8.88");  // no separator known: '.'
  EXPECT_EQ(lines[2], "0");
  EXPECT_EQ(lines[4], "ORIG_DATA");
  EXPECT_EQ(lines[5], "STAFF_FAVOURITE_STAFF");
  EXPECT_EQ(lines[6], item_header(0));
  EXPECT_EQ(lines[7], "STAFF_FAVOURITE_STAFF_ORIG_DATA");
  EXPECT_EQ(lines.back(), "STAFF_LONG_TERM_CAREER_ORIG_DATA");
  EXPECT_EQ(lines.size(), 5u + 17u * 3u);
}

TEST_F(StaffWriter, LegacyFileIsSavedInAFormThatReadsBack) {
  write_text_file(folder / "old.staff", "Northtown Rovers\n" + staff_header() + "\n" +
                                            staff_line({{1, "4"}, {169, "1,85"}}) + "\n");
  ASSERT_TRUE(load_file(folder / "old.staff", data, locale));
  ASSERT_TRUE(save(folder / "new.staff", data));
  data_set reloaded;
  ASSERT_TRUE(load_file(folder / "new.staff", reloaded, locale));
  EXPECT_EQ(reloaded.file.file_date_order, "dd_mm_yyyy");
  EXPECT_EQ(reloaded.file.file_decimal_separator, '.');
  EXPECT_EQ(reloaded.records.staff_list[0]->StaffPlayerHeightAmountText.view(), "1.85");
  EXPECT_TRUE(same_records(data.records, reloaded.records));
}

TEST_F(StaffWriter, HeightAndWeightTextsAreRewrittenWithTheFilesSeparator) {
  qor_staff* staff = data.records.staff_list.emplace_back(std::make_unique<qor_staff>()).get();
  staff->StaffPlayerHeightAmount = 180.5f;
  staff->StaffPlayerWeightAmount = 1e10f;  // too wide for its text: the text is kept
  staff->StaffPlayerWeightAmountText = "heavy";
  data.file.file_decimal_separator = ',';
  ASSERT_TRUE(save(folder / "out.staff", data));
  EXPECT_EQ(staff->StaffPlayerHeightAmountText.view(), "180,50");
  EXPECT_EQ(staff->StaffPlayerWeightAmountText.view(), "heavy");
  data.file.file_decimal_separator = '.';
  ASSERT_TRUE(save(folder / "out.staff", data));
  EXPECT_EQ(staff->StaffPlayerHeightAmountText.view(), "180.50");
}

TEST_F(StaffWriter, AchievementsKeepTheirFourteenthColumn) {
  constexpr int achievements = 11;
  write_text_file(folder / "in.staff",
                  staff_file("STAFF_ACHIEVEMENTS\n" + item_header(achievements) + "\n" +
                             item_line(achievements, {{1, "8"}, {14, "Promoted"}}) + "\n"));
  ASSERT_TRUE(load_file(folder / "in.staff", data, locale));
  ASSERT_TRUE(save(folder / "out.staff", data));
  data_set reloaded;
  ASSERT_TRUE(load_file(folder / "out.staff", reloaded, locale));
  EXPECT_EQ(
      reloaded.records.staff_achievements_list[0]->StaffAchievementsPromotionOrRelegation.view(),
      "Promoted");
}

TEST_F(StaffWriter, RecordWithAQuoteIsRefusedAndTheOldFileStaysWhole) {
  load_fixture();
  write_text_file(folder / "out.staff", "old content\n");
  data.records.staff_job_orig_list[1]->Researcher = "R. \"Quote\"";
  EXPECT_FALSE(save(folder / "out.staff", data));
  EXPECT_EQ(get_last_error(),
            "save_data - record 120 of STAFF_JOB_ORIG_DATA cannot be written: its column "
            "Researcher holds a double quote, carriage return or line feed");
  EXPECT_EQ(read_text_file(folder / "out.staff"), "old content\n");
  EXPECT_FALSE(std::filesystem::exists(folder / "out.staff.saving"));
  EXPECT_EQ(data.file.file_name, (folder / "Team.staff").string());

  data.records.staff_job_orig_list[1]->Researcher = "R.";
  data.records.staff_list[0]->StaffNickName = "line\nbreak";
  EXPECT_FALSE(save(folder / "out.staff", data));
  EXPECT_NE(get_last_error().find("record 5 of the staff lines"), std::string::npos);
  EXPECT_NE(get_last_error().find("StaffNickName"), std::string::npos);
}

TEST_F(StaffWriter, TargetThatCannotBeWrittenFailsWithoutLeavingFiles) {
  write_text_file(folder / "plain_file", "x");
  std::filesystem::create_directory(folder / "a_folder.staff");
  for (const std::filesystem::path& path :
       {folder / "missing" / "out.staff", folder / "plain_file" / "out.staff",
        folder / "a_folder.staff"}) {
    EXPECT_FALSE(save(path, data)) << path;
    EXPECT_EQ(get_last_error(), "save_data failed to open file " + path.string());
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder / "a_folder.staff"));
  EXPECT_EQ(read_text_file(folder / "plain_file"), "x");
}

TEST_F(StaffWriter, FailedWriteReportsItsPart) {
  std::FILE* full = std::fopen("/dev/full", "w");
  if (!full) {
    GTEST_SKIP() << "no /dev/full";
  }
  load_fixture();
  EXPECT_FALSE(write_staff_file(full, data, locale));
  EXPECT_EQ(get_last_error(), "save_data - write failed");
  std::fclose(full);
}

TEST_F(StaffWriter, BackupCopiesTheLastLoadedFileIntoANewFolder) {
  load_fixture();
  ASSERT_TRUE(save(folder / "elsewhere.staff", data));
  EXPECT_EQ(backup_warning, "");
  const std::filesystem::path backup =
      folder / "program" / "backup staff files" / "Team_31_12_2012_14_05_09.staff";
  ASSERT_TRUE(std::filesystem::exists(backup));
  EXPECT_EQ(read_text_file(backup), read_text_file(fixture_path("every_section.staff")));
}

TEST_F(StaffWriter, FailedBackupIsAWarningAndTheSaveGoesOn) {
  load_fixture();
  write_text_file(folder / "program", "a file where the program folder should be");
  ASSERT_TRUE(save(folder / "out.staff", data));
  EXPECT_NE(backup_warning.find("Team.staff"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(folder / "out.staff"));
}

TEST(BackupName, StripsOnlyAnExistingExtension) {
  const fake_locale locale("dd_mm_yyyy", '/');
  EXPECT_EQ(backup_file_name("/data/Team.staff", locale, save_moment),
            "Team_31_12_2012_14_05_09.staff");
  EXPECT_EQ(backup_file_name("/data/Team", locale, save_moment), "Team_31_12_2012_14_05_09.staff");
  EXPECT_EQ(backup_file_name("club.v2.staff", fake_locale("yyyy_mm_dd", '-'), save_moment),
            "club.v2_2012-12-31_14_05_09.staff");
}

TEST(SortStaffById, TiesGoByDisplayNameIgnoringCaseAndNullsLast) {
  record_vector<qor_staff> staff;
  const auto add = [&](std::int32_t id, const char* second, const char* common) {
    auto& record = staff.emplace_back(std::make_unique<qor_staff>());
    record->StaffID = id;
    record->StaffSecondName = second;
    record->StaffCommonName = common;
  };
  add(5, "beta", "");
  staff.push_back(nullptr);
  add(5, "zulu", "Alpha");
  add(3, "z", "");
  add(5, "Beta", "");
  sort_staff_by_id(staff);
  EXPECT_EQ(staff[0]->StaffID, 3);
  EXPECT_EQ(display_name(*staff[1]), "Alpha");
  EXPECT_EQ(staff[2]->StaffSecondName.view(), "beta");  // equal names keep their order
  EXPECT_EQ(staff[3]->StaffSecondName.view(), "Beta");
  EXPECT_EQ(staff[4], nullptr);
}

}  // namespace
