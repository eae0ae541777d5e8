#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <thread>

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

std::filesystem::perms mode_of(const std::filesystem::path& path) {
  return std::filesystem::status(path).permissions();
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
  staff->StaffPlayerWeightAmount = 1e10f;  // too wide for two decimals
  staff->StaffPlayerWeightAmountText = "heavy";
  data.file.file_decimal_separator = ',';
  ASSERT_TRUE(save(folder / "out.staff", data));
  EXPECT_EQ(staff->StaffPlayerHeightAmountText.view(), "180,50");
  EXPECT_EQ(staff->StaffPlayerWeightAmountText.view(), "1e+10");
  data.file.file_decimal_separator = '.';
  ASSERT_TRUE(save(folder / "out.staff", data));
  EXPECT_EQ(staff->StaffPlayerHeightAmountText.view(), "180.50");
}

TEST_F(StaffWriter, EveryAmountIsWrittenAsAFiniteNumberThatReadsBackToItself) {
  struct amount_case {
    const char* text;  // as the first file holds it
    const char* written;
  };
  const amount_case cases[] = {
      {"1e39", "3.403e+38"},  // beyond the float range: the largest float
      {"-1e39", "-3.4e+38"},  // "-3.40e+38" would read back as the float of "-3.4e+38"
      {"2.0001e37", "2e+37"},    {"1.0001e10", "1e+10"},
      {"1.2346e9", "1.235e+09"}, {"123456789", "123456792"},
      {"1,5e-3", "0.00"},        {"0.126", "0.13"},
      {"-0", "-0.00"},
  };
  for (const auto& [text, written] : cases) {
    write_text_file(folder / "in.staff", staff_file(staff_line({{1, "4"}, {169, text}}) + "\n"));
    ASSERT_TRUE(load_file(folder / "in.staff", data, locale));
    EXPECT_TRUE(std::isfinite(data.records.staff_list[0]->StaffPlayerHeightAmount)) << text;
    ASSERT_TRUE(save(folder / "first.staff", data));
    EXPECT_EQ(data.records.staff_list[0]->StaffPlayerHeightAmountText.view(), written) << text;
    // The first save's text is the one every later save writes.
    data_set reloaded;
    ASSERT_TRUE(load_file(folder / "first.staff", reloaded, locale));
    ASSERT_TRUE(save(folder / "second.staff", reloaded));
    EXPECT_EQ(reloaded.records.staff_list[0]->StaffPlayerHeightAmountText.view(), written) << text;
    EXPECT_TRUE(read_text_file(folder / "second.staff") == read_text_file(folder / "first.staff"))
        << text;
  }
  // Amounts set in memory beyond any file's reach are written within it as well.
  data.records.staff_list[0]->StaffPlayerHeightAmount = std::numeric_limits<float>::infinity();
  data.records.staff_list[0]->StaffPlayerWeightAmount = std::numeric_limits<float>::quiet_NaN();
  ASSERT_TRUE(save(folder / "out.staff", data));
  EXPECT_EQ(data.records.staff_list[0]->StaffPlayerHeightAmountText.view(), "3.403e+38");
  EXPECT_EQ(data.records.staff_list[0]->StaffPlayerWeightAmountText.view(), "0.00");
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
  EXPECT_EQ(files_in(folder.path()),
            (std::vector<std::string>{"Team.staff", "out.staff", "program"}));
  EXPECT_EQ(data.file.file_name, (folder / "Team.staff").string());

  data.records.staff_job_orig_list[1]->Researcher = "R.";
  data.records.staff_list[0]->StaffNickName = "line\nbreak";
  EXPECT_FALSE(save(folder / "out.staff", data));
  EXPECT_NE(get_last_error().find("record 5 of the staff lines"), std::string::npos);
  EXPECT_NE(get_last_error().find("StaffNickName"), std::string::npos);
}

TEST_F(StaffWriter, CarriageReturnsInFieldsBecomeBlanksSoTheFileCanBeSaved) {
  recording_observer observer;
  ASSERT_TRUE(
      load_data(fixture_path("carriage_return_in_field.staff").string(), data, {locale, observer}));
  // Two texts in the staff line, the same two in its original and one in a job item.
  EXPECT_EQ(observer.calls.back(),
            "warning 5 texts of the file held a line break (carriage return), which a .staff "
            "file cannot store; each was replaced by a blank so that the file can be saved. The "
            "first is in the record with id 41 (staff lines).");
  EXPECT_EQ(
      std::ranges::count_if(observer.calls,
                            [](const std::string& call) { return call.starts_with("warning"); }),
      1);
  EXPECT_EQ(data.records.staff_list[0]->StaffFirstName.view(), "Anna Maria");
  EXPECT_EQ(data.records.staff_list[0]->StaffCommonName.view(), "  Anni");
  EXPECT_EQ(data.records.staff_orig_list[0]->StaffFirstName.view(), "Anna Maria");
  EXPECT_EQ(data.records.staff_job_list[0]->Researcher.view(), "R. Fixture");

  ASSERT_TRUE(save(folder / "out.staff", data));
  EXPECT_EQ(read_text_file(folder / "out.staff").find('\r'), std::string::npos);
  observer.calls.clear();
  data_set reloaded;
  ASSERT_TRUE(load_data((folder / "out.staff").string(), reloaded, {locale, observer}));
  EXPECT_TRUE(same_records(data.records, reloaded.records));
  EXPECT_FALSE(observer.calls.front().starts_with("warning"));  // nothing left to replace
}

TEST_F(StaffWriter, TargetThatCannotBeWrittenFailsSayingWhyWithoutLeavingFiles) {
  write_text_file(folder / "plain_file", "x");
  std::filesystem::create_directory(folder / "a_folder.staff");
  ASSERT_EQ(::mkfifo((folder / "pipe.staff").c_str(), 0600), 0);
  std::filesystem::create_symlink("loop_b.staff", folder / "loop_a.staff");
  std::filesystem::create_symlink("loop_a.staff", folder / "loop_b.staff");
  struct target_case {
    std::filesystem::path path;
    const char* reason;
  };
  const target_case cases[] = {
      {folder / "missing" / "out.staff", "No such file or directory"},
      {folder / "plain_file" / "out.staff", "Not a directory"},
      {folder / "a_folder.staff", "it is not a regular file"},
      {folder / "pipe.staff", "it is not a regular file"},
      {folder / "loop_a.staff", "Too many levels of symbolic links"},
  };
  for (const auto& [path, reason] : cases) {
    EXPECT_FALSE(save(path, data)) << path;
    EXPECT_EQ(get_last_error(), "save_data failed to open file " + path.string() + ": " + reason);
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder / "a_folder.staff"));
  EXPECT_EQ(read_text_file(folder / "plain_file"), "x");
  EXPECT_EQ(files_in(folder.path()),
            (std::vector<std::string>{"a_folder.staff", "loop_a.staff", "loop_b.staff",
                                      "pipe.staff", "plain_file"}));
}

TEST_F(StaffWriter, FolderThatCannotBeEnteredFailsSayingWhy) {
  namespace fs = std::filesystem;
  fs::permissions(folder.path(), fs::perms::all);  // reachable for the check below
  const fs::path closed = folder / "closed";
  fs::create_directory(closed);
  write_text_file(closed / "Club.staff", "old content\n");
  fs::permissions(closed, fs::perms::none);
  data.file.file_name.clear();  // no backup to make
  const std::string path = (closed / "Club.staff").string();
  EXPECT_TRUE(passes_without_privileges([&] {
    return !save(path, data) &&
           get_last_error() == "save_data failed to open file " + path + ": Permission denied";
  }));
  fs::permissions(closed, fs::perms::owner_all);
  EXPECT_EQ(read_text_file(path), "old content\n");
}

TEST_F(StaffWriter, FileOnlyOthersMayWriteIsRefusedSayingWhy) {
  if (::geteuid() != 0) {
    GTEST_SKIP() << "only the super-user can give a file to another user";
  }
  namespace fs = std::filesystem;
  fs::permissions(folder.path(), fs::perms::all);  // reachable for the check below
  // Its owner and group may write it; the user saving is neither.
  const fs::path path = folder / "shared.staff";
  write_text_file(path, "old content\n");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                            fs::perms::group_write | fs::perms::others_read);
  data.file.file_name.clear();  // no backup to make
  EXPECT_TRUE(passes_without_privileges([&] {
    return !save(path, data) && get_last_error() == "save_data failed to open file " +
                                                        path.string() +
                                                        ": the file is read-only (Permission "
                                                        "denied)";
  }));
  EXPECT_EQ(read_text_file(path), "old content\n");
}

TEST_F(StaffWriter, SavingThroughALinkWritesTheFileItPointsTo) {
  load_fixture();
  std::filesystem::create_directory(folder / "real");
  write_text_file(folder / "real" / "Club.staff", "old content\n");
  std::filesystem::create_symlink("real/Club.staff", folder / "link.staff");
  std::filesystem::create_symlink(folder / "link.staff", folder / "link_to_link.staff");
  ASSERT_TRUE(save(folder / "link_to_link.staff", data));
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.staff"));
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "link_to_link.staff"));
  const std::string saved = read_text_file(folder / "real" / "Club.staff");
  EXPECT_NE(saved, "old content\n");
  EXPECT_EQ(files_in(folder / "real"), std::vector<std::string>{"Club.staff"});

  // The next save backs up the file the link points to.
  ASSERT_TRUE(save(folder / "link.staff", data));
  EXPECT_EQ(read_text_file(folder / "real" / "Club.staff"), saved);
  const std::filesystem::path backup =
      folder / "program" / "backup staff files" / "link_to_link_31_12_2012_14_05_09.staff";
  ASSERT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(backup)));
  EXPECT_EQ(read_text_file(backup), saved);
}

TEST_F(StaffWriter, ReplacedFileKeepsItsModeAndAReadOnlyFileIsRefused) {
  namespace fs = std::filesystem;
  load_fixture();
  write_text_file(folder / "private.staff", "old\n");
  fs::permissions(folder / "private.staff", fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(save(folder / "private.staff", data));
  EXPECT_EQ(mode_of(folder / "private.staff"), fs::perms::owner_read | fs::perms::owner_write);

  const fs::perms shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                           fs::perms::group_write | fs::perms::others_read;
  fs::permissions(folder / "private.staff", shared);
  ASSERT_TRUE(save(folder / "private.staff", data));
  EXPECT_EQ(mode_of(folder / "private.staff"), shared);

  write_text_file(folder / "locked.staff", "old\n");
  const fs::perms read_only = fs::perms::owner_read | fs::perms::group_read;
  fs::permissions(folder / "locked.staff", read_only);
  const std::string path = (folder / "locked.staff").string();
  EXPECT_FALSE(save(path, data));
  EXPECT_EQ(get_last_error(), "save_data failed to open file " + path + ": the file is read-only");
  EXPECT_EQ(read_text_file(path), "old\n");
  EXPECT_EQ(mode_of(path), read_only);
}

TEST_F(StaffWriter, FolderThatAllowsNoNewFileFailsNamingTheFolder) {
  namespace fs = std::filesystem;
  load_fixture();
  const fs::path closed = folder / "closed";
  fs::create_directory(closed);
  write_text_file(closed / "Club.staff", "old content\n");
  fs::permissions(folder.path(), fs::perms::all);  // reachable for the check below
  fs::permissions(closed / "Club.staff", fs::perms::all);
  const fs::perms read_and_enter = fs::perms::owner_read | fs::perms::owner_exec |
                                   fs::perms::group_read | fs::perms::group_exec |
                                   fs::perms::others_read | fs::perms::others_exec;
  fs::permissions(closed, read_and_enter);
  data.file.file_name.clear();  // no backup to make
  const std::string path = (closed / "Club.staff").string();
  EXPECT_TRUE(passes_without_privileges([&] {
    return !save(path, data) &&
           get_last_error() == "save_data failed to open file " + path + ": the folder " +
                                   closed.string() +
                                   " allows no new file, which saving needs beside the file "
                                   "(Permission denied)";
  }));
  EXPECT_EQ(read_text_file(path), "old content\n");
  EXPECT_EQ(files_in(closed), std::vector<std::string>{"Club.staff"});
  fs::permissions(closed, fs::perms::owner_all);  // so that the scratch folder can go
}

TEST_F(StaffWriter, LongestFileNameStillSaves) {
  load_fixture();
  const std::string name = std::string(255 - 6, 'n') + ".staff";
  ASSERT_TRUE(save(folder / name, data));
  EXPECT_EQ(files_in(folder.path()), (std::vector<std::string>{"Team.staff", name, "program"}));
}

TEST_F(StaffWriter, ConcurrentSavesLeaveOneWholeFile) {
  load_fixture();
  data_set other;
  ASSERT_TRUE(load_file(folder / "Team.staff", other, locale));
  other.records.staff_list.clear();
  ASSERT_TRUE(save(folder / "a.staff", data));
  ASSERT_TRUE(save(folder / "b.staff", other));
  const std::string full = read_text_file(folder / "a.staff");
  const std::string shorter = read_text_file(folder / "b.staff");
  const std::string target = (folder / "shared.staff").string();
  const auto save_often = [&](data_set* set) {
    std::string warning;
    for (int i = 0; i < 40; ++i) {
      set->file.file_name.clear();  // no backups, which would share one name
      save_data(target, *set, {locale, clock}, warning);
    }
  };
  std::thread first(save_often, &data);
  std::thread second(save_often, &other);
  first.join();
  second.join();
  const std::string result = read_text_file(target);
  EXPECT_TRUE(result == full || result == shorter);
  EXPECT_EQ(files_in(folder.path()), (std::vector<std::string>{"Team.staff", "a.staff", "b.staff",
                                                               "program", "shared.staff"}));
}

TEST_F(StaffWriter, FailedWriteReportsItsPart) {
  std::FILE* full = std::fopen("/dev/full", "w");
  if (!full) {
    GTEST_SKIP() << "no /dev/full";
  }
  load_fixture();
  EXPECT_FALSE(write_staff_file(full, data, locale));
  EXPECT_EQ(get_last_error(), "save_data - write failed: No space left on device");
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

TEST_F(StaffWriter, PlainSaveBacksUpTheFileItReplaces) {
  load_fixture();
  const std::string before = read_text_file(folder / "Team.staff");
  data.records.staff_list[0]->StaffFirstName = "Changed";
  ASSERT_TRUE(save(folder / "Team.staff", data));
  EXPECT_EQ(backup_warning, "");
  EXPECT_EQ(
      read_text_file(folder / "program" / "backup staff files" / "Team_31_12_2012_14_05_09.staff"),
      before);
  EXPECT_NE(read_text_file(folder / "Team.staff").find("\"Changed\""), std::string::npos);
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
