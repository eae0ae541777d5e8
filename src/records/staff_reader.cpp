#include "staff_reader.h"

#include <array>
#include <filesystem>
#include <new>
#include <optional>

#include "dates.h"
#include "item_kinds.h"
#include "item_vectors.h"
#include "last_error.h"
#include "lookup.h"
#include "quoted_fields.h"
#include "record_line_queue.h"
#include "record_passes.h"
#include "staff_file_lines.h"
#include "text_compare.h"

namespace {

constexpr std::string_view staff_format_error = "load_data: Invalid format of file ";
constexpr std::string_view imported_marker = "IMPORTED";
constexpr std::string_view imported_warning = "This file has already been imported into a db";
constexpr std::string_view staff_orig_keyword = "ORIG_DATA";

// One call of load_data: reads into `fresh`, which replaces the caller's data set on success.
class staff_file_reader {
 public:
  staff_file_reader(const std::string& path, staff_file_lines lines, const data_set& previous,
                    const load_context& context)
      : path_(path), lines_(std::move(lines)), context_(context) {
    // Settings the file may leave unstated keep the values of the load before.
    fresh_.file = previous.file;
    fresh_.locale = previous.locale;
  }

  bool read() {
    fresh_.file.file_name = path_;
    std::string_view line = "";  // never a null view, also for an empty file
    lines_.next(line);
    if (line == imported_marker) {
      context_.observer.show_warning(imported_warning);
      line = "";
      lines_.next(line);
    }
    if (!check_length(line, staff_format_error)) {
      return false;
    }
    fresh_.file.first_line = line;
    probe_locale();
    if (!read_leading_lines() || !read_staff_header()) {
      return false;
    }
    context_.observer.show_loading_view(path_);
    dates_.emplace(fresh_.file.file_date_order, fresh_.locale.locale_date_order, date_separator());
    bool body_read = false;
    try {
      body_read = read_body();
      if (body_read) {
        finish();
      }
    } catch (const std::bad_alloc&) {
      // The loading view must not stay up; load_data reports the failure.
      context_.observer.hide_loading_view();
      throw;
    }
    context_.observer.hide_loading_view();
    return body_read;
  }

  data_set& result() { return fresh_; }

  // The warning about the carriage returns replaced, or nothing when there were none.
  std::optional<std::string> replaced_texts_warning() const {
    if (replaced_texts_ == 0) {
      return std::nullopt;
    }
    return std::to_string(replaced_texts_) + (replaced_texts_ == 1 ? " text" : " texts") +
           " of the file held a line break (carriage return), which a .staff file cannot store;"
           " each was replaced by a blank so that the file can be saved. The first is in " +
           first_replaced_ + ".";
  }

  // As when the lines were read one by one, and the load stopped at a refused line: a failure
  // of the file's reading counts when it came before that line was read.
  bool read_failed() const {
    return lines_.failed() &&
           (!refused_line_ || (read_failed_at_ && *read_failed_at_ <= *refused_line_));
  }
  int read_error() const { return lines_.error(); }

 private:
  void probe_locale() {
    locale_settings& locale = fresh_.locale;
    locale.locale_decimal_separator = detect_decimal_separator(context_.locale);
    locale.locale_date_order = detect_locale_date_order(context_.locale);
    date_texts texts = date_texts_for_order(locale.locale_date_order, date_separator());
    locale.date_format = std::move(texts.date_format);
    locale.no_date_text = std::move(texts.no_date_text);
    context_.observer.apply_date_format_to_masks(locale.locale_date_order);
  }

  bool read_leading_lines() {
    file_settings& file = fresh_.file;
    // A club that the club list lacks has no ranges; none are carried over from another file.
    file.club_star_players_from = file.club_star_players_to = 0;
    file.club_first_team_players_from = file.club_first_team_players_to = 0;
    long long first_number = 0;
    if (!begins_with_number(file.first_line.view(), &first_number)) {
      // A legacy file: its first line is the title and nothing states the club, the date order
      // or the decimal separator, so none of the previous file's are kept.
      fresh_.locale.date_format =
          date_texts_for_order(date_order_dd_mm_yyyy, date_separator()).date_format;
      file.file_title = file.first_line.view();
      file.file_club_id = 0;
      file.file_date_order.clear();
      file.file_decimal_separator = 0;
      return true;
    }
    file.file_date_order = first_number == 12   ? date_order_mm_dd_yyyy
                           : first_number == 31 ? date_order_dd_mm_yyyy
                                                : date_order_yyyy_mm_dd;
    std::string_view line;
    if (!take_leading_line(line)) {
      return false;
    }
    if (line.find(',') != std::string_view::npos) {
      file.file_decimal_separator = ',';
    } else if (line.find('.') != std::string_view::npos) {
      file.file_decimal_separator = '.';
    }
    if (!take_leading_line(line)) {
      return false;
    }
    file.file_club_id = static_cast<std::int32_t>(parse_leading_integer(line));
    file.file_title = get_club_name(file.file_club_id);
    lookup_club_player_ranges(file.file_club_id, file.club_star_players_from,
                              file.club_star_players_to, file.club_first_team_players_from,
                              file.club_first_team_players_to);
    return true;
  }

  bool read_staff_header() {
    std::string_view line;
    const bool present = lines_.next(line);
    const record_layout& layout = staff_layout();
    if (!present ||
        (!header_matches(line, layout.header) && !header_matches(line, layout.accepted_header))) {
      set_last_error(std::string(staff_format_error) + path_);
      return false;
    }
    return true;
  }

  // The data lines are read into their records by a queue, on several threads for a large file;
  // their outcomes come back in file order. A line the reading refuses comes before any fault
  // found further on by then, and its message replaces that fault's.
  bool read_body() {
    queue_.emplace(&*dates_, record_line_queue::default_workers());
    const bool lines_taken = read_body_lines();
    const bool read = queue_->finish([this](const queued_line& line) { return take_line(line); });
    queue_.reset();
    return read && lines_taken;
  }

  bool read_body_lines() {
    std::string_view line;
    while (next_body_line(line)) {
      if (!check_length(line, section_error())) {
        return false;
      }
      if (line.empty() || line[0] == '#' || line[0] == ' ') {
        continue;
      }
      // Data lines begin with a quote; only other lines can be keywords.
      if (line[0] != '"') {
        if (equals_ignoring_case(line, staff_orig_keyword)) {
          staff_target_original_ = true;
          staff_originals_given_ = true;
          continue;
        }
        if (const std::optional<bool> keyword = read_item_keyword(line)) {
          if (!*keyword) {
            return false;
          }
          continue;
        }
      }
      if (!(section_ ? queue_item_line(line) : queue_staff_line(line))) {
        return false;
      }
    }
    return true;
  }

  // As lines_.next, noting the line at which the reading of the file failed, if it did.
  bool next_body_line(std::string_view& line) {
    const bool present = lines_.next(line);
    if (lines_.failed() && !read_failed_at_) {
      read_failed_at_ = lines_.line_number() + (present ? 0 : 1);
    }
    return present;
  }

  // Empty when the line is no item keyword; else whether the section could be entered.
  std::optional<bool> read_item_keyword(std::string_view line) {
    for (const item_kind_info& info : item_kind_infos()) {
      const auto index = static_cast<std::size_t>(info.kind);
      if (equals_ignoring_case(line, info.orig_keyword)) {
        enter_section(info);
        item_target_original_[index] = true;
        item_originals_given_[index] = true;
        return true;
      }
      if (equals_ignoring_case(line, info.keyword)) {
        enter_section(info);
        item_target_original_[index] = false;
        std::string_view header;
        if (!next_body_line(header) || !header_matches(header, section_layout_->header)) {
          set_last_error(std::string(info.load_error) + path_);
          return false;
        }
        return true;
      }
    }
    return std::nullopt;
  }

  void enter_section(const item_kind_info& info) {
    section_ = &info;
    section_layout_ = &item_layout(info.kind);
  }

  bool queue_staff_line(std::string_view line) {
    auto& target =
        staff_target_original_ ? fresh_.records.staff_orig_list : fresh_.records.staff_list;
    queued_line queued;
    target.push_back(make_unzeroed_block_record<qor_staff>(fresh_.records.blocks, queued.record));
    queued.layout = &staff_layout();
    return queue_line(line, queued, {nullptr, staff_target_original_});
  }

  bool queue_item_line(std::string_view line) {
    const item_kind_info& info = *section_;
    const bool original = item_target_original_[static_cast<std::size_t>(info.kind)];
    queued_line queued;
    queued.record = append_unzeroed_item(fresh_.records, info.kind, original);
    queued.layout = section_layout_;
    return queue_line(line, queued, {&info, original});
  }

  // Where a data line belongs: the staff or an item section, records or originals.
  struct line_place {
    const item_kind_info* section;  // null for the staff
    bool original;
  };

  static int place_note(line_place place) {
    const int section = place.section ? static_cast<int>(place.section->kind) + 1 : 0;
    return 2 * section + (place.original ? 1 : 0);
  }

  static line_place place_of(int note) {
    const int section = note / 2;
    return {section > 0 ? &item_kind_infos()[static_cast<std::size_t>(section - 1)] : nullptr,
            note % 2 == 1};
  }

  bool queue_line(std::string_view line, queued_line& queued, line_place place) {
    queued.line_number = lines_.line_number();
    queued.place = place_note(place);
    return queue_->push(line, queued, [this](const queued_line& read) { return take_line(read); });
  }

  // What the reading of a line gave, in file order.
  bool take_line(const queued_line& line) {
    const line_place place = place_of(line.place);
    if (line.replaced < 0) {
      refused_line_ = line.line_number;
      return reject_line(place.section ? place.section->load_error : staff_format_error,
                         line.line_number);
    }
    if (line.replaced > 0) {
      const std::string_view name =
          place.section ? (place.original ? place.section->orig_keyword : place.section->keyword)
                        : (place.original ? staff_orig_keyword : "staff lines");
      count_replaced_texts(line.replaced, line.id, name);
    }
    kind_ids& ids =
        place.section ? item_ids_[static_cast<std::size_t>(place.section->kind)] : staff_ids_;
    (place.original ? ids.original : ids.current).push_back(line.id);
    return true;
  }

  void finish() {
    record_store& records = fresh_.records;
    context_.observer.set_progress_maximum(static_cast<int>(records.staff_list.size()));
    copy_missing_originals(records, staff_originals_given_, item_originals_given_);
    // The progress bar still advances once per staff record and once per original, as it did
    // while the dates were re-ordered in a pass of their own.
    for (const auto* staff : {&records.staff_list, &records.staff_orig_list}) {
      for (const auto& record : *staff) {
        if (record) {
          context_.observer.step_progress();
        }
      }
    }
    // From the ids gathered while the records were in the cache, not from the records again.
    std::vector<kind_ids> ids;
    ids.push_back(with_copied_originals(std::move(staff_ids_), records.staff_orig_list.size()));
    for_each_item_kind(records, [&](auto kind, const auto&, const auto& original) {
      ids.push_back(with_copied_originals(
          std::move(item_ids_[static_cast<std::size_t>(kind.value)]), original.size()));
    });
    start_temporary_ids(records, std::move(ids));
  }

  // The ids of a kind whose originals were copied from its records (there are more originals
  // than were read) are those of the records.
  static kind_ids with_copied_originals(kind_ids ids, std::size_t originals) {
    if (originals != ids.original.size()) {
      ids.original = ids.current;
    }
    return ids;
  }

  // A carriage return inside a field could never be saved again, so the reading made it a
  // blank; the texts changed are counted for one warning after the load.
  void count_replaced_texts(int replaced, std::int32_t id, std::string_view section) {
    if (replaced_texts_ == 0) {
      first_replaced_ =
          "the record with id " + std::to_string(id) + " (" + std::string(section) + ")";
    }
    replaced_texts_ += replaced;
  }

  // A missing line reads as empty; false only for a line over the length limit.
  bool take_leading_line(std::string_view& line) {
    if (!lines_.next(line)) {
      line = "";
    }
    return check_length(line, staff_format_error);
  }

  bool check_length(std::string_view line, std::string_view message) {
    return line.size() <= staff_file_lines::max_line_length ||
           reject_line(message, lines_.line_number());
  }

  bool reject_line(std::string_view message, std::int64_t line_number) {
    set_last_error(std::string(message) + path_ + " (line " + std::to_string(line_number) + ")");
    return false;
  }

  std::string_view section_error() const {
    return section_ ? section_->load_error : staff_format_error;
  }

  char date_separator() const { return context_.locale.date_separator(); }

  const std::string& path_;
  staff_file_lines lines_;
  const load_context& context_;
  data_set fresh_;
  // Dates are brought into the locale's order as each line is read, while its record is still
  // in the cache; originals copied from records afterwards are then in that order already.
  std::optional<date_order_conversion> dates_;  // from the file's order, once it is known
  const item_kind_info* section_ = nullptr;     // the item section the lines belong to, if any
  const record_layout* section_layout_ = nullptr;
  kind_ids staff_ids_;  // of the records read, for the first temporary id
  std::array<kind_ids, item_kind_count> item_ids_;
  bool staff_target_original_ = false;
  bool staff_originals_given_ = false;
  std::array<bool, item_kind_count> item_target_original_{};
  std::array<bool, item_kind_count> item_originals_given_{};
  int replaced_texts_ = 0;
  std::string first_replaced_;                  // where the first replaced text is
  std::optional<std::int64_t> refused_line_;    // the data line the reading refused, if any
  std::optional<std::int64_t> read_failed_at_;  // the first line the failed file read took away
  // Last, so that its threads stop before the records they fill go.
  std::optional<record_line_queue> queue_;
};

}  // namespace

namespace {

// Reads the file into a fresh data set; false with the reason left by set_last_error.
std::optional<data_set> read_staff_file(const std::string& path, const data_set& previous,
                                        const load_context& context) {
  const std::string open_error = "load_data failed to open file " + path;
  // Opening a pipe or a device could wait forever or never end: only regular files are read.
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    set_last_error(open_error + ": it is not a regular file");
    return std::nullopt;
  }
  // The system's reason ends the message where it gives one.
  const auto fail_to_open = [&](int reason) {
    set_last_error(reason != 0 ? open_error + ": " + system_reason(reason) : open_error);
    return std::nullopt;
  };
  staff_file_lines lines;
  if (!lines.open(path)) {
    return fail_to_open(lines.error());
  }
  staff_file_reader reader(path, std::move(lines), previous, context);
  const bool read = reader.read();
  // A read error ends the lines early; the file then counts as one that could not be opened.
  if (reader.read_failed()) {
    return fail_to_open(reader.read_error());
  }
  if (!read) {
    return std::nullopt;
  }
  if (const std::optional<std::string> warning = reader.replaced_texts_warning()) {
    context.observer.show_warning(*warning);
  }
  return std::move(reader.result());
}

}  // namespace

bool load_data(const std::string& path, data_set& target, const load_context& context) {
  std::optional<data_set> fresh;
  try {
    fresh = read_staff_file(path, target, context);
  } catch (const std::bad_alloc&) {
    // The file's records were freed with the reader; the data set before stays.
    set_last_error("load_data: not enough memory to load file " + path);
    return false;
  }
  if (!fresh) {
    return false;
  }
  target = std::move(*fresh);
  return true;
}

bool load_data(const std::string& path, const load_context& context) {
  return load_data(path, current_data(), context);
}
