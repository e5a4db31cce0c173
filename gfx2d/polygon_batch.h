#pragma once
// The polygon batch: textured, per-vertex coloured vertices gathered between
// StartPoly and EndPoly and drawn with one call. Strips inside one batch are
// joined by repeating a vertex at each seam (degenerate triangles).

#include <cstdint>

#include "gfx2d/vertex_buffer.h"

namespace vdr {

struct BatchVertex {
  float x, y, u, v;
  uint8_t red, green, blue, alpha;
};

enum class BatchMode : int32_t { kFan = 0, kTriangles = 1, kStrip = 2 };

// What a batch's texture coordinates are measured against: the bound
// sprite's picture height and texture size (none: untextured batch).
struct BatchTexture {
  bool textured = false;
  int32_t pictureHeight = 0;
  float inverseTextureWidth = 0;
  float inverseTextureHeight = 0;
};

class PolygonBatch {
 public:
  void Start(int32_t mode, const BatchTexture& texture);
  // (tx, ty) are pixels of the sprite, ty from its top. The colour 0xFFFFFF
  // keeps the batch white; any other colour turns the colour array on. Alpha
  // is 0 for the colour key, else the opacity level.
  void Add(float x, float y, float tx, float ty, int32_t colour, int32_t colourKey, float alphaLevel);
  void NewStrip();

  int32_t Mode() const { return mode_; }
  const BatchTexture& Texture() const { return texture_; }
  bool UsesVertexColours() const { return vertexColours_; }
  int32_t Count() const { return vertices_.Count(); }
  int32_t Capacity() const { return vertices_.Capacity(); }
  const BatchVertex* Vertices() const { return vertices_.Data(); }

 private:
  VertexBuffer<BatchVertex> vertices_;
  int32_t mode_ = 0;
  BatchTexture texture_;
  bool newStripPending_ = false;
  bool vertexColours_ = false;
};

}  // namespace vdr
