#include "record_form/contract_fields_wages.h"

#include "record_form/form_text.h"

namespace {

// Single-precision constants, as the amounts have always been converted with; the products and
// quotients are formed in extended precision and truncated toward zero.
constexpr float weeks_per_month = 4.3481216f;
constexpr float weeks_per_year = 52.177456f;

long long times(long long amount, float factor) {
  return static_cast<long long>(static_cast<long double>(amount) * factor);
}

long long divided(long long amount, float factor) {
  return static_cast<long long>(static_cast<long double>(amount) / factor);
}

wage_amounts current_contract(wage_period period, long long amount) {
  switch (period) {
    case wage_period::weekly:
      return {amount, times(amount, weeks_per_month), times(amount, weeks_per_year)};
    case wage_period::monthly:
      return {divided(amount, weeks_per_month), amount, amount * 12};
    case wage_period::yearly:
      return {divided(amount, weeks_per_year), amount / 12, amount};
  }
  return {};
}

wage_amounts future_transfer(wage_period period, long long amount) {
  switch (period) {
    case wage_period::weekly:
      return {amount, amount * 52 / 12, amount * 52};
    case wage_period::monthly:
      return {amount * 12 / 52, amount, amount * 12};
    case wage_period::yearly:
      return {amount / 52, amount / 12, amount};
  }
  return {};
}

bool in_money_range(long long amount) {
  return amount >= 0 && amount <= max_money_amount;
}

}  // namespace

std::optional<wage_amounts> convert_wage(wage_triplet triplet, wage_period period,
                                         long long amount) {
  if (!in_money_range(amount))
    return std::nullopt;
  const wage_amounts amounts = triplet == wage_triplet::current_contract
                                   ? current_contract(period, amount)
                                   : future_transfer(period, amount);
  if (!in_money_range(amounts.weekly) || !in_money_range(amounts.monthly) ||
      !in_money_range(amounts.yearly)) {
    return std::nullopt;
  }
  return amounts;
}

long long largest_convertible_wage(wage_triplet triplet, wage_period period) {
  // Every derived amount grows with the amount, so the fitting amounts form one range from 0.
  long long low = 0;
  long long high = max_money_amount;
  while (low < high) {
    const long long middle = low + (high - low + 1) / 2;
    if (convert_wage(triplet, period, middle))
      low = middle;
    else
      high = middle - 1;
  }
  return low;
}
