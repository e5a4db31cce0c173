#include "gfx2d/polygon_batch.h"

namespace vdr {

void PolygonBatch::Start(int32_t mode, const BatchTexture& texture) {
  vertices_.Clear();
  if (vertices_.Capacity() <= 2) vertices_.Reserve(kFirstVertexCapacity);
  mode_ = mode;
  texture_ = texture;
  newStripPending_ = false;
  vertexColours_ = false;
}

void PolygonBatch::Add(float x, float y, float tx, float ty, int32_t colour, int32_t colourKey, float alphaLevel) {
  BatchVertex vertex{x, y, 0, 0, 255, 255, 255, 0};
  if (texture_.textured) {
    vertex.u = tx * texture_.inverseTextureWidth;
    vertex.v = (static_cast<float>(texture_.pictureHeight) - ty) * texture_.inverseTextureHeight;
  }
  if (colour != 0xFFFFFF) {
    vertexColours_ = true;
    vertex.red = static_cast<uint8_t>(colour);
    vertex.green = static_cast<uint8_t>(colour >> 8);
    vertex.blue = static_cast<uint8_t>(colour >> 16);
  }
  if (colour == colourKey && colourKey != -1) {
    vertex.alpha = 0;
  } else {
    vertex.alpha = static_cast<uint8_t>(alphaLevel * 255.0f);
  }
  if (newStripPending_) {
    if (!vertices_.Push(vertex)) return;
    newStripPending_ = false;
  }
  vertices_.Push(vertex);
}

void PolygonBatch::NewStrip() {
  if (vertices_.Count() == 0 || newStripPending_) return;
  if (vertices_.Push(vertices_.Last())) newStripPending_ = true;
}

}  // namespace vdr
