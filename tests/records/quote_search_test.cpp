#include "records/quote_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Texts of every length around the 64-byte blocks, with quotes at irregular places.
std::vector<std::string> quoted_texts() {
  std::vector<std::string> texts;
  for (std::size_t size : {0, 1, 7, 8, 15, 16, 63, 64, 65, 127, 128, 200}) {
    std::string text(size, 'a');
    for (std::size_t i = 0; i < size; i += 1 + i % 7) {
      text[i] = '"';
    }
    texts.push_back(text);
  }
  return texts;
}

std::vector<std::uint32_t> offsets_of_quotes(const std::string& text) {
  std::vector<std::uint32_t> offsets;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') {
      offsets.push_back(static_cast<std::uint32_t>(i));
    }
  }
  return offsets;
}

TEST(find_quotes, stores_at_least_the_wanted_quotes_in_order) {
  for (const std::string& text : quoted_texts()) {
    const std::vector<std::uint32_t> all = offsets_of_quotes(text);
    for (std::size_t wanted :
         {std::size_t{0}, std::size_t{1}, std::size_t{5}, all.size(), all.size() + 1}) {
      std::vector<std::uint32_t> offsets(wanted + extra_quote_offsets);
      const std::size_t found = find_quotes(text.data(), text.size(), wanted, offsets.data()).count;
      ASSERT_GE(found, std::min(wanted, all.size())) << text.size() << " " << wanted;
      ASSERT_LE(found, all.size());
      offsets.resize(found);
      EXPECT_TRUE(std::equal(offsets.begin(), offsets.end(), all.begin()))
          << text.size() << " " << wanted;
    }
  }
}

TEST(find_quotes, sees_every_carriage_return_before_the_last_wanted_quote) {
  for (const std::string& text : quoted_texts()) {
    const std::vector<std::uint32_t> all = offsets_of_quotes(text);
    std::vector<std::uint32_t> offsets(all.size() + extra_quote_offsets);
    EXPECT_FALSE(find_quotes(text.data(), text.size(), all.size(), offsets.data()).carriage_return)
        << text.size();
    for (std::size_t at = 0; at < text.size(); ++at) {
      // Up to the first quote after the carriage return.
      const auto next = std::ranges::lower_bound(all, static_cast<std::uint32_t>(at));
      if (text[at] == '"' || next == all.end()) {
        continue;
      }
      std::string returned = text;
      returned[at] = '\r';
      const auto wanted = static_cast<std::size_t>(next - all.begin()) + 1;
      EXPECT_TRUE(
          find_quotes(returned.data(), returned.size(), wanted, offsets.data()).carriage_return)
          << text.size() << " " << at;
    }
  }
}

TEST(find_quote, finds_the_first_quote_or_the_end) {
  for (const std::string& text : quoted_texts()) {
    for (std::size_t from = 0; from <= text.size(); from += 1 + from % 9) {
      const std::size_t first = std::min(text.find('"', from), text.size());
      EXPECT_EQ(find_quote(text.data() + from, text.data() + text.size()), text.data() + first)
          << text.size() << " " << from;
    }
  }
}

}  // namespace
