#include "heap_counter.h"

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> counting{false};
std::atomic<long long> held{0};
std::atomic<long long> peak{0};

void* allocate(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) {
    throw std::bad_alloc();
  }
  if (counting.load(std::memory_order_relaxed)) {
    const long long now = held += static_cast<long long>(malloc_usable_size(block));
    long long highest = peak.load(std::memory_order_relaxed);
    while (now > highest && !peak.compare_exchange_weak(highest, now)) {
    }
  }
  return block;
}

void release(void* block) {
  if (block != nullptr && counting.load(std::memory_order_relaxed)) {
    held -= static_cast<long long>(malloc_usable_size(block));
  }
  std::free(block);
}

}  // namespace

// Blocks freed during a measurement that were allocated before it lower the count; the peak is
// then a little low, never high.
heap_measurement::heap_measurement() {
  held = 0;
  peak = 0;
  counting = true;
}

heap_measurement::~heap_measurement() {
  counting = false;
}

std::size_t heap_measurement::peak_bytes() const {
  return static_cast<std::size_t>(std::max(0LL, peak.load()));
}

void* operator new(std::size_t size) {
  return allocate(size);
}
void* operator new[](std::size_t size) {
  return allocate(size);
}
void operator delete(void* block) noexcept {
  release(block);
}
void operator delete[](void* block) noexcept {
  release(block);
}
void operator delete(void* block, std::size_t) noexcept {
  release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  release(block);
}
