#pragma once

#include <cstddef>
#include <cstdint>

// Asks for the first `bytes` of the record some places ahead of a walk through the vector (by
// default the line that holds its ids): records lie apart in memory, and a walk that waited for
// each in turn would spend most of its time waiting.
template <class Vector>
void fetch_ahead(const Vector& records, std::size_t i,
                 std::size_t bytes = 2 * sizeof(std::int32_t)) {
  constexpr std::size_t ahead = 8;
  constexpr std::size_t line = 64;
  if (i + ahead >= records.size() || !records[i + ahead])
    return;
  // Every line the bytes touch, from the one the record begins in.
  const auto begin = reinterpret_cast<std::uintptr_t>(records[i + ahead].get());
  for (std::uintptr_t at = begin & ~std::uintptr_t{line - 1}; at < begin + bytes; at += line)
    __builtin_prefetch(reinterpret_cast<const void*>(at));
}
