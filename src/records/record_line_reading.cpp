// Reading a data line into a record: the hot path of a load, run once for each of the hundreds
// of thousands of lines of a large file. Field texts and numbers vary in length from line to
// line, so the work is laid out to depend on those lengths through arithmetic, not branches.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

#include "amount_text.h"
#include "field_integers.h"
#include "quote_search.h"
#include "quoted_fields.h"
#include "record_line.h"
#include "word_bytes.h"

namespace {

using field_integers::line_bytes;

template <class Integer>
void store_integer(std::byte* record, std::uint16_t offset, long long value) {
  // Out-of-range values keep their low-order bits, as the file format demands (300 -> 44).
  const auto narrow = static_cast<Integer>(value);
  std::memcpy(record + offset, &narrow, sizeof narrow);
}

// Writes every byte of a field of `capacity` bytes, a word at a time: the first `length` bytes
// of `text` and zeros after them. The last word ends at the end of the field and may overlap
// the one before it. The words read from `text` reach `capacity` bytes into it.
template <class Word>
void write_field_words(std::byte* field, const char* text, std::size_t length,
                       std::size_t capacity) {
  for (std::size_t offset = 0; offset < capacity; offset += sizeof(Word)) {
    const std::size_t at = std::min(offset, capacity - sizeof(Word));
    const std::size_t kept = std::clamp<std::size_t>(length, at, at + sizeof(Word)) - at;
    store_word(field + at,
               static_cast<Word>(load_word<Word>(text + at) & first_bytes_mask<Word>(kept)));
  }
}

#if defined(__SSE2__) || defined(_M_X64)
// Byte i is set when i < 128: the sixteen bytes from 128 - n + at on keep the bytes of a block
// at `at` that lie before n.
alignas(16) constexpr auto kept_below = [] {
  std::array<unsigned char, 2 * 128 + 16> bytes{};
  std::fill(bytes.begin(), bytes.begin() + 128, 0xff);
  return bytes;
}();

// As write_field_words, sixteen bytes at a time, but only the blocks that hold some of the
// text: the field is zero-filled, so the bytes after them hold their zeros already. The first
// two blocks are written whatever the length, as nearly every text fits in them, so that the
// length decides no branch for those; each further sixteen characters take one more block. A
// block that would pass the field's end is written as the last sixteen bytes of the field. Each
// block's bytes are kept by a mask read from kept_below, so the capacity must stay below 128.
void write_field_blocks(std::byte* field, const char* text, std::size_t length,
                        std::size_t capacity) {
  const unsigned char* const masks = kept_below.data() + 128 - length;
  const std::size_t last = capacity - 16;
  const auto write_block = [&](std::size_t at) {
    at = std::min(at, last);
    const __m128i kept = _mm_loadu_si128(reinterpret_cast<const __m128i*>(masks + at));
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(field + at), _mm_and_si128(bytes, kept));
  };
  write_block(0);
  write_block(16);
  for (std::size_t at = 32; at < length; at += 16) {
    write_block(at);
  }
}
#endif

// Stores the text cut to capacity into a zero-filled field; returns the stored part. A zero
// byte read from the file ends the stored text as it ends any fixed text.
std::string_view store_text(std::byte* record, const column_step& step, std::string_view text,
                            line_bytes line) {
  const std::size_t capacity = step.text_capacity;
  const std::size_t length = std::min<std::size_t>(text.size(), capacity - 1);
  std::byte* const field = record + step.text_offset;
  const bool line_goes_on = line.end - text.data() >= static_cast<std::ptrdiff_t>(capacity);
#if defined(__SSE2__) || defined(_M_X64)
  if (line_goes_on && capacity >= 16 && capacity < 128) {
    write_field_blocks(field, text.data(), length, capacity);
    return text.substr(0, length);
  }
#endif
  if (line_goes_on && capacity >= 8) {
    write_field_words<std::uint64_t>(field, text.data(), length, capacity);
  } else if (line_goes_on && capacity >= 4) {
    write_field_words<std::uint32_t>(field, text.data(), length, capacity);
  } else {
    std::memcpy(field, text.data(), length);
  }
  return text.substr(0, length);
}

// The first characters of a text as one word, as load_word reads them.
constexpr std::uint64_t word_of(std::string_view text) {
  std::uint64_t word = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    word |= std::uint64_t{static_cast<unsigned char>(text[i])} << (8 * i);
  }
  return word;
}

// Stores a normalised boolean: the text as read, cut to five characters, when it reads "true"
// or "false" in any letter case, else "False". All six bytes of the field are tested and
// written at once.
void store_boolean(std::byte* record, const column_step& step, std::string_view text,
                   line_bytes line) {
  static_assert(boolean_text_capacity == 6);
  const std::size_t length = std::min<std::size_t>(text.size(), boolean_text_capacity - 1);
  std::uint64_t word = 0;
  if (line.end - text.data() >= 8) {
    word = load_word<std::uint64_t>(text.data()) & first_bytes_mask<std::uint64_t>(length);
  } else {
    char bytes[8] = {};
    std::memcpy(bytes, text.data(), length);
    word = load_word<std::uint64_t>(bytes);
  }
  // Setting bit 5 (or-ing a blank) turns exactly the capital letters of these words into small
  // ones; the byte after "true" must be the zero that ends it, and those after "false" are zeros
  // anyway.
  const bool is_true = ((word | word_of("    ")) & 0xff'ffff'ffff) == word_of("true");
  const bool is_false = (word | word_of("     ")) == word_of("false");
  // Either word is chosen by a mask, not a branch: the texts of a file vary from line to line.
  const std::uint64_t keep = std::uint64_t{0} - static_cast<std::uint64_t>(is_true | is_false);
  word = (word & keep) | (word_of("False") & ~keep);
  char stored[8];
  store_word(stored, word);
  std::memcpy(record + step.text_offset, stored, boolean_text_capacity);
}

// Brings a stored date into the conversion's order. The date is the stored text up to any zero
// byte, as the record holds it; a text the conversion keeps holds no zero byte but its
// separators, and what comes before such a separator is kept as well.
void convert_date(std::byte* record, const column_step& step, std::string_view stored,
                  const date_order_conversion* dates) {
  if (dates == nullptr || stored.empty() || dates->keeps(stored)) {
    return;
  }
  const std::string_view text = stored.substr(0, stored.find('\0'));
  if (text.empty()) {
    return;
  }
  std::array<char, date_order_conversion::max_length> buffer;
  const std::string_view converted = dates->convert(text, buffer);
  if (converted.data() != text.data() && !converted.empty() && converted != text &&
      converted.size() < step.text_capacity) {
    write_text(record, step.text_offset, step.text_capacity, converted);
  }
}

// Every action gives what the zero-filled record holds for an empty field, so empty fields
// take the same path as others. Numbers are parsed from the stored text; the parsers stop at
// a zero byte, so they read it as the text before any zero byte.
void store_field(std::byte* record, const column_step& step, std::string_view text, line_bytes line,
                 const date_order_conversion* dates) {
  switch (step.action) {
    case column_action::integer8:
      store_integer<std::int8_t>(record, step.number_offset,
                                 parse_field_integer<false>(text, line));
      break;
    case column_action::integer16:
      store_integer<std::int16_t>(record, step.number_offset,
                                  parse_field_integer<false>(text, line));
      break;
    case column_action::integer32:
      store_integer<std::int32_t>(record, step.number_offset,
                                  parse_field_integer<true>(text, line));
      break;
    case column_action::text:
      store_text(record, step, text, line);
      break;
    case column_action::date:
      convert_date(record, step, store_text(record, step, text, line), dates);
      break;
    case column_action::normalised_boolean:
      store_boolean(record, step, text, line);
      break;
    case column_action::count8:
      store_integer<std::int8_t>(
          record, step.number_offset,
          parse_field_integer<false>(store_text(record, step, text, line), line));
      break;
    case column_action::count16:
      store_integer<std::int16_t>(
          record, step.number_offset,
          parse_field_integer<false>(store_text(record, step, text, line), line));
      break;
    case column_action::count32:
      store_integer<std::int32_t>(
          record, step.number_offset,
          parse_field_integer<true>(store_text(record, step, text, line), line));
      break;
    case column_action::amount:
      write_float(record, step.number_offset,
                  parse_amount_text(store_text(record, step, text, line)));
      break;
    default:
      // No other action exists: without this the range of the action is tested before each
      // field's jump.
      __builtin_unreachable();
  }
}

// Boolean texts without a column read as "False" as well.
void fill_unread_boolean_texts(std::byte* record, const record_layout& layout) {
  for (const field_descriptor* field : layout.unread_booleans) {
    write_text(record, field->offset, field->size, "False");
  }
}

}  // namespace

std::optional<int> read_record_line(std::string_view line, const record_layout& layout,
                                    std::byte* record, const date_order_conversion* dates,
                                    std::size_t readable_after) {
  // Each field is the text between the next two double quotes, whatever stands between them.
  const std::size_t wanted = 2 * layout.steps.size();
  std::array<std::uint32_t, 2 * max_columns + extra_quote_offsets> quotes;
  const quotes_found found = find_quotes(line.data(), line.size(), wanted, quotes.data());
  if (found.count < wanted) {
    return std::nullopt;
  }
  const line_bytes bytes{line.data(), line.data() + line.size() + readable_after};
  const std::uint32_t* quote = quotes.data();
  for (const column_step& step : layout.steps) {
    const std::uint32_t opening = quote[0];
    const std::uint32_t length = quote[1] - opening - 1;
    quote += 2;
    store_field(record, step,
                {line.data() + opening + 1, std::min<std::size_t>(length, max_field_length)}, bytes,
                dates);
  }
  fill_unread_boolean_texts(record, layout);
  // The search for the quotes saw every byte of the fields.
  return found.carriage_return ? replace_carriage_returns(record, layout) : 0;
}
