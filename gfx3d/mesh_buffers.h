#pragma once
// An object's vertices and triangle indexes in OpenGL buffer objects,
// uploaded once when the object loads; blends between frames go through one
// stream buffer per object. Without buffer-object support the same arrays
// are drawn from memory.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gfx3d/mesh_layout.h"

namespace vdr {

// Which texture units the drawing feeds texture coordinates to.
struct DrawTexturing {
  bool unit0 = false;
  bool unit1 = false;
};

// Makes texture unit 0 or 1 the active one, for texturing or (clientArrays)
// for texture coordinate arrays; false for unit 1 when the driver has only
// one unit.
bool SelectTextureUnit(int unit, bool clientArrays);

class MeshBuffers {
 public:
  // Lays the object out and uploads it; false when memory or the driver fails.
  bool Upload(const MeshObject& mesh);
  // Deletes the buffer objects (only while the OpenGL context exists).
  void Release();

  int32_t FrameCount() const { return static_cast<int32_t>(frames_.size()); }
  const FrameRange& Frame(int32_t frame) const { return frames_[static_cast<size_t>(frame)]; }

  // Draws a frame's triangles from the uploaded vertices, or from `blended`
  // (the frame's vertex count of them) when given.
  void Draw(int32_t frame, const std::vector<DrawVertex>* blended, DrawTexturing texturing);

 private:
  void SetPointers(uintptr_t base, DrawTexturing texturing);

  std::vector<FrameRange> frames_;
  uint32_t vertexBuffer_ = 0;
  uint32_t indexBuffer_ = 0;
  uint32_t streamBuffer_ = 0;
  // The arrays themselves when the driver has no buffer objects.
  std::vector<DrawVertex> vertices_;
  std::vector<uint32_t> indices_;
};

}  // namespace vdr
