#include "vector_registers.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace {

__attribute__((target("avx"))) void zero_upper_halves() {
  _mm256_zeroupper();
}

}  // namespace

void release_wide_vector_registers() {
  static const bool has_wide_registers = __builtin_cpu_supports("avx");
  if (has_wide_registers)
    zero_upper_halves();
}
#else
void release_wide_vector_registers() {}
#endif
