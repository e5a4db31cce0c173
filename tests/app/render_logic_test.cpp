#include <gtest/gtest.h>

#include "gfx2d/gl_extensions.h"
#include "gfx2d/render_context.h"
#include "gfx2d/viewport.h"

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

}  // namespace
}  // namespace vdr
