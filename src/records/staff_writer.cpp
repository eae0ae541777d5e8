#include "staff_writer.h"

#include <algorithm>
#include <cerrno>
#include <memory>
#include <string_view>

#include "dates.h"
#include "fetch_ahead.h"
#include "file_replacement.h"
#include "item_kinds.h"
#include "item_vectors.h"
#include "last_error.h"
#include "record_line.h"
#include "record_passes.h"
#include "staff_backup.h"
#include "staff_order.h"

namespace {

constexpr std::string_view staff_write_error = "save_data - write failed";

// Collects the lines of the file in a buffer that goes out in large writes. A part of the file
// (the staff lines, each item section) ends with a flush, so a failed write is reported with
// the message of the part it happened in.
class part_writer {
 public:
  explicit part_writer(std::FILE* out)
      : out_(out), buffer_(std::make_unique_for_overwrite<char[]>(buffer_size)) {}

  // Lines other than records' are short: the longest, a header, has a few thousand characters.
  void line(std::string_view text) {
    make_room(text.size() + 1);
    end_ = std::copy(text.begin(), text.end(), end_);
    *end_++ = '\n';
  }

  // False, with a message naming the record and the column, when the record cannot be written.
  template <class Record>
  bool records(const record_vector<Record>& records, const record_layout& layout,
               std::string_view section) {
    const std::size_t room = record_line_room(layout);
    for (std::size_t i = 0; i < records.size(); ++i) {
      fetch_ahead(records, i, sizeof(Record));
      const Record* record = records[i].get();
      if (!record) {
        continue;
      }
      make_room(room);
      if (const field_descriptor* refused =
              write_record_line(end_, record_bytes(*record), sizeof(Record), layout)) {
        set_last_error("save_data - record " + std::to_string(record_id(*record)) + " of " +
                       std::string(section) + " cannot be written: its column " +
                       std::string(refused->name) +
                       " holds a double quote, carriage return or line feed");
        return false;
      }
    }
    return true;
  }

  // Ends a part: writes what is left and checks every write since the last part ended. The
  // message ends with the system's reason for the first write that failed.
  bool end_part(std::string_view failure_message) {
    write();
    errno = 0;
    if (!failed_ && std::fflush(out_) != 0) {
      fail();
    }
    if (!failed_) {
      return true;
    }
    set_last_error(failure_reason_ != 0
                       ? std::string(failure_message) + ": " + system_reason(failure_reason_)
                       : failure_message);
    return false;
  }

 private:
  static constexpr std::size_t buffer_size = 1 << 17;

  void make_room(std::size_t bytes) {
    if (buffer_.get() + buffer_size - end_ < static_cast<std::ptrdiff_t>(bytes)) {
      write();
    }
  }

  void write() {
    const auto size = static_cast<std::size_t>(end_ - buffer_.get());
    errno = 0;
    if (!failed_ && std::fwrite(buffer_.get(), 1, size, out_) != size) {
      fail();
    }
    end_ = buffer_.get();
  }

  // Keeps the system's reason for the first failed write; the part's later writes are skipped.
  void fail() {
    failed_ = true;
    failure_reason_ = errno;
  }

  std::FILE* out_;
  std::unique_ptr<char[]> buffer_;
  char* end_ = buffer_.get();  // of the bytes not yet written
  bool failed_ = false;
  int failure_reason_ = 0;  // errno of the failed write, 0 when it gave none
};

bool write_staff_part(part_writer& part, data_set& data, const system_locale& locale) {
  const file_settings& file = data.file;
  record_store& records = data.records;
  part.line(sample_date_line(data.locale.locale_date_order, locale.date_separator()));
  part.line(file.file_decimal_separator == ',' ? "8,88" : "8.88");
  part.line(std::to_string(file.file_club_id));
  part.line(staff_layout().header);
  sort_staff_by_id(records.staff_list);
  if (!part.records(records.staff_list, staff_layout(), "the staff lines")) {
    return false;
  }
  part.line("ORIG_DATA");
  sort_staff_by_id(records.staff_orig_list);
  return part.records(records.staff_orig_list, staff_layout(), "the original staff lines") &&
         part.end_part(staff_write_error);
}

bool write_item_parts(part_writer& part, record_store& records) {
  bool written = true;
  for_each_item_kind(records, [&](auto kind, const auto& current, const auto& original) {
    if (!written) {
      return;
    }
    const item_kind_info& info = info_of(kind);
    const record_layout& layout = item_layout(kind);
    part.line(info.keyword);
    part.line(layout.header);
    written = part.records(current, layout, info.keyword);
    if (written) {
      part.line(info.orig_keyword);
      written = part.records(original, layout, info.orig_keyword) && part.end_part(info.save_error);
    }
  });
  return written;
}

}  // namespace

bool write_staff_file(std::FILE* out, data_set& data, const system_locale& locale) {
  // Heights and weights are written with the file's separator, '.' when it stated none.
  rewrite_amount_texts(data.records, data.file.file_decimal_separator == ',' ? ',' : '.');
  part_writer part(out);
  return write_staff_part(part, data, locale) && write_item_parts(part, data.records);
}

bool save_data(const std::string& path, data_set& data, const save_context& context,
               std::string& backup_warning) {
  backup_warning.clear();
  file_replacement file;
  if (!file.open(path)) {
    return false;
  }
  if (!data.file.file_name.empty()) {
    backup_warning = backup_staff_file(data.file.file_name, context.locale, context.clock);
  }
  if (!write_staff_file(file.stream(), data, context.locale) || !file.commit()) {
    return false;
  }
  data.file.file_name = path;
  return true;
}

bool save_data(const std::string& path, const save_context& context, std::string& backup_warning) {
  return save_data(path, current_data(), context, backup_warning);
}
