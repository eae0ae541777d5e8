#pragma once

struct qor_staff;

// The ability a player of `age` whole years can still expect to reach from his current ability
// and the positions natural to him (rated 20): for each natural position before its peak age,
// (peak age - age) raised to the position's growth exponent plus the current ability, the best
// of them, at most 200. 0 when the age or the current ability is 0, when he has no natural
// position, and as soon as one natural position is at or past its peak age.
int expected_potential_ability(const qor_staff& staff, int age);
