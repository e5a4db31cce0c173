#include "tests/gfx2d/gfx2d_test_support.h"

#include <SDL2/SDL_opengl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "files/platform_paths.h"
#include "gfx2d/capture_commands.h"
#include "gfx2d/drawing_commands.h"
#include "gfx2d/image/image_writers.h"
#include "gfx2d/render_context.h"
#include "gfx2d/sprite_commands.h"
#include "runtime/error_status.h"
#include "tests/gfx2d_image/image_fixtures.h"
#include "tests/support/engine_harness.h"

namespace vdr::test {

std::string TempPath(const std::string& name) { return TempFolder() + name; }

std::string WriteTempFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  const std::string path = TempPath(name);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::string WriteHugeTempFile(const std::string& name) {
  const std::string path = WriteTempFile(name, {0x89, 'P', 'N', 'G'});
  std::filesystem::resize_file(path, uintmax_t{2} << 40);
  return path;
}

std::string SavePicture(const std::string& name, int32_t width, int32_t height, const PixelFunction& pixel) {
  const std::string path = TempPath(name);
  EXPECT_TRUE(SaveImage(path, testing::MakeImage(width, height, pixel))) << name;
  return path;
}

RuntimeArray<int32_t> PixelArray(int32_t width, int32_t height, const PixelFunction& pixel) {
  RuntimeArray<int32_t> pixels;
  pixels.Dim(width * height);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) pixels[y * width + x] = static_cast<int32_t>(pixel(x, y));
  }
  return pixels;
}

void MakeSprite(int32_t slot, int32_t width, int32_t height, const PixelFunction& pixel) {
  ASSERT_EQ(MemToSprite(PixelArray(width, height, pixel), slot, width, height), 1);
}

void MakeSolidSprite(int32_t slot, int32_t width, int32_t height, int32_t rgb) {
  MakeSprite(slot, width, height, [rgb](int32_t, int32_t) { return Opaque(rgb); });
}

int32_t Pixel(int x, int y) { return ReadBackPixel(x, y); }

PixelImage ReadFrame() {
  const OpenGLLumet& context = *ActiveRenderContext();
  PixelImage frame;
  frame.Reset(context.Width(), context.Height());
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(0, 0, context.Width(), context.Height(), GL_RGBA, GL_UNSIGNED_BYTE, frame.pixels.data());
  FlipRows(frame);
  return frame;
}

void FreshFrame(int32_t clearColour) {
  EnsureEngine();
  OpenGLLumet& context = *ActiveRenderContext();
  UseScreen(-1);
  SetTransparency(kKey);
  context.Fonts().SetFontColourKey(0);
  ClearScreen(clearColour);
  ClearErrorCode();
}

}  // namespace vdr::test
