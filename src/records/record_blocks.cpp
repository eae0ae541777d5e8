#include "record_blocks.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstring>
#include <mutex>
#include <new>
#include <utility>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#endif

namespace {

// A national export takes some seventy blocks; the pages a load never reaches are never
// touched, so a small file costs no more.
constexpr std::size_t block_bytes = std::size_t{8} << 20;

#if defined(__SANITIZE_ADDRESS__)
// Bytes left unused after each record, so that the address checker sees a record overrun as it
// would between records allocated one by one.
constexpr std::size_t overrun_gap = 16;
#else
constexpr std::size_t overrun_gap = 0;
#endif

// The blocks of the last store that gave its blocks back, for the next load. Fresh pages cost
// the system several times more to hand out than used ones cost to zero again; and the data set
// before a load lives on until the load is done, so keeping one store's blocks keeps no more
// memory than the last load took at its peak.
class spare_blocks {
 public:
  // A spare block, or null when there is none.
  std::byte* take() {
    const std::lock_guard lock(mutex_);
    if (blocks_.empty()) {
      return nullptr;
    }
    std::byte* block = blocks_.back();
    blocks_.pop_back();
    return block;
  }

  // Keeps the blocks in place of those kept before, which go back to the system.
  void keep(std::vector<std::byte*> blocks) {
    {
      const std::lock_guard lock(mutex_);
      blocks_.swap(blocks);
    }
    for (std::byte* block : blocks) {
#if defined(__SANITIZE_ADDRESS__)
      ASAN_UNPOISON_MEMORY_REGION(block, block_bytes);  // the addresses may serve other memory
#endif
      ::munmap(block, block_bytes);
    }
  }

 private:
  std::mutex mutex_;
  std::vector<std::byte*> blocks_;
};

// Never destroyed: stores destroyed at exit give their blocks back to it.
spare_blocks& spares() {
  static auto* const blocks = new spare_blocks;
  return *blocks;
}

}  // namespace

record_blocks::record_blocks(record_blocks&& other) noexcept
    : blocks_(std::exchange(other.blocks_, {})),
      free_(std::exchange(other.free_, nullptr)),
      end_(std::exchange(other.end_, nullptr)),
      fresh_(other.fresh_) {}

record_blocks& record_blocks::operator=(record_blocks&& other) noexcept {
  if (this != &other) {
    release();
    blocks_ = std::exchange(other.blocks_, {});
    free_ = std::exchange(other.free_, nullptr);
    end_ = std::exchange(other.end_, nullptr);
    fresh_ = other.fresh_;
  }
  return *this;
}

record_blocks::~record_blocks() {
  release();
}

void record_blocks::release() {
#if defined(__SANITIZE_ADDRESS__)
  for (std::byte* block : blocks_) {
    ASAN_POISON_MEMORY_REGION(block, block_bytes);  // a record used after its store went shows
  }
#endif
  if (!blocks_.empty()) {
    spares().keep(std::exchange(blocks_, {}));
  }
  free_ = end_ = nullptr;
}

void record_blocks::take_block() {
  blocks_.reserve(blocks_.size() + 1);  // so that a block taken is never lost
  std::byte* block = spares().take();
  fresh_ = block == nullptr;
  if (fresh_) {
    void* memory =
        ::mmap(nullptr, block_bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
      throw std::bad_alloc();
    }
    block = static_cast<std::byte*>(memory);
  }
  blocks_.push_back(block);
  free_ = block;
  end_ = block + block_bytes;
#if defined(__SANITIZE_ADDRESS__)
  ASAN_POISON_MEMORY_REGION(block, block_bytes);
#endif
}

unzeroed_bytes record_blocks::allocate_unzeroed(std::size_t size, std::size_t alignment) {
  const auto aligned = [&](std::byte* at) {
    return at + (alignment - reinterpret_cast<std::uintptr_t>(at) % alignment) % alignment;
  };
  std::byte* record = aligned(free_);
  if (free_ == nullptr || end_ - record < static_cast<std::ptrdiff_t>(size + overrun_gap)) {
    take_block();
    record = free_;
  }
  free_ = record + size + overrun_gap;
#if defined(__SANITIZE_ADDRESS__)
  ASAN_UNPOISON_MEMORY_REGION(record, size);
#endif
  return {record, size, fresh_};
}

std::byte* record_blocks::allocate(std::size_t size, std::size_t alignment) {
  // A fresh block is zero already; a spare one is zeroed record by record, each just before it
  // is filled, while it is in the cache.
  const unzeroed_bytes record = allocate_unzeroed(size, alignment);
  record.zero_fill();
  return record.bytes;
}

std::size_t record_blocks::bytes() const {
  return blocks_.empty() ? 0 : (blocks_.size() - 1) * block_bytes + (free_ - blocks_.back());
}
