#include "toolkit/Chamowanie.h"

void CEaseOut::Start(float start, float targetValue, std::int32_t stepCount, int power) {
  std::int32_t n = stepCount > 0 ? stepCount : 1;
  steps = n;
  remaining = n;
  // n^2 and n^3 are 32-bit products, as the callers' step counts are small.
  std::uint32_t div = std::uint32_t(n) * std::uint32_t(n);
  if (power == 3) div *= std::uint32_t(n);
  // A product that wraps to 0 (n = 65536, or a cube of a multiple of 2048)
  // would divide by zero: the divisor is then 1.
  if (div == 0) div = 1;
  long double diff = (long double)targetValue - (long double)start;
  coefficient = float(diff / (long double)std::int32_t(div));
  target = targetValue;
}

void CEaseOut::StartQuadratic(float start, float targetValue, std::int32_t stepCount) { Start(start, targetValue, stepCount, 2); }

void CEaseOut::StartCubic(float start, float targetValue, std::int32_t stepCount) { Start(start, targetValue, stepCount, 3); }

long double CEaseOut::NextQuadratic() {
  if (remaining <= 1) return target;
  --remaining;
  long double r = remaining;
  return (long double)target - r * (long double)coefficient * r;
}

long double CEaseOut::NextCubic() {
  if (remaining <= 1) return target;
  --remaining;
  long double r = remaining;
  return (long double)target - r * (long double)coefficient * r * r;
}
