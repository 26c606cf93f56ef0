// Decelerating movement: values that approach a target in ever smaller steps.
#pragma once
#include <cstdint>

class CEaseOut {
 public:
  // n = steps when positive, else 1; the k-th of n calls of the matching
  // Next returns target - coefficient * (n - k)^2 (or ^3); the last returns
  // the target itself, and so does every call after it.
  void StartQuadratic(float start, float target, std::int32_t steps);
  void StartCubic(float start, float target, std::int32_t steps);
  long double NextQuadratic();
  long double NextCubic();

  float target = 0.0f;
  float coefficient = 0.0f;
  std::int32_t steps = 0;
  std::int32_t remaining = 0;

 private:
  void Start(float start, float target, std::int32_t steps, int power);
};
