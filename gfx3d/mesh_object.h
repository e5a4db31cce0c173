#pragma once
// MeshObject: a keyframe-animated 3D object as its file holds it. A palette
// of colour values and a list of frames; each frame is a list of vertices in
// which polygons are separated by boundary vertices (colour value
// kBoundaryColour): the vertices up to the next boundary, or the end of the
// frame, are the corners of one polygon.

#include <cstdint>
#include <vector>

namespace vdr {

// Colour values from kFirstControlColour up are control values, not colours.
inline constexpr uint32_t kFirstControlColour = 0xFFFFFFFCu;
inline constexpr uint32_t kBoundaryColour = 0xFFFFFFFDu;

struct MeshVertex {
  float position[3] = {0, 0, 0};
  float normal[3] = {0, 0, 0};
  float u = 0, v = 0;
  uint32_t colour = 0;       // red in bits 0-7, green 8-15, blue 16-23
  uint8_t colourIndex = 0;   // the colour's position in the palette
  float rgba[4] = {1, 1, 1, 1};

  bool IsBoundary() const { return colour == kBoundaryColour; }
};

// rgba of a colour value: each component / 255 and alpha 1; white for the
// control values.
void SetVertexColour(MeshVertex& vertex, uint32_t colour);

using MeshFrame = std::vector<MeshVertex>;

struct MeshObject {
  std::vector<uint32_t> palette;
  std::vector<MeshFrame> frames;
  bool loaded = false;
};

}  // namespace vdr
