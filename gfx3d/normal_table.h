#pragma once
// The 162 unit normals that object files name by index (the vertex-normal
// table of the MD2 model format): entry 0 is (-0.525731, 0, 0.850651),
// entry 5 is (0, 0, 1).

#include <cstdint>

namespace vdr {

inline constexpr int kNormalCount = 162;
extern const float kNormalTable[kNormalCount][3];

// The table entry nearest the normal (normalised first unless its length is
// at most 1e-7): the smallest |n . (n - t)|, ties to the later entry.
uint8_t NearestNormalIndex(float nx, float ny, float nz);

}  // namespace vdr
