#include "record_line.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace {

bool writable_text(std::string_view text) {
  return text.find_first_of("\"\r\n") == std::string_view::npos;
}

}  // namespace

int replace_carriage_returns(std::byte* record, const record_layout& layout) {
  int replaced = 0;
  for (const field_descriptor* field : layout.columns) {
    if (!field->holds_text()) {
      continue;
    }
    const auto text = reinterpret_cast<char*>(record + field->file_text_offset());
    char* const end = std::find(text, text + field->file_text_size(), '\0');
    if (std::find(text, end, '\r') != end) {
      std::replace(text, end, '\r', ' ');
      ++replaced;
    }
  }
  return replaced;
}

const field_descriptor* append_record_line(std::string& out, const std::byte* record,
                                           const record_layout& layout) {
  const std::size_t start = out.size();
  for (const field_descriptor* field : layout.columns) {
    if (out.size() != start) {
      out += ';';
    }
    out += '"';
    if (field->type == field_type::integer) {
      std::array<char, 12> digits;
      const auto result = std::to_chars(digits.data(), digits.data() + digits.size(),
                                        read_integer(record, field->offset, field->size));
      out.append(digits.data(), result.ptr);
    } else {
      const std::string_view text =
          read_text(record, field->file_text_offset(), field->file_text_size());
      if (!writable_text(text)) {
        out.resize(start);
        return field;
      }
      out += text;
    }
    out += '"';
  }
  out += '\n';
  return nullptr;
}
