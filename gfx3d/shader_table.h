#pragma once
// The 255 shader program slots: each holds the OpenGL handles of a program
// and of its vertex and fragment shaders, 0 for none.

#include <array>
#include <cstdint>

namespace vdr {

inline constexpr int32_t kShaderSlots = 255;

struct ShaderSlot {
  uint32_t program = 0;
  uint32_t vertexShader = 0;
  uint32_t fragmentShader = 0;
};

using ShaderTable = std::array<ShaderSlot, kShaderSlots>;

}  // namespace vdr
