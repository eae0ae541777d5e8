#include <gtest/gtest.h>

#include <functional>

#include "ability/base_playing_data.h"
#include "ability/staff_attributes.h"
#include "ability/vector_registers.h"
#include "invented_players.h"

#if defined(__x86_64__)
#include <cpuid.h>
#endif

namespace {

#if defined(__x86_64__)
// Whether the processor can say which register states are in use (the upper halves of the wide
// registers among them).
bool reports_registers_in_use() {
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (!__builtin_cpu_supports("avx") || !__get_cpuid_count(0xD, 1, &a, &b, &c, &d))
    return false;
  return (a & (1U << 2)) != 0;
}

bool upper_halves_in_use() {
  unsigned low = 0, high = 0;
  asm volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(1));
  return (low & (1U << 2)) != 0;
}

// As library code that leaves without giving the upper halves back.
void use_wide_registers() {
  asm volatile("vpcmpeqd %%ymm0, %%ymm0, %%ymm0" ::: "xmm0");
}
#endif

struct model_entry {
  const char* name;
  std::function<void(const POSITION_WEIGHTINGS&, const qor_staff&)> call;
};

const model_entry model_entries[] = {
    {"recommended current ability",
     [](const POSITION_WEIGHTINGS& table, const qor_staff& staff) {
       playing_data_from_staff(staff).recommended_current_ability(staff, table);
     }},
    {"recommended current ability when fitted",
     [](const POSITION_WEIGHTINGS& table, const qor_staff& staff) {
       playing_data_from_staff(staff).recommended_current_ability_when_fitted(staff, 120, table);
     }},
    {"fit to an ability",
     [](const POSITION_WEIGHTINGS& table, const qor_staff& staff) {
       playing_data_from_staff(staff).fit_attributes_to_ability(120, table, staff.StaffID);
     }},
};

// Plain floating point waits on upper halves left in use: the model's entries give them back
// before their passes, whoever used them last.
TEST(VectorRegisters, ModelEntriesGiveTheUpperHalvesBack) {
#if defined(__x86_64__)
  if (!reports_registers_in_use())
    GTEST_SKIP() << "the processor does not say which registers are in use";
  const POSITION_WEIGHTINGS table = invented_weightings();
  const qor_staff player = striker();
  for (const model_entry& entry : model_entries) {
    SCOPED_TRACE(entry.name);
    use_wide_registers();
    ASSERT_TRUE(upper_halves_in_use());
    entry.call(table, player);
    EXPECT_FALSE(upper_halves_in_use());
  }
  use_wide_registers();
  release_wide_vector_registers();
  EXPECT_FALSE(upper_halves_in_use());
#else
  GTEST_SKIP() << "no wide vector registers to give back";
#endif
}

}  // namespace
