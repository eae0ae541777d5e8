#pragma once

#include <cstddef>
#include <vector>

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
