#include <SDL2/SDL_keyboard.h>
#include <gtest/gtest.h>

#include "gfx2d/gl_extensions.h"
#include "gfx2d/render_context.h"
#include "gfx2d/viewport.h"
#include "input/scan_codes.h"

namespace vdr {
namespace {

TEST(ExtensionListTest, OnlyWholeNamesCount) {
  const char* list = "GL_ARB_multitexture_ext GL_EXT_framebuffer_object GL_ARB_x";
  EXPECT_FALSE(ExtensionListed(list, "GL_ARB_multitexture"));
  EXPECT_TRUE(ExtensionListed(list, "GL_EXT_framebuffer_object"));
  EXPECT_TRUE(ExtensionListed(list, "GL_ARB_x"));
  EXPECT_FALSE(ExtensionListed(list, "ARB_x"));
  EXPECT_FALSE(ExtensionListed(list, ""));
  EXPECT_TRUE(ExtensionListed("GL_ARB_multitexture_ext GL_ARB_multitexture", "GL_ARB_multitexture"));
}

TEST(SoftwareRendererTest, MesaSoftwareRasterizersCount) {
  EXPECT_TRUE(IsSoftwareRenderer("llvmpipe (LLVM 15.0.6, 256 bits)"));
  EXPECT_TRUE(IsSoftwareRenderer("softpipe"));
  EXPECT_TRUE(IsSoftwareRenderer("Software Rasterizer"));
  EXPECT_TRUE(IsSoftwareRenderer("Mesa Windows GDI Driver"));
  EXPECT_FALSE(IsSoftwareRenderer("Mesa Windows GDI Driver 2"));
  EXPECT_FALSE(IsSoftwareRenderer("AMD Radeon RX 6600 (radeonsi)"));
  EXPECT_FALSE(IsSoftwareRenderer(nullptr));
}

TEST(SoftwareRendererTest, DriverMessageKeepsUtf8AndReadsOtherTextAsLatin1) {
  EXPECT_NE(SoftwareRendererMessage("").find("OpenGL by HARDWARE"), std::string::npos);
  EXPECT_EQ(SoftwareRendererMessage("unterst\xC3\xBCtzt"), "unterst\xC3\xBCtzt");
  EXPECT_EQ(SoftwareRendererMessage("unterst\xFCtzt"), "unterst\xC3\xBCtzt");
}

TEST(ViewportTest, EmptySizeMeansWholeScreenAndYCountsDown) {
  EXPECT_EQ(ResolveViewport(Rect{10, 20, 0, 0}, 640, 480), (Rect{10, 20, 640, 480}));
  EXPECT_EQ(ResolveViewport(Rect{0, 0, 100, -1}, 640, 480), (Rect{0, 0, 640, 480}));
  EXPECT_EQ(GlViewportFor(Rect{10, 20, 100, 50}, 480), (Rect{10, 410, 100, 50}));
}

TEST(ScanCodeTest, TranslatesToPcSetOneCodes) {
  struct Case { SDL_Scancode sdl; int code; };
  for (Case c : {Case{SDL_SCANCODE_ESCAPE, 1}, Case{SDL_SCANCODE_S, 31}, Case{SDL_SCANCODE_Y, 21},
                 Case{SDL_SCANCODE_Z, 44}, Case{SDL_SCANCODE_LALT, 56}, Case{SDL_SCANCODE_F4, 62},
                 Case{SDL_SCANCODE_KP_ENTER, 156}, Case{SDL_SCANCODE_RCTRL, 157}, Case{SDL_SCANCODE_RALT, 184},
                 Case{SDL_SCANCODE_UP, 200}, Case{SDL_SCANCODE_DELETE, 211}, Case{SDL_SCANCODE_F11, 87}}) {
    EXPECT_EQ(ScanCodeFromSdl(c.sdl), c.code) << SDL_GetScancodeName(c.sdl);
  }
  EXPECT_EQ(ScanCodeFromSdl(SDL_SCANCODE_UNKNOWN), 0);
  EXPECT_EQ(ScanCodeFromSdl(static_cast<SDL_Scancode>(9999)), 0);
}

}  // namespace
}  // namespace vdr
