#pragma once

#include <cstddef>
#include <cstring>
#include <vector>

// Bytes of the blocks handed out without zeroing them: a load zeroes each record on the thread
// that fills it, so that the zeroing of a large file's records is shared as the reading is.
struct unzeroed_bytes {
  std::byte* bytes = nullptr;
  std::size_t size = 0;
  bool zero = false;  // whether they are zero already, as a fresh block's are

  void zero_fill() const {
    if (!zero) {
      std::memset(bytes, 0, size);
    }
  }
};

// Memory for the records of one load, handed out from large blocks and given back all at once
// with the blocks. A large file holds millions of records: made one by one, they cost the
// allocator, and the system the zeroing of fresh pages, about as much as reading them does.
class record_blocks {
 public:
  record_blocks() = default;
  record_blocks(record_blocks&& other) noexcept;
  record_blocks& operator=(record_blocks&& other) noexcept;
  ~record_blocks();

  // `size` zero bytes at a multiple of `alignment` (at most 16), valid as long as the blocks;
  // `size` is far below a block's. Throws std::bad_alloc when the system gives no more memory.
  std::byte* allocate(std::size_t size, std::size_t alignment);
  // As allocate, but the bytes are left for the caller to zero_fill before use.
  unzeroed_bytes allocate_unzeroed(std::size_t size, std::size_t alignment);

  // The bytes of the blocks up to the last record handed out.
  std::size_t bytes() const;

 private:
  void take_block();
  void release();

  std::vector<std::byte*> blocks_;
  std::byte* free_ = nullptr;  // the last block's first byte not handed out
  std::byte* end_ = nullptr;   // the last block's end
  bool fresh_ = false;         // whether the last block came zero from the system
};
