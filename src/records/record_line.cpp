#include "record_line.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "quoted_fields.h"
#include "text_compare.h"

namespace {

void normalise_boolean_texts(std::byte* record, const record_layout& layout) {
  for (const field_descriptor* field : layout.normalised) {
    const std::string_view value = read_text(record, field->offset, field->size);
    if (!equals_ignoring_case(value, "true") && !equals_ignoring_case(value, "false")) {
      write_text(record, field->offset, field->size, "False");
    }
  }
}

float parse_amount(std::string_view text) {
  // Heights and weights may use ',' or '.' before the decimals.
  std::array<char, max_field_length> copy{};
  const std::size_t length = std::min(text.size(), copy.size());
  for (std::size_t i = 0; i < length; ++i) {
    copy[i] = text[i] == ',' ? '.' : text[i];
  }
  return static_cast<float>(parse_decimal_text({copy.data(), length}));
}

bool writable_text(std::string_view text) {
  return text.find_first_of("\"\r\n") == std::string_view::npos;
}

}  // namespace

void store_field_text(std::byte* record, const field_descriptor& field, std::string_view text) {
  switch (field.type) {
    case field_type::integer:
    case field_type::list_index:
      write_integer(record, field.offset, field.size, parse_leading_integer(text));
      break;
    case field_type::number_and_text:
      // The number is parsed from the text as stored, that is after cutting it to capacity.
      write_text(record, field.text_offset, field.text_size, text);
      write_integer(record, field.offset, field.size,
                    parse_leading_integer(read_text(record, field.text_offset, field.text_size)));
      break;
    case field_type::decimal_and_text:
      write_text(record, field.text_offset, field.text_size, text);
      write_float(record, field.offset,
                  parse_amount(read_text(record, field.text_offset, field.text_size)));
      break;
    default:
      write_text(record, field.offset, field.size, text);
      break;
  }
}

bool read_record_line(std::string_view line, const record_layout& layout, std::byte* record) {
  std::size_t position = 0;
  std::string_view text;
  for (const field_descriptor* field : layout.columns) {
    if (!next_quoted_field(line, position, text)) {
      return false;
    }
    // The record is zero-filled, which is what an empty field gives: empty text, number 0.
    if (!text.empty()) {
      store_field_text(record, *field, text);
    }
  }
  normalise_boolean_texts(record, layout);
  return true;
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
