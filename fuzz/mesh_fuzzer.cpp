// Fuzz target: the input is an object file of either variant. A file that
// loads is written as the binary variant 2.0 and read again: what is written
// must read back as exactly what was read.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "gfx3d/mesh_format.h"

namespace {

bool SameVertex(const vdr::MeshVertex& a, const vdr::MeshVertex& b) {
  return std::memcmp(a.position, b.position, sizeof a.position) == 0 && a.colour == b.colour &&
         a.colourIndex == b.colourIndex;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vdr::MeshObject object;
  if (vdr::ReadMesh(std::span<const uint8_t>(data, size), object) != vdr::MeshReadResult::kLoaded) {
    if (object.loaded || !object.frames.empty() || !object.palette.empty()) std::abort();
    return 0;
  }
  if (object.frames.empty()) return 0;  // nothing to save
  vdr::MeshObject again;
  if (vdr::ReadMesh(vdr::WriteMesh(object), again) != vdr::MeshReadResult::kLoaded) std::abort();
  if (again.palette != object.palette || again.frames.size() != object.frames.size()) std::abort();
  for (size_t f = 0; f < object.frames.size(); ++f) {
    if (again.frames[f].size() != object.frames[f].size()) std::abort();
    for (size_t i = 0; i < object.frames[f].size(); ++i) {
      if (!SameVertex(again.frames[f][i], object.frames[f][i])) std::abort();
    }
  }
  return 0;
}
