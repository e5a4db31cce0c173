#include "runtime/runtime_array.h"

#include <utility>

namespace vdr {
namespace {

int Order(const RuntimeString& a, const RuntimeString& b, StringComparison compare) {
  return compare != nullptr ? compare(a, b) : Compare(a, b);
}

// Quicksort with the middle element as pivot, parked at the end of the range
// while the rest is partitioned. The pivot itself is never compared, so each
// pass shrinks the range even when the comparison is not a consistent order;
// elements equal to the pivot go to both sides in turn, so runs of equal
// texts do not degrade the sort. Recursion goes into the smaller part only.
void QuickSort(RuntimeString* items, int64_t low, int64_t high, StringComparison compare) {
  while (low < high) {
    items[low + (high - low) / 2].swap(items[high]);
    const RuntimeString& pivot = items[high];
    int64_t store = low;
    bool equalGoesLeft = false;
    for (int64_t i = low; i < high; ++i) {
      const int order = Order(items[i], pivot, compare);
      if (order == 0) equalGoesLeft = !equalGoesLeft;
      if (order < 0 || (order == 0 && equalGoesLeft)) items[i].swap(items[store++]);
    }
    items[store].swap(items[high]);
    if (store - low < high - store) {
      QuickSort(items, low, store - 1, compare);
      low = store + 1;
    } else {
      QuickSort(items, store + 1, high, compare);
      high = store - 1;
    }
  }
}

}  // namespace

void SortArray(RuntimeString* first, RuntimeString* last, StringComparison compare) {
  if (first == nullptr || last == nullptr || last <= first) return;
  QuickSort(first, 0, last - first, compare);
}

}  // namespace vdr
