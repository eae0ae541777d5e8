#include <gtest/gtest.h>
#include <sys/stat.h>

#include <new>

#include "records/dates.h"
#include "records/last_error.h"
#include "records/lookup_lists.h"
#include "records/staff_reader.h"
#include "records_test_support.h"

namespace {

constexpr int job_kind = 9, history_kind = 4;

// Replaces the lookup lists for one test.
struct lookup_lists_guard {
  lookup_lists saved = lookups();
  ~lookup_lists_guard() { lookups() = saved; }
};

class StaffReader : public testing::Test {
 protected:
  std::filesystem::path write(const std::string& text, const std::string& name = "in.staff") {
    write_text_file(folder / name, text);
    return folder / name;
  }

  // Loads `text` into `data`, recording the observer's calls.
  bool load(const std::string& text, const system_locale& locale = fake_locale()) {
    observer.calls.clear();
    return load_data(write(text).string(), data, {locale, observer});
  }

  scratch_folder folder;
  data_set data;
  recording_observer observer;
};

TEST_F(StaffReader, ReadsTheLeadingLines) {
  lookup_lists_guard guard;
  lookups().club_list = {"Other;1;2;3;4;99", "Northtown Rovers;5;9;10;20;1234"};
  ASSERT_TRUE(load("IMPORTED\n" + staff_file("", "31/12/1999", "8,88", "1234")));
  EXPECT_EQ(observer.calls.front(), "warning This file has already been imported into a db");
  const file_settings& file = data.file;
  EXPECT_EQ(file.first_line.view(), "31/12/1999");
  EXPECT_EQ(file.file_date_order, "dd_mm_yyyy");
  EXPECT_EQ(file.file_decimal_separator, ',');
  EXPECT_EQ(file.file_club_id, 1234);
  EXPECT_EQ(file.file_title.view(), "Northtown Rovers");
  EXPECT_EQ(file.club_star_players_from, 5);
  EXPECT_EQ(file.club_star_players_to, 9);
  EXPECT_EQ(file.club_first_team_players_from, 10);
  EXPECT_EQ(file.club_first_team_players_to, 20);
  EXPECT_EQ(file.file_name, (folder / "in.staff").string());
}

TEST_F(StaffReader, SampleDateDecidesTheFileDateOrder) {
  const std::pair<const char*, const char*> cases[] = {{"31/12/1999", "dd_mm_yyyy"},
                                                       {"12-31-1999", "mm_dd_yyyy"},
                                                       {"1999.12.31", "yyyy_mm_dd"},
                                                       {"7/7/2000", "yyyy_mm_dd"}};
  for (const auto& [sample, order] : cases) {
    ASSERT_TRUE(load(staff_file("", sample))) << sample;
    EXPECT_EQ(data.file.file_date_order, order) << sample;
  }
}

TEST_F(StaffReader, LegacyFileTakesItsTitleAndForgetsThePreviousFilesClub) {
  ASSERT_TRUE(load(staff_file("", "12/31/1999", "8,88", "1234")));
  ASSERT_TRUE(load("Northtown Rovers\n" + staff_header() + "\n" +
                   staff_line({{1, "1"}, {7, "12/31/1980"}}) + "\n"));
  EXPECT_EQ(data.file.file_title.view(), "Northtown Rovers");
  EXPECT_EQ(data.file.file_club_id, 0);
  EXPECT_EQ(data.file.club_star_players_to, 0);
  EXPECT_EQ(data.file.file_date_order, "");
  EXPECT_EQ(data.file.file_decimal_separator, 0);
  // With no known order the dates are kept as the file wrote them.
  EXPECT_EQ(data.records.staff_list[0]->StaffDateOfBirth.view(), "12/31/1980");
}

TEST_F(StaffReader, AcceptsBothStaffHeaderFormsInAnyCase) {
  std::string regular = staff_header();
  regular.insert(regular.find(']') + 1, ";");
  for (const std::string& header :
       {regular, staff_header().substr(0, 30), staff_header() + ";", regular + " ",
        std::string("[STAFFID][DATEUPDATED];[RESEARCHER]")}) {
    EXPECT_TRUE(load("31/12/1999\n8.88\n1\n" + header + "\n")) << header;
  }
}

TEST_F(StaffReader, FixtureWithEverySectionLoads) {
  ASSERT_TRUE(load_file(fixture_path("every_section.staff"), data));
  const record_store& records = data.records;
  ASSERT_EQ(records.staff_list.size(), 3u);  // comment, blank and indented lines skipped
  EXPECT_EQ(records.staff_list[0]->StaffID, 30);
  EXPECT_EQ(records.staff_orig_list.size(), 3u);
  EXPECT_EQ(records.staff_orig_list[1]->StaffPlayerCurrentAbility, 111);
  EXPECT_EQ(records.staff_job_list.size(), 3u);  // a repeated section adds to the same kind
  EXPECT_EQ(records.staff_job_orig_list.size(), 2u);
  EXPECT_EQ(records.staff_language_orig_list.size(), 2u);  // no keyword: copies
  EXPECT_EQ(records.staff_ppm_orig_list.size(), 0u);       // keyword without lines: none
  EXPECT_EQ(records.staff_long_term_career_list.size(), 2u);
  EXPECT_EQ(records.staff_long_term_career_orig_list.size(), 2u);
  EXPECT_EQ(records.staff_list[0]->StaffPlayerHeightAmountText.view(), "1,85");
  EXPECT_EQ(records.temporary_id_counter, 136);  // the job of the repeated section is new
}

TEST_F(StaffReader, OriginalsAreCopiedOnlyWithoutTheirKeyword) {
  const std::string jobs = "STAFF_JOB\n" + item_header(job_kind) + "\n" +
                           item_line(job_kind, {{1, "7"}, {2, "1"}}) + "\n";
  const std::string staff = staff_line({{1, "1"}}) + "\n";

  ASSERT_TRUE(load(staff_file(staff + jobs)));
  EXPECT_EQ(data.records.staff_orig_list.size(), 1u);
  EXPECT_EQ(data.records.staff_job_orig_list.size(), 1u);
  EXPECT_EQ(data.records.temporary_id_counter, 50001);  // the copies are originals: none is new

  ASSERT_TRUE(load(staff_file(staff + "orig_data\n" + jobs + "staff_job_orig_data\n")));
  EXPECT_EQ(data.records.staff_orig_list.size(), 0u);
  EXPECT_EQ(data.records.staff_job_orig_list.size(), 0u);
  EXPECT_EQ(data.records.temporary_id_counter, 8);  // one above the new job's id
}

TEST_F(StaffReader, DatesAreBroughtIntoTheLocalesOrder) {
  const std::string body = staff_line({{1, "1"}, {7, "12/31/1980"}, {2, "12/31/2012 14:05:09"}}) +
                           "\n" + "STAFF_JOB\n" + item_header(job_kind) + "\n" +
                           item_line(job_kind, {{1, "7"}, {5, "12/31/2012 14:05:09"}}) + "\n";
  ASSERT_TRUE(load(staff_file(body, "12/31/1999"), fake_locale("dd_mm_yyyy", '/')));
  EXPECT_EQ(data.records.staff_list[0]->StaffDateOfBirth.view(), "31/12/1980");
  EXPECT_EQ(data.records.staff_orig_list[0]->StaffDateOfBirth.view(), "31/12/1980");
  EXPECT_EQ(data.records.staff_job_list[0]->DateUpdated.view(), "31/12/2012 14:05:09");
  EXPECT_EQ(data.records.staff_job_orig_list[0]->DateUpdated.view(), "31/12/2012 14:05:09");
  EXPECT_EQ(data.locale.date_format, "dd/mm/yyyy");
}

TEST_F(StaffReader, DatesThatCannotBeConvertedAreKept) {
  const std::string too_long_after_padding = "1/1/1234567890 1:1:123456";  // 25 characters
  ASSERT_GT(convert_date_order("dd_mm_yyyy", "dd_mm_yyyy", too_long_after_padding, '/').size(),
            25u);
  ASSERT_TRUE(load(staff_file(
      staff_line({{1, "1"}, {7, "sometime"}, {19, "31/02"}, {2, too_long_after_padding}}) + "\n")));
  const qor_staff& staff = *data.records.staff_list[0];
  EXPECT_EQ(staff.StaffDateOfBirth.view(), "sometime");
  EXPECT_EQ(staff.StaffDateJoinedNation.view(), "31/02");
  EXPECT_EQ(staff.DateUpdated.view(), too_long_after_padding);
}

TEST_F(StaffReader, DerivesListIndicesFromTheLookupLists) {
  lookup_lists_guard guard;
  // A malformed entry has no code: an item whose code is -1 does not match it.
  lookups().currency_list = {"Euro; 1", "Broken entry", "Pound; 2", "Krona; 7"};
  const std::string body = "STAFF_HISTORIES\n" + item_header(history_kind) + "\n" +
                           item_line(history_kind, {{1, "3"}, {14, "7"}, {17, "99"}}) + "\n" +
                           item_line(history_kind, {{1, "4"}, {14, "-1"}, {17, "2"}}) + "\n";
  ASSERT_TRUE(load(staff_file(body)));
  EXPECT_EQ(data.records.staff_history_list[0]->StaffHistoryTransferFeeCurrencyIndex, 3);
  EXPECT_EQ(data.records.staff_history_list[0]->StaffHistoryLoanFeeCurrencyIndex, 0);
  EXPECT_EQ(data.records.staff_history_list[1]->StaffHistoryTransferFeeCurrencyIndex, 0);
  EXPECT_EQ(data.records.staff_history_list[1]->StaffHistoryLoanFeeCurrencyIndex, 2);
}

TEST_F(StaffReader, DrivesTheLoadingViewInOrder) {
  std::string body;
  for (int id = 1; id <= 3; ++id) {
    body += staff_line({{1, std::to_string(id)}}) + "\n";
  }
  ASSERT_TRUE(load(staff_file(body), fake_locale("yyyy_mm_dd", '-')));
  const std::vector<std::string> expected = {"masks yyyy_mm_dd",
                                             "show " + (folder / "in.staff").string(),
                                             "maximum 3",
                                             "step",
                                             "step",
                                             "step",
                                             "step",
                                             "step",
                                             "step",
                                             "hide"};
  EXPECT_EQ(observer.calls, expected);
}

TEST_F(StaffReader, SecondLoadReplacesEveryRecord) {
  ASSERT_TRUE(load_file(fixture_path("every_section.staff"), data));
  ASSERT_TRUE(load(staff_file(staff_line({{1, "77"}}) + "\n")));
  EXPECT_EQ(data.records.staff_list.size(), 1u);
  EXPECT_TRUE(data.records.staff_job_list.empty());
  EXPECT_TRUE(data.records.staff_job_orig_list.empty());
}

TEST_F(StaffReader, CarriageReturnsBeforeLineFeedsAreDropped) {
  ASSERT_TRUE(load("31/12/1999\r\n8.88\r\n5\r\n" + staff_header() + "\r\n" +
                   staff_line({{1, "1"}, {235, "TRUE"}}) + "\r\n"));
  EXPECT_EQ(data.file.file_club_id, 5);
  EXPECT_EQ(data.records.staff_list[0]->StaffCommonNameNewgenUseDenied.view(), "TRUE");
}

// A failed load leaves the previous data set, records and settings, as it was.
class FailedLoad : public StaffReader {
 protected:
  void SetUp() override {
    ASSERT_TRUE(load_file(fixture_path("every_section.staff"), data));
    before_name = data.file.file_name;
  }

  void expect_failure(const std::string& text, const std::string& message) {
    const std::filesystem::path path = write(text, "bad.staff");
    observer.calls.clear();
    EXPECT_FALSE(load_data(path.string(), data, {fake_locale("mm_dd_yyyy", '-'), observer}));
    EXPECT_EQ(get_last_error(), message + path.string());
    expect_previous_data_kept();
  }

  void expect_previous_data_kept() {
    data_set fixture;
    ASSERT_TRUE(load_file(fixture_path("every_section.staff"), fixture));
    EXPECT_TRUE(same_records(data.records, fixture.records));
    EXPECT_EQ(data.file.file_name, before_name);
    EXPECT_EQ(data.file.file_club_id, 1234);
    EXPECT_EQ(data.file.file_date_order, "dd_mm_yyyy");
    EXPECT_EQ(data.locale.locale_date_order, "dd_mm_yyyy");
  }

  std::string before_name;
};

TEST_F(FailedLoad, FileThatCannotBeOpenedOrReadSaysWhy) {
  write_text_file(folder / "plain_file", "x");
  std::filesystem::create_symlink("loop_b.staff", folder / "loop_a.staff");
  std::filesystem::create_symlink("loop_a.staff", folder / "loop_b.staff");
  struct open_case {
    std::filesystem::path path;
    const char* reason;
  };
  const open_case cases[] = {
      {folder / "missing.staff", "No such file or directory"},
      {folder / "plain_file" / "in.staff", "Not a directory"},
      {folder / "loop_a.staff", "Too many levels of symbolic links"},
      // A regular file whose first bytes cannot be read: the process's memory at address 0.
      {"/proc/self/mem", "Input/output error"},
  };
  for (const auto& [path, reason] : cases) {
    EXPECT_FALSE(load_data(path.string(), data, {fake_locale(), observer})) << path;
    EXPECT_EQ(get_last_error(), "load_data failed to open file " + path.string() + ": " + reason);
    expect_previous_data_kept();
  }
}

TEST_F(FailedLoad, FileThatMayNotBeReadSaysWhy) {
  std::filesystem::permissions(folder.path(), std::filesystem::perms::all);  // reachable below
  const std::filesystem::path path = write(staff_file(""), "private.staff");
  std::filesystem::permissions(path, std::filesystem::perms::owner_write);
  EXPECT_TRUE(passes_without_privileges([&] {
    return !load_data(path.string(), data, {fake_locale(), observer}) &&
           get_last_error() ==
               "load_data failed to open file " + path.string() + ": Permission denied";
  }));
}

TEST_F(FailedLoad, WrongStaffHeader) {
  expect_failure("31/12/1999\n8.88\n1\n[StaffName]\n", "load_data: Invalid format of file ");
  expect_failure("31/12/1999\n8.88\n1\n\n", "load_data: Invalid format of file ");
  expect_failure("31/12/1999\n8.88\n1\n[\n", "load_data: Invalid format of file ");
  expect_failure("", "load_data: Invalid format of file ");
  EXPECT_TRUE(std::ranges::find(observer.calls, "hide") == observer.calls.end());
}

TEST_F(FailedLoad, WrongItemHeader) {
  expect_failure(staff_file("STAFF_JOB\n# a comment in the header's place\n"),
                 "load_data: Invalid format of file (staff job)");
  EXPECT_EQ(observer.calls.back(), "hide");  // the loading view does not stay up
  expect_failure(staff_file("STAFF_DISLIKED_CLUBS\n\n"),
                 "load_data: Invalid format of file (Disliked Club)");
  expect_failure(staff_file("STAFF_NPT\n"), "load_data: Invalid format of file (staff npts)");
}

TEST_F(FailedLoad, EveryHeaderFailureNamesItsSection) {
  expect_failure("31/12/1999\n8.88\n1\n[Wrong]\n", "load_data: Invalid format of file ");
  const std::pair<const char*, const char*> sections[] = {
      {"STAFF_FAVOURITE_STAFF", "load_data: Invalid format of file (Favourite Staff)"},
      {"STAFF_DISLIKED_STAFF", "load_data: Invalid format of file (Disliked Staff)"},
      {"STAFF_FAVOURITE_CLUBS", "load_data: Invalid format of file (Favourite Club)"},
      {"STAFF_DISLIKED_CLUBS", "load_data: Invalid format of file (Disliked Club)"},
      {"STAFF_HISTORIES", "load_data: Invalid format of file (staff histories)"},
      {"STAFF_LANGUAGES", "load_data: Invalid format of file (staff languages)"},
      {"STAFF_PPM", "load_data: Invalid format of file (staff ppms)"},
      {"STAFF_NON_PLAYER_HISTORY",
       "load_data: Invalid format of file (staff non player histories)"},
      {"STAFF_INJURIES", "load_data: Invalid format of file (staff injuries)"},
      {"STAFF_JOB", "load_data: Invalid format of file (staff job)"},
      {"STAFF_CONTRACT_CLAUSES", "load_data: Invalid format of file (staff contract clauses)"},
      {"STAFF_ACHIEVEMENTS", "load_data: Invalid format of file (staff achievements)"},
      {"STAFF_NPT", "load_data: Invalid format of file (staff npts)"},
      {"STAFF_DAYS_AT_CLUB_NATION",
       "load_data: Invalid format of file (staff days at club/nation)"},
      {"STAFF_RETIREMENT", "load_data: Invalid format of file (staff retirements)"},
      {"STAFF_UNAVAILABILITY", "load_data: Invalid format of file (staff unavailability)"},
      {"STAFF_LONG_TERM_CAREER", "load_data: Invalid format of file (staff long_term_career)"},
  };
  int kind = 0;
  for (const auto& [keyword, message] : sections) {
    SCOPED_TRACE(keyword);
    expect_failure(staff_file(std::string(keyword) + "\n[Wrong]\n"), message);
    // The section's own header passes, also with one character more.
    data_set other;
    EXPECT_TRUE(load_data(
        write(staff_file(std::string(keyword) + "\n" + item_header(kind) + ";\n")).string(), other,
        {fake_locale(), observer}));
    ++kind;
  }
}

TEST_F(FailedLoad, AnythingButARegularFileIsRefusedAtOnce) {
  const std::filesystem::path pipe = folder / "pipe.staff";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  // Opening the pipe would wait for a writer forever.
  for (const std::filesystem::path& path : {pipe, folder.path()}) {
    EXPECT_FALSE(load_data(path.string(), data, {fake_locale(), observer}));
    EXPECT_EQ(get_last_error(),
              "load_data failed to open file " + path.string() + ": it is not a regular file");
    expect_previous_data_kept();
  }
}

// Runs out of memory in the middle of a load.
class starving_observer : public recording_observer {
 public:
  void set_progress_maximum(int) override { throw std::bad_alloc(); }
};

TEST_F(FailedLoad, RunningOutOfMemoryFailsTheLoadAndKeepsTheData) {
  starving_observer starving;
  const std::filesystem::path path = write(staff_file(staff_line({{1, "1"}}) + "\n"), "big.staff");
  EXPECT_FALSE(load_data(path.string(), data, {fake_locale(), starving}));
  EXPECT_EQ(get_last_error(), "load_data: not enough memory to load file " + path.string());
  EXPECT_EQ(starving.calls.back(), "hide");  // the loading view does not stay up
  expect_previous_data_kept();
}

TEST_F(FailedLoad, LineWithTooFewFieldsNamesItsLine) {
  const std::string short_staff = "\"1\";\"2\"\n";
  const std::filesystem::path path = write(staff_file(short_staff), "bad.staff");
  EXPECT_FALSE(load_file(path, data));
  EXPECT_EQ(get_last_error(), "load_data: Invalid format of file " + path.string() + " (line 5)");
  expect_previous_data_kept();

  write_text_file(path, staff_file("STAFF_JOB\n" + item_header(job_kind) + "\n\"1\";\"2\"\n"));
  EXPECT_FALSE(load_file(path, data));
  EXPECT_EQ(get_last_error(),
            "load_data: Invalid format of file (staff job)" + path.string() + " (line 7)");
  expect_previous_data_kept();

  // "ORIG_DATA " with a trailing blank is no keyword but a staff line without fields.
  write_text_file(path, staff_file("ORIG_DATA \n"));
  EXPECT_FALSE(load_file(path, data));
  EXPECT_EQ(get_last_error(), "load_data: Invalid format of file " + path.string() + " (line 5)");
}

TEST_F(FailedLoad, LinesOfTenThousandCharactersAreRefused) {
  const std::string longest_comment = "#" + std::string(9998, 'x') + "\n";
  const std::filesystem::path path = write(staff_file(longest_comment), "ok.staff");
  data_set other;
  EXPECT_TRUE(load_file(path, other));

  write_text_file(path, staff_file("#" + std::string(9999, 'x') + "\n"));
  EXPECT_FALSE(load_file(path, data));
  EXPECT_EQ(get_last_error(), "load_data: Invalid format of file " + path.string() + " (line 5)");

  write_text_file(path, staff_file("STAFF_PPM\n" + item_header(6) + "\n" +
                                   item_line(6, {{1, std::string(10000, '1')}}) + "\n"));
  EXPECT_FALSE(load_file(path, data));
  EXPECT_EQ(get_last_error(),
            "load_data: Invalid format of file (staff ppms)" + path.string() + " (line 7)");
  expect_previous_data_kept();
}

}  // namespace
