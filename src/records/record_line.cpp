#include "record_line.h"

#include <algorithm>

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
