#pragma once
// The object file format, over bytes: the binary ".ddd" variant (versions
// 1.02 to 2.0, magic kMeshMagic) and the "DDDA" text variant are read, the
// binary variant 2.0 is written. Files are untrusted: a count the bytes
// cannot hold, or an index outside its table, is a read error, never a read
// past the data.

#include <cstdint>
#include <span>
#include <vector>

#include "gfx3d/mesh_object.h"

namespace vdr {

inline constexpr int32_t kMeshMagic = 0x00C6B317;
// The most vertices an object may have over all its frames (about 200 MB in
// memory); a file asking for more is refused before anything is allocated.
inline constexpr int64_t kMaxMeshVertices = int64_t{1} << 22;

enum class MeshReadResult {
  kLoaded,
  kNotAnObject,   // neither the magic nor "DDDA" with a version up to 1.1
  kWrongVersion,  // binary, version outside 1.02..2.0
  kReadError,     // short, malformed or out-of-range data
  kMallocError,   // more vertices than kMaxMeshVertices, or memory short
};

// Reads either variant into `object` (replaced whole on success, emptied
// otherwise).
MeshReadResult ReadMesh(std::span<const uint8_t> bytes, MeshObject& object);

// The binary variant 2.0 of an object that has frames. Texture coordinate i
// is that of vertex i of the first frame that has a vertex i (frame 0 for
// objects whose frames are alike), so every frame reads back.
std::vector<uint8_t> WriteMesh(const MeshObject& object);

}  // namespace vdr
