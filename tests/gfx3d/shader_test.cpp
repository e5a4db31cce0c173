// Shader programs in a real window: slots, stages left out, the program
// switched off by ShowScreen, uniforms and the messages.

#include <SDL2/SDL.h>
#include <SDL2/SDL_opengl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/frame_cycle.h"
#include "gfx2d/drawing_commands.h"
#include "gfx2d/gl_extensions.h"
#include "gfx3d/object_commands.h"
#include "gfx3d/scene_commands.h"
#include "tests/gfx3d/gfx3d_test_support.h"
#include "tests/support/memory_file_bytes.h"

namespace vdr {
namespace {

using test::Pixel;

std::vector<std::string> g_messages;
void Capture(const char* text) { g_messages.emplace_back(text); }

std::string ShaderFile(const std::string& name, const std::string& source) {
  return test::WriteTempFile(name, std::vector<uint8_t>(source.begin(), source.end()));
}

const char* const kGreenSource = "void main() { gl_FragColor = vec4(0.0, 1.0, 0.0, 1.0); }\n";

class ShaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    scene = &test::FreshScene(0);
    g_messages.clear();
    scene->hooks.shaderMessage = &Capture;
  }
  void TearDown() override {
    UseShader(-1);
    scene->hooks.shaderMessage = saved_;
  }
  // A white rectangle over the window's middle, through whatever is current.
  int32_t DrawnColour() {
    DrawRect(300, 220, 40, 40, 0xFFFFFF);
    return Pixel(320, 240);
  }
  Lumet3D* scene = nullptr;
  void (*saved_)(const char*) = Registered<Lumet3D>().hooks.shaderMessage;
};

TEST_F(ShaderTest, SlotsAboveTheTableAreRefused) {
  const std::string fragment = ShaderFile("green.frag", kGreenSource);
  EXPECT_EQ(LoadShader(255, "", fragment.c_str()), 0);
  EXPECT_EQ(LoadShader(-1, "", fragment.c_str()), 0);
  EXPECT_TRUE(g_messages.empty());
}

TEST_F(ShaderTest, AFragmentShaderAloneDrawsUntilTheFrameIsShown) {
  const std::string fragment = ShaderFile("green.frag", kGreenSource);
  ASSERT_EQ(LoadShader(3, "missing.vert", fragment.c_str()), 1);
  const ShaderSlot& slot = scene->shaders[3];
  EXPECT_NE(slot.program, 0u);
  EXPECT_EQ(slot.vertexShader, 0u);
  EXPECT_NE(slot.fragmentShader, 0u);
  UseShader(3);
  EXPECT_EQ(scene->currentShader, 3);
  EXPECT_EQ(DrawnColour(), test::kGreen);
  ShowScreen();
  EXPECT_EQ(scene->currentShader, -1);
  GLint current = -1;
  glGetIntegerv(GL_CURRENT_PROGRAM, &current);
  EXPECT_EQ(current, 0);
  EXPECT_EQ(DrawnColour(), test::kWhite);
}

TEST_F(ShaderTest, BothFilesMissingGiveASlotWithoutProgram) {
  EXPECT_EQ(LoadShader(4, "none.vert", "none.frag"), 1);
  EXPECT_EQ(scene->shaders[4].program, 0u);
  UseShader(4);
  EXPECT_EQ(scene->currentShader, 4);
  EXPECT_EQ(DrawnColour(), test::kWhite);  // the fixed pipeline
  EXPECT_TRUE(g_messages.empty());
}

TEST_F(ShaderTest, MemoryFilesLoadAndLoadingAgainDeletesTheFirstProgram) {
  const MemoryFile fragment = test::PublishBytes(std::string(kGreenSource));
  ASSERT_EQ(LoadShader(5, "", fragment.Name().c_str()), 1);
  const uint32_t first = scene->shaders[5].program;
  ASSERT_EQ(LoadShader(5, "", fragment.Name().c_str()), 1);
  auto isProgram = reinterpret_cast<GLboolean (*)(GLuint)>(SDL_GL_GetProcAddress("glIsProgram"));
  ASSERT_NE(isProgram, nullptr);
  EXPECT_TRUE(isProgram(scene->shaders[5].program));
  if (first != scene->shaders[5].program) {
    EXPECT_FALSE(isProgram(first));
  }
}

TEST_F(ShaderTest, FloatUniformsByNameAndTheirMessages) {
  const std::string fragment =
      ShaderFile("level.frag", "uniform float level; void main() { gl_FragColor = vec4(level, 0.0, 0.0, 1.0); }\n");
  SetShaderFloat("level", 1);  // no program current: nothing, silently
  EXPECT_TRUE(g_messages.empty());
  ASSERT_EQ(LoadShader(6, "", fragment.c_str()), 1);
  UseShader(6);
  SetShaderFloat("level", 1);
  EXPECT_EQ(DrawnColour(), 0x0000FF);
  EXPECT_TRUE(g_messages.empty());
  SetShaderFloat("brightness", 1);
  EXPECT_EQ(g_messages, (std::vector<std::string>{"undefined uniform:", "brightness"}));
}

TEST_F(ShaderTest, CompileAndLinkFailuresReportTheLogAndTheStage) {
  const std::string broken = ShaderFile("broken.frag", "void main() { this is not a shader }\n");
  EXPECT_EQ(LoadShader(7, "", broken.c_str()), 0);
  ASSERT_EQ(g_messages.size(), 2u);
  EXPECT_FALSE(g_messages[0].empty());  // the driver's log
  EXPECT_EQ(g_messages[1], "fragment shader failed");
  g_messages.clear();
  EXPECT_EQ(LoadShader(7, broken.c_str(), ""), 0);
  EXPECT_EQ(g_messages.back(), "vertex shader failed");
  g_messages.clear();
  // Compiles alone but has no main to link.
  const std::string noMain = ShaderFile("nomain.frag", "void helper() {}\n");
  EXPECT_EQ(LoadShader(7, "", noMain.c_str()), 0);
  EXPECT_EQ(g_messages.back(), "link shader failed");
}

TEST_F(ShaderTest, ObjectTexturesReachTheSamplersOnUnitsZeroAndOne) {
  const std::string fragment = ShaderFile(
      "second.frag",
      "uniform sampler2D TextureID1; uniform sampler2D TextureID2;\n"
      "void main() { gl_FragColor = texture2D(TextureID2, gl_TexCoord[1].st) + 0.0 * texture2D(TextureID1, "
      "gl_TexCoord[0].st); }\n");
  ASSERT_EQ(LoadShader(8, "", fragment.c_str()), 1);
  test::MakeSolidSprite(41, 16, 16, test::kGreen);
  test::MakeSolidSprite(42, 16, 16, test::kBlue);
  const MemoryFile square = test::PublishBytes(std::string(
      "DDDA 1.0 4 0 0 1 0 1 1 0 1 1 255 255 255 4 0 0 1 1 2 2 3 3 1 4 -1 -1 0 1 -1 0 1 1 0 -1 1 0"));
  LoadObject(square.Name().c_str(), 9);
  Begin3D(1, 100, 45);
  UseShader(8);
  TextureObject(41, 42);
  TranslateObject(0, 0, -5);
  DrawObject(9, 0);
  EXPECT_EQ(Pixel(320, 240), test::kBlue);
  FreeObject(9);
}

TEST_F(ShaderTest, MissingSupportIsReportedOncePerProcess) {
  GlEntryPoints& gl = Gl();
  const auto create = gl.glCreateShaderObjectARB;
  gl.glCreateShaderObjectARB = nullptr;
  EXPECT_EQ(LoadShader(1, "", ""), 0);
  EXPECT_EQ(LoadShader(1, "", ""), 0);
  gl.glCreateShaderObjectARB = create;
  EXPECT_EQ(g_messages, std::vector<std::string>{"No OpenGL 2.0 Shader Support"});
}

}  // namespace
}  // namespace vdr
