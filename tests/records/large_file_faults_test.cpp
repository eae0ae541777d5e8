#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "records/item_kinds.h"
#include "records/last_error.h"
#include "records/staff_reader.h"
#include "records_test_support.h"

// A large file's lines are read several batches at a time; a fault is still reported as the
// first one in the file, however far the reading had gone on when it was found.

namespace {

class LargeFileFaults : public testing::Test {
 protected:
  void SetUp() override {
    std::istringstream in(many_batch_file(3));
    for (std::string line; std::getline(in, line);) {
      lines.push_back(line);
    }
    ASSERT_GT(lines.size(), 10000u) << "several batches of lines";
  }

  // The index of the data line at about `share` of the file.
  std::size_t data_line_near(double share) const {
    std::size_t at = static_cast<std::size_t>(share * static_cast<double>(lines.size()));
    while (!lines.at(at).starts_with('"')) {
      ++at;
    }
    return at;
  }

  // The first keyword line after `after` whose next line is its section's header.
  std::size_t keyword_after(std::size_t after) const {
    for (std::size_t at = after + 1; at + 1 < lines.size(); ++at) {
      for (const item_kind_info& info : item_kind_infos()) {
        if (lines[at] == info.keyword) {
          return at;
        }
      }
    }
    ADD_FAILURE() << "no item section after line " << after + 1;
    return 0;
  }

  // The keyword line of the section the line stands in; none for the staff lines.
  std::optional<std::size_t> keyword_line_before(std::size_t at) const {
    for (std::size_t before = at; before-- > 0;) {
      if (lines[before].ends_with("ORIG_DATA") || lines[before].starts_with("STAFF_")) {
        return before;
      }
    }
    return std::nullopt;
  }

  // The item section the line stands in; null for a staff line.
  const item_kind_info* section_of(std::size_t at) const {
    if (const std::optional<std::size_t> keyword = keyword_line_before(at)) {
      for (const item_kind_info& info : item_kind_infos()) {
        if (lines[*keyword] == info.keyword || lines[*keyword] == info.orig_keyword) {
          return &info;
        }
      }
    }
    return nullptr;
  }

  // The invalid-format message of the section the line stands in, with the line's number.
  std::string message_for(std::size_t at, const std::string& path) const {
    const item_kind_info* section = section_of(at);
    return (section ? std::string(section->load_error) : "load_data: Invalid format of file ") +
           path + " (line " + std::to_string(at + 1) + ")";
  }

  std::string file_text() const {
    std::string text;
    for (const std::string& line : lines) {
      text += line + "\n";
    }
    return text;
  }

  std::vector<std::string> lines;
  scratch_folder folder;
};

TEST_F(LargeFileFaults, TheFirstFaultOfTheFileIsTheOneReported) {
  const std::size_t early = data_line_near(0.2), late = data_line_near(0.9);
  const std::string short_line = "\"1\";\"2\"", long_line = "#" + std::string(9999, 'x');
  struct fault_case {
    const char* name;
    std::vector<std::pair<std::size_t, std::string>> edits;
    std::size_t reported;
  };
  const std::size_t header_after_late = keyword_after(late) + 1;
  const fault_case cases[] = {
      {"a short line alone", {{late, short_line}}, late},
      {"a line too long alone", {{late, long_line}}, late},
      {"a short line before a line too long", {{late, short_line}, {late + 40, long_line}}, late},
      {"a short line before a wrong header",
       {{late, short_line}, {header_after_late, "[nothing]"}},
       late},
      {"two short lines far apart", {{early, short_line}, {late, short_line}}, early},
      {"a line too long before a short line", {{early, long_line}, {late, short_line}}, early},
  };
  const std::vector<std::string> whole = lines;
  for (const fault_case& c : cases) {
    lines = whole;
    for (const auto& [at, text] : c.edits) {
      lines.at(at) = text;
    }
    const std::filesystem::path path = folder / "faulty.staff";
    write_text_file(path, file_text());
    data_set data;
    EXPECT_FALSE(load_file(path, data)) << c.name;
    EXPECT_EQ(get_last_error(), message_for(c.reported, path.string())) << c.name;
  }
}

TEST_F(LargeFileFaults, TheReplacedTextsWarningNamesTheFirstInTheFile) {
  std::vector<std::size_t> broken;
  for (const double share : {0.35, 0.6, 0.95}) {
    const std::size_t at = data_line_near(share);
    const item_kind_info* section = section_of(at);
    insert_carriage_return_in_first_text(lines[at],
                                         section ? item_layout(section->kind) : staff_layout());
    broken.push_back(at);
  }
  const std::filesystem::path path = folder / "breaks.staff";
  write_text_file(path, file_text());
  recording_observer observer;
  data_set data;
  ASSERT_TRUE(load_data(path.string(), data, {fake_locale(), observer})) << get_last_error();

  const std::string& first = lines[broken.front()];
  const std::string id = first.substr(1, first.find('"', 1) - 1);
  const item_kind_info* section = section_of(broken.front());
  const std::optional<std::size_t> keyword = keyword_line_before(broken.front());
  const bool original = keyword && lines[*keyword].ends_with("ORIG_DATA");
  const std::string name(section ? (original ? section->orig_keyword : section->keyword)
                                 : (original ? "ORIG_DATA" : "staff lines"));
  const std::string expected_end = "The first is in the record with id " + id + " (" + name + ").";
  ASSERT_FALSE(observer.calls.empty());
  const std::string& warning = observer.calls.back();
  EXPECT_TRUE(warning.starts_with("warning 3 texts of the file held a line break")) << warning;
  EXPECT_TRUE(warning.ends_with(expected_end)) << warning << "\nexpected the end " << expected_end;
}

}  // namespace
