// Writing a record's line: the hot path of a save, run once for each of the hundreds of
// thousands of records of a large file. Texts are copied and checked sixteen bytes at a time
// straight into the output, which has room for whole blocks, rather than measured, searched and
// appended one call after another.

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <optional>
#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

#include "byte_blocks.h"
#include "record_line.h"

namespace {

constexpr std::size_t block_size = 16;
constexpr std::size_t integer_room = 11;  // "-2147483648"

std::size_t whole_blocks(std::size_t bytes) {
  return (bytes + block_size - 1) / block_size * block_size;
}

// Bit i of each: byte i of sixteen is a zero, which ends a text; or is one a line cannot carry.
struct block_bits {
  std::uint32_t zeros = 0;
  std::uint32_t breaks = 0;  // double quotes, carriage returns and line feeds
};

block_bits bits_of_text_block(const char* bytes) {
  block_bits bits;
#if defined(__SSE2__) || defined(_M_X64)
  const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
  const auto bits_of = [&](char byte) { return _mm_cmpeq_epi8(block, _mm_set1_epi8(byte)); };
  bits.zeros = static_cast<std::uint32_t>(_mm_movemask_epi8(bits_of('\0')));
  bits.breaks = static_cast<std::uint32_t>(
      _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(bits_of('"'), bits_of('\r')), bits_of('\n'))));
#else
  using byte_blocks::byte_top_bits, byte_blocks::gather_top_bits;
  for (std::size_t part = 0; part < block_size / 8; ++part) {
    const auto word = load_word<std::uint64_t>(bytes + 8 * part);
    const auto shift = static_cast<unsigned>(8 * part);
    bits.zeros |= static_cast<std::uint32_t>(gather_top_bits(byte_top_bits(word, '\0')) << shift);
    bits.breaks |= static_cast<std::uint32_t>(gather_top_bits(byte_top_bits(word, '"') |
                                                              byte_top_bits(word, '\r') |
                                                              byte_top_bits(word, '\n'))
                                              << shift);
  }
#endif
  return bits;
}

// Copies the text of a field of `capacity` bytes to `out` in whole blocks, up to its first zero
// byte or the field's end; its length, or nothing when the text holds a byte that would break
// the line. Reads and stores `capacity` rounded up to whole blocks.
std::optional<std::size_t> copy_text_blocks(const char* text, std::size_t capacity, char* out) {
  for (std::size_t at = 0;; at += block_size) {
    std::memcpy(out + at, text + at, block_size);
    const block_bits bits = bits_of_text_block(text + at);
    std::uint32_t ends = bits.zeros;
    if (capacity - at <= block_size) {
      ends |= ~std::uint32_t{0} << (capacity - at);  // a text that fills the field ends with it
    }
    if (ends != 0) {
      const int length = std::countr_zero(ends);
      if ((bits.breaks & ((std::uint32_t{1} << length) - 1)) != 0) {
        return std::nullopt;
      }
      return at + static_cast<std::size_t>(length);
    }
    if (bits.breaks != 0) {
      return std::nullopt;
    }
  }
}

// The same for a field so near the record's end that whole blocks would read past it.
std::optional<std::size_t> copy_text_at_end(const char* text, std::size_t capacity, char* out) {
  const std::string_view copied(text, ::strnlen(text, capacity));
  if (copied.find_first_of("\"\r\n") != std::string_view::npos) {
    return std::nullopt;
  }
  std::memcpy(out, copied.data(), copied.size());
  return copied.size();
}

template <class Integer>
char* write_integer(char* out, const std::byte* number) {
  Integer value;
  std::memcpy(&value, number, sizeof value);
  return std::to_chars(out, out + integer_room, value).ptr;
}

}  // namespace

std::size_t record_line_room(const record_layout& layout) {
  std::size_t room = 0;
  for (const column_step& step : layout.steps) {
    // Each field in quotes, then a ';' or, after the last, the line feed.
    room += 3 + std::max(integer_room, whole_blocks(step.text_capacity));
  }
  return room;
}

const field_descriptor* write_record_line(char*& out, const std::byte* record,
                                          std::size_t record_size, const record_layout& layout) {
  char* at = out;
  for (std::size_t column = 0; column < layout.steps.size(); ++column) {
    const column_step& step = layout.steps[column];
    *at++ = '"';
    switch (step.action) {
      case column_action::integer8:
        at = write_integer<std::int8_t>(at, record + step.number_offset);
        break;
      case column_action::integer16:
        at = write_integer<std::int16_t>(at, record + step.number_offset);
        break;
      case column_action::integer32:
        at = write_integer<std::int32_t>(at, record + step.number_offset);
        break;
      default: {
        // Every other column writes the text it was read from.
        const auto text = reinterpret_cast<const char*>(record + step.text_offset);
        const std::optional<std::size_t> length =
            step.text_offset + whole_blocks(step.text_capacity) <= record_size
                ? copy_text_blocks(text, step.text_capacity, at)
                : copy_text_at_end(text, step.text_capacity, at);
        if (!length) {
          return layout.columns[column];
        }
        at += *length;
      }
    }
    *at++ = '"';
    *at++ = ';';
  }
  at[-1] = '\n';
  out = at;
  return nullptr;
}
