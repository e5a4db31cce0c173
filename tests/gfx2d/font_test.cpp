// Fonts through the commands: cell layout, placement, font numbers, the
// built-in font and the font colour key.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/file_resolver.h"
#include "files/pack_writer.h"
#include "files/platform_paths.h"
#include "gfx2d/drawing_commands.h"
#include "gfx2d/font_commands.h"
#include "gfx2d/render_context.h"
#include "gfx2d/sprite_commands.h"
#include "runtime/error_status.h"
#include "tests/gfx2d/gfx2d_test_support.h"
#include "tests/gfx2d_image/image_fixtures.h"

namespace vdr {
namespace {

using test::FreshFrame;
using test::Pixel;

// A font picture whose cells are filled by a colour per character code
// (0: transparent).
std::string WriteFont(const std::string& name, int32_t width, int32_t height, int32_t (*colourOf)(int32_t code)) {
  const FontGrid grid = FontGridFor(width, height);
  return test::SavePicture(name, width, height, [&](int32_t x, int32_t y) {
    const int32_t rgb = colourOf(y / grid.cellHeight * 16 + x / grid.cellWidth);
    return rgb == 0 ? 0u : test::Opaque(rgb);
  });
}

class FontTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FreshFrame(test::kBlue);
    SetFont(0);
  }
};

TEST_F(FontTest, WideFontMapsBytesModulo128) {
  LoadFont(WriteFont("wide.png", 256, 128, [](int32_t code) { return code == 72 ? test::kGreen : 0; }).c_str(), 4);
  EXPECT_EQ(ErrorStatus().code, 0);
  EXPECT_EQ(ActiveRenderContext()->Fonts().CurrentFont(), 4);
  int32_t w, h;
  GetFontSize(w, h);
  EXPECT_EQ(w, 16);
  EXPECT_EQ(h, 16);
  PrintText(RuntimeString("\xC8"), 0, 0);  // byte 200
  EXPECT_EQ(Pixel(0, 0), test::kGreen);
  EXPECT_EQ(Pixel(15, 15), test::kGreen);
  EXPECT_EQ(Pixel(16, 0), test::kBlue);
}

TEST_F(FontTest, TextStartsAtTheRoundedUpPositionOneCellPerCharacter) {
  LoadFont(WriteFont("ab.png", 128, 64, [](int32_t code) {
             return code == 'A' ? test::kRed : code == 'B' ? test::kGreen : 0;
           }).c_str(),
           5);
  PrintText("AB", 10.2, 5);
  EXPECT_EQ(Pixel(10, 5), test::kBlue);
  EXPECT_EQ(Pixel(11, 5), test::kRed);
  EXPECT_EQ(Pixel(18, 12), test::kRed);
  EXPECT_EQ(Pixel(19, 5), test::kGreen);
  EXPECT_EQ(Pixel(26, 12), test::kGreen);
  EXPECT_EQ(Pixel(27, 5), test::kBlue);
  EXPECT_EQ(Pixel(11, 13), test::kBlue);
  PrintText("", 0, 0);  // nothing, no failure
}

TEST_F(FontTest, FontNumbersAreClamped) {
  SetFont(40);
  EXPECT_EQ(ActiveRenderContext()->Fonts().CurrentFont(), 31);
  SetFont(-2);
  EXPECT_EQ(ActiveRenderContext()->Fonts().CurrentFont(), 0);
}

TEST_F(FontTest, MissingFontLeavesTheBuiltInFont) {
  LoadFont(test::WriteHugeTempFile("huge font.png").c_str(), 6);
  EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);
  LoadFont("no such font.png", 6);
  EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);
  EXPECT_EQ(ActiveRenderContext()->Fonts().CurrentFont(), 6);
  int32_t w, h;
  GetFontSize(w, h);
  EXPECT_EQ(w, 8);
  EXPECT_EQ(h, 8);
  PrintText("#", 0, 0);
  int white = 0, dark = 0;
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      white += Pixel(x, y) == test::kWhite;
      dark += Pixel(x, y) == 0x080808;
    }
  }
  EXPECT_GT(white, 8);  // the glyph's dots
  EXPECT_GT(dark, 8);   // and its outline
  // An empty name only empties the slot.
  LoadFont("", 6);
  EXPECT_EQ(ErrorStatus().code, 0);
  GetFontSize(w, h);
  EXPECT_EQ(w, 0);
  FreshFrame(test::kBlue);
  PrintText("#", 0, 0);
  EXPECT_EQ(Pixel(2, 2), test::kBlue);
}

TEST_F(FontTest, GenFontFindsAnEmptyFont) {
  OpenGLLumet& context = *ActiveRenderContext();
  for (int32_t font = 1; font < 31; ++font) context.Fonts().InstallBuiltInFont(font);
  EXPECT_EQ(GenFont(), -1);
  context.Sprites().FreeSprite(FontSpriteSlot(9));
  EXPECT_EQ(GenFont(), 9);
  for (int32_t font = 1; font < 31; ++font) context.Sprites().FreeSprite(FontSpriteSlot(font));
  EXPECT_EQ(GenFont(), 1);
}

TEST_F(FontTest, BlackIsTransparentInFontsButNotInSprites) {
  const std::string file = test::WriteTempFile("black.bmp", testing::MakeBmp({.width = 16, .height = 16,
                                                                               .pixel = [](int32_t x, int32_t) {
                                                                                 return x == 0 ? 0u : 0xFFFFFFu;
                                                                               }}));
  LoadFont(file.c_str(), 7);
  PrintText(RuntimeString("\0", 1), 0, 0);  // the 1 x 1 cell of character 0
  EXPECT_EQ(Pixel(0, 0), test::kBlue);
  LoadSprite(file.c_str(), 50);
  DrawSprite(50, 0, 0);
  EXPECT_EQ(Pixel(0, 0), 0);
  EXPECT_EQ(Pixel(1, 0), test::kWhite);
}

TEST_F(FontTest, DefaultFontPrefersPngThenBmp) {
  const std::string folder = TempFolder() + "fonts/";
  ASSERT_EQ(mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST, true);
  char previous[4096];
  ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
  ASSERT_EQ(chdir(folder.c_str()), 0);
  test::WriteTempFile("fonts/smalfont.bmp", testing::MakeBmp({.width = 32, .height = 16, .pixel = [](int32_t, int32_t) {
    return 0xFFFFFFu;
  }}));
  LoadDefaultFont();
  int32_t w, h;
  GetFontSize(w, h);
  EXPECT_EQ(w, 2);  // 32 x 16: cells of 2 x 2
  EXPECT_EQ(h, 2);
  WriteFont("fonts/smalfont.png", 64, 64, [](int32_t) { return test::kWhite; });
  LoadDefaultFont();
  GetFontSize(w, h);
  EXPECT_EQ(w, 4);
  unlink((folder + "smalfont.png").c_str());
  unlink((folder + "smalfont.bmp").c_str());
  LoadDefaultFont();  // neither: the built-in font
  GetFontSize(w, h);
  EXPECT_EQ(w, 8);
  ASSERT_EQ(chdir(previous), 0);
}

TEST_F(FontTest, DefaultFontComesFromTheMediaPack) {
  std::vector<PackSourceFile> files(1);
  files[0].name = "SmalFont.png";
  files[0].data = testing::ReadFile(WriteFont("packed-font.png", 64, 64, [](int32_t) { return test::kWhite; }));
  std::vector<uint8_t> pack;
  std::string error;
  ASSERT_TRUE(BuildPack(files, false, pack, error)) << error;
  const std::string previousPack = MemoryContext().PackName();
  MemoryContext().SetPack(test::WriteTempFile("fonts.sbx", pack));
  // A folder without font files: the font can only come from the pack.
  const std::string folder = TempFolder() + "no-fonts/";
  ASSERT_EQ(mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST, true);
  char previous[4096];
  ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
  ASSERT_EQ(chdir(folder.c_str()), 0);
  ClearErrorCode();
  LoadDefaultFont();
  EXPECT_EQ(ErrorStatus().code, 0);
  int32_t w, h;
  GetFontSize(w, h);
  EXPECT_EQ(w, 4);
  ASSERT_EQ(chdir(previous), 0);
  MemoryContext().SetPack(previousPack);
  LoadDefaultFont();
}

}  // namespace
}  // namespace vdr
