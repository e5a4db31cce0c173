#include "tests/pathfind/test_maps.h"

namespace vdr::test {

DrawnMap DrawMap(const std::vector<std::string>& rows) {
  DrawnMap drawn;
  const int32_t height = static_cast<int32_t>(rows.size());
  const int32_t width = height > 0 ? static_cast<int32_t>(rows[0].size()) : 0;
  drawn.map.Dim(width, height);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      const char c = rows[y][x];
      if (c == 'S') drawn.start = GridPoint{x, y};
      if (c == 'G') drawn.goal = GridPoint{x, y};
      drawn.map.At(x, y) = c == '#' ? 0 : c >= '0' && c <= '9' ? c - '0' : 1;
    }
  }
  return drawn;
}

RuntimeArray<double> RandomMap(const RandomMapShape& shape, std::mt19937& random) {
  std::uniform_real_distribution<double> unit(0, 1);
  std::uniform_int_distribution<int32_t> level(1, std::max(shape.distinctValues, 1));
  RuntimeArray<double> map;
  map.Dim(shape.width, shape.height);
  for (int32_t i = 0; i < map.Count(); ++i) {
    const bool blocked = unit(random) < shape.blockedShare;
    map.Data()[i] = blocked ? 0 : shape.distinctValues > 0 ? level(random) : 1 + 99 * unit(random);
  }
  return map;
}

}  // namespace vdr::test
