#include "view/OrderByValue.h"

#include <algorithm>
#include <numeric>

namespace vorpa {

std::vector<int> OrderByValue(std::span<const double> values) {
  // A stable sort on (has no value, value) gives exactly the repeated
  // choice of the smallest positive value, horse numbers breaking ties.
  std::vector<int> order(values.size());
  std::iota(order.begin(), order.end(), 1);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    double va = values[a - 1], vb = values[b - 1];
    bool pa = va > 0, pb = vb > 0;
    if (pa != pb) return pa;
    return pa && va < vb;
  });
  return order;
}

}  // namespace vorpa
