#pragma once
// The neighbours a search steps to from a cell, in the order it visits them;
// the order decides between paths of equal cost.

#include <cstdint>

namespace vdr {

struct GridStep {
  int32_t dx;
  int32_t dy;
  bool diagonal;
};

class GridSteps {
 public:
  // The four orthogonal neighbours, or all eight.
  explicit GridSteps(bool diagonalNeighbours) {
    static constexpr GridStep kAll[] = {{-1, -1, true}, {0, -1, false}, {1, -1, true}, {1, 0, false},
                                        {-1, 0, false}, {-1, 1, true},  {0, 1, false}, {1, 1, true}};
    for (const GridStep& step : kAll) {
      if (!step.diagonal || diagonalNeighbours) steps_[count_++] = step;
    }
  }
  const GridStep* begin() const { return steps_; }
  const GridStep* end() const { return steps_ + count_; }

 private:
  GridStep steps_[8];
  int32_t count_ = 0;
};

}  // namespace vdr
