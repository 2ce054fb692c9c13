#pragma once
// Reproducible randomness of the simulator: every draw is a hash of the seed
// and of what it is drawn for, so a page looks the same however often and in
// whatever order it is asked for.
#include <cmath>
#include <cstdint>
#include <initializer_list>

namespace vorpa::sim {

inline uint64_t Mix(uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

inline uint64_t Hash(std::initializer_list<uint64_t> parts) {
  uint64_t h = 0x51ED270B27F1A4C3ull;
  for (uint64_t p : parts) h = Mix(h ^ p);
  return h;
}

// Uniform in [0, 1).
inline double Uniform(std::initializer_list<uint64_t> parts) {
  return double(Hash(parts) >> 11) * (1.0 / 9007199254740992.0);
}

// Roughly standard normal (sum of four uniforms, scaled).
inline double Normal(uint64_t key) {
  double s = 0;
  for (uint64_t i = 0; i < 4; ++i) s += Uniform({key, i});
  return (s - 2.0) * 1.7320508075688772;
}

// A sequence of draws for one purpose.
class TDraws {
 public:
  explicit TDraws(uint64_t key) : key_(key) {}
  double Next() { return Uniform({key_, n_++}); }
  int Below(int n) { return int(Next() * n); }
  int Range(int lo, int hi) { return lo + Below(hi - lo + 1); }
  bool Chance(double p) { return Next() < p; }
  // A fresh key for a sub-sequence.
  uint64_t Key() { return ::vorpa::sim::Hash({key_, n_++, 0xD1CE}); }
  template <class T, size_t N>
  const T& Pick(const T (&items)[N]) { return items[Below(int(N))]; }

 private:
  uint64_t key_;
  uint64_t n_ = 0;
};

}  // namespace vorpa::sim
