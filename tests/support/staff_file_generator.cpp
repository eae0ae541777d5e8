#include "staff_file_generator.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

#include "records/item_kinds.h"
#include "records/record_layout.h"
#include "staff_file_generator_values.h"

namespace {

using field_values = std::vector<std::string>;  // one text per column, column 1 first

// Collects the lines; with a file, writes them out in large pieces as they come.
class line_sink {
 public:
  line_sink(std::FILE* file, bool crlf) : file_(file), line_end_(crlf ? "\r\n" : "\n") {}

  void line(std::string_view text) {
    text_ += text;
    text_ += line_end_;
    if (file_ != nullptr && text_.size() >= (1U << 20)) {
      flush();
    }
  }
  bool flush() {
    written_ = written_ && std::fwrite(text_.data(), 1, text_.size(), file_) == text_.size();
    text_.clear();
    return written_;
  }
  std::string& text() { return text_; }

 private:
  std::FILE* file_;
  std::string_view line_end_;
  std::string text_;
  bool written_ = true;
};

// The records of one section: current lines, original lines, and whether the originals keyword
// line is written at all (without it the reader copies the current records).
struct section_lines {
  std::vector<field_values> current;
  std::vector<field_values> originals;
  bool originals_keyword = true;
};

std::string lower_case(std::string_view text) {
  std::string lower(text);
  std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return lower;
}

class file_generator {
 public:
  file_generator(const staff_file_options& options, line_sink& sink)
      : options_(options), sink_(sink), random_(options.seed), values_(random_, options) {}

  void generate() {
    if (options_.variations && random_.chance(10)) {
      sink_.line("IMPORTED");
    }
    sink_.line(sample_date_text(options_.date_order, options_.date_separator));
    sink_.line(options_.decimal_separator == ',' ? "8,88" : "8.88");
    sink_.line(std::to_string(random_.between(1, 99999)));
    const record_layout& staff = staff_layout();
    header(options_.variations && random_.chance(30) ? staff.accepted_header : staff.header);
    write_staff();
    for (const item_kind_info& info : item_kind_infos()) {
      write_items(info);
    }
  }

 private:
  void write_staff() {
    const record_layout& layout = staff_layout();
    section_lines staff;
    std::int32_t id = static_cast<std::int32_t>(random_.between(1, 100000));
    for (int i = 0; i < options_.staff_count; ++i) {
      id += static_cast<std::int32_t>(random_.between(1, 20));
      staff.current.push_back(make_record(layout, id, 0));
      staff_ids_.push_back(id);
      assign_items(id);
    }
    make_originals(layout, staff, {id + 1, 0, 15});
    random_.shuffle(staff.current);
    random_.shuffle(staff.originals);
    lines(staff.current);
    if (staff.originals_keyword) {
      keyword("ORIG_DATA");
      lines(staff.originals);
    }
  }

  // About items_per_staff items, the first seventeen one of each kind; now and then the owner
  // is a staff id the file does not hold.
  void assign_items(std::int32_t staff_id) {
    const long long count =
        random_.between(options_.items_per_staff / 2, options_.items_per_staff * 3 / 2);
    for (long long i = 0; i < count; ++i) {
      const auto kind = static_cast<std::size_t>(i < static_cast<long long>(item_kind_count)
                                                     ? i
                                                     : random_.between(0, item_kind_count - 1));
      owners_[kind].push_back(random_.chance(3) ? staff_id + 5000000 : staff_id);
    }
  }

  void write_items(const item_kind_info& info) {
    const record_layout& layout = item_layout(info.kind);
    const auto& owners = owners_[static_cast<std::size_t>(info.kind)];
    section_lines items;
    std::int32_t id = static_cast<std::int32_t>(random_.between(1, 100000));
    for (const std::int32_t owner : owners) {
      items.current.push_back(make_record(layout, ++id, owner));
    }
    const std::int32_t some_owner = staff_ids_.empty() ? 1 : staff_ids_.front();
    make_originals(layout, items, {id + 1, some_owner, 10});
    // A section may come in two parts; its lines add to the same records.
    const std::size_t split = options_.variations && random_.chance(10)
                                  ? static_cast<std::size_t>(random_.between(0, owners.size()))
                                  : items.current.size();
    section(info.keyword, layout, {items.current.begin(), items.current.begin() + split});
    if (items.originals_keyword) {
      keyword(info.orig_keyword);
      lines(items.originals);
    }
    if (split != items.current.size()) {
      section(info.keyword, layout, {items.current.begin() + split, items.current.end()});
    }
  }

  void section(std::string_view name, const record_layout& layout,
               const std::vector<field_values>& records) {
    // The line after a section keyword is always its header, never a skipped line.
    sink_.line(keyword_text(name));
    header(layout.header);
    lines(records);
  }

  // Every column from its field's type, then the id and, for items, the owner's id (the first
  // and second members of every record type).
  field_values make_record(const record_layout& layout, std::int32_t id, std::int32_t owner) {
    field_values values;
    values.reserve(layout.columns.size());
    for (const field_descriptor* field : layout.columns) {
      values.push_back(values_.value_for(*field));
    }
    values[layout.fields[0].column - 1] = std::to_string(id);
    if (owner != 0) {
      values[layout.fields[1].column - 1] = std::to_string(owner);
    }
    return values;
  }

  // Most records get an original, some of them differing in a few columns; the others count as
  // made in the editor. A few originals belong to records deleted since the export. Now and then
  // the keyword is left out (originals copied by the reader) or stands with no lines after it.
  struct originals_plan {
    std::int32_t spare_id;       // ids for the originals of deleted records
    std::int32_t deleted_owner;  // their owner (0 for staff records)
    int no_keyword_percent;
  };

  void make_originals(const record_layout& layout, section_lines& section, originals_plan plan) {
    if (options_.variations && random_.chance(plan.no_keyword_percent)) {
      section.originals_keyword = false;
      return;
    }
    if (options_.variations && random_.chance(5)) {
      return;
    }
    const std::size_t id_column = layout.fields[0].column - 1;
    const std::size_t owner_column = layout.fields[1].column - 1;
    for (const field_values& record : section.current) {
      if (random_.chance(15)) {
        continue;
      }
      field_values original = record;
      for (int changes = random_.chance(40) ? static_cast<int>(random_.between(1, 4)) : 0;
           changes > 0; --changes) {
        const auto column = static_cast<std::size_t>(random_.between(0, record.size() - 1));
        if (column != id_column && column != owner_column) {
          original[column] = values_.value_for(*layout.columns[column]);
        }
      }
      section.originals.push_back(std::move(original));
    }
    for (std::size_t deleted = section.current.size() / 20; deleted > 0; --deleted) {
      section.originals.push_back(make_record(layout, plan.spare_id++, plan.deleted_owner));
    }
  }

  void lines(const std::vector<field_values>& records) {
    std::string line;
    for (const field_values& values : records) {
      line.clear();
      for (const std::string& value : values) {
        line += line.empty() ? "\"" : ";\"";
        line += value;
        line += '"';
      }
      if (options_.variations && random_.chance(3)) {
        line += ";\"a field past the last column\"";
      }
      sink_.line(line);
      maybe_skipped_line();
    }
  }

  std::string keyword_text(std::string_view text) {
    return options_.variations && random_.chance(10) ? lower_case(text) : std::string(text);
  }

  void keyword(std::string_view text) {
    sink_.line(keyword_text(text));
    maybe_skipped_line();
  }

  // The header test accepts any letter case and any first part of the header text.
  void header(std::string_view text) {
    const long long roll = options_.variations ? random_.between(1, 100) : 100;
    if (roll <= 10) {
      sink_.line(lower_case(text));
    } else if (roll <= 20) {
      sink_.line(text.substr(0, static_cast<std::size_t>(random_.between(2, text.size()))));
    } else {
      sink_.line(text);
    }
    maybe_skipped_line();
  }

  void maybe_skipped_line() {
    static const std::array<std::string_view, 4> skipped = {
        "", "# a comment", " a line that begins with a blank", "#"};
    if (options_.variations && random_.chance(2)) {
      sink_.line(random_.pick(skipped));
    }
  }

  const staff_file_options& options_;
  line_sink& sink_;
  random_source random_;
  value_maker values_;
  std::vector<std::int32_t> staff_ids_;
  std::array<std::vector<std::int32_t>, item_kind_count> owners_;
};

// CR LF line ends are decided before the first line, by the same seed.
bool crlf_lines(const staff_file_options& options) {
  return options.variations && random_source(options.seed ^ 0x5eedULL).chance(15);
}

}  // namespace

std::string generate_staff_file(const staff_file_options& options) {
  line_sink sink(nullptr, crlf_lines(options));
  file_generator(options, sink).generate();
  return std::move(sink.text());
}

bool write_generated_staff_file(const std::filesystem::path& path,
                                const staff_file_options& options) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"),
                                                             &std::fclose);
  if (!file) {
    return false;
  }
  line_sink sink(file.get(), crlf_lines(options));
  file_generator(options, sink).generate();
  return sink.flush() && std::fflush(file.get()) == 0;
}
