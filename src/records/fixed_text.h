#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

// A NUL-terminated text of fixed capacity, as the records hold it: capacity N keeps at most
// N - 1 characters and every assignment cuts a longer text instead of overrunning.
template <std::size_t N>
struct fixed_text {
  static_assert(N > 0);
  char data[N] = {};

  static constexpr std::size_t capacity = N;

  fixed_text() = default;
  fixed_text(std::string_view text) { assign(text); }  // NOLINT: plain texts convert on purpose

  fixed_text& operator=(std::string_view text) {
    assign(text);
    return *this;
  }

  void assign(std::string_view text) {
    const std::size_t length = std::min(text.size(), N - 1);
    // An empty view may hold no address at all; the test of the address, not only of the
    // length, also keeps the compiler from seeing a null source on its inlined paths.
    if (length > 0 && text.data() != nullptr)
      std::memmove(data, text.data(), length);
    std::memset(data + length, 0, N - length);
  }

  std::string_view view() const { return {data, ::strnlen(data, N)}; }
  const char* c_str() const { return data; }
  bool empty() const { return data[0] == '\0'; }
  std::size_t size() const { return ::strnlen(data, N); }
  operator std::string_view() const { return view(); }  // NOLINT

  friend bool operator==(const fixed_text& a, const fixed_text& b) { return a.view() == b.view(); }
  friend bool operator==(const fixed_text& a, std::string_view b) { return a.view() == b; }
};
