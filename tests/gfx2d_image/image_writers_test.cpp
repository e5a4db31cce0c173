#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>

#include "files/platform_paths.h"
#include "gfx2d/image/image_decoders.h"
#include "gfx2d/image/image_writers.h"
#include "tests/gfx2d_image/image_fixtures.h"

namespace vdr {
namespace {

using testing::Bytes;
using testing::PixelAt;

constexpr uint32_t kOpaque = 0xFF000000;

PixelImage Picture(int32_t width, int32_t height) {
  return testing::MakeImage(width, height, [](int32_t x, int32_t y) {
    return static_cast<uint32_t>(x * 13) | static_cast<uint32_t>(y * 29) << 8 | 0x99u << 16 | kOpaque;
  });
}

TEST(SaveFormat, FollowsTheNameEnding) {
  const struct {
    const char* name;
    SavedImageFormat format;
  } cases[] = {
      {"shot.png", SavedImageFormat::kPng},   {"SHOT.PNG", SavedImageFormat::kPng},
      {"a.Png", SavedImageFormat::kPng},      {".png", SavedImageFormat::kBmp},
      {"shot.jpg", SavedImageFormat::kJpeg},  {"SHOT.JPG", SavedImageFormat::kJpeg},
      {"shotjpg", SavedImageFormat::kJpeg},   {"shot.jpeg", SavedImageFormat::kBmp},
      {"shot", SavedImageFormat::kBmp},       {"shot.bmp", SavedImageFormat::kBmp},
      {"png", SavedImageFormat::kBmp},        {"", SavedImageFormat::kBmp},
  };
  for (const auto& c : cases) EXPECT_EQ(SaveFormatForName(c.name), c.format) << c.name;
}

TEST(BmpWriter, WritesPaddedBottomUpRowsAndHeaders) {
  Bytes file;
  ASSERT_TRUE(EncodeBmp(Picture(5, 2), file));
  ASSERT_EQ(file.size(), 54u + 16 * 2);  // 15 data bytes and one pad byte per row
  auto u32 = [&](size_t at) { return file[at] | file[at + 1] << 8 | file[at + 2] << 16 | file[at + 3] << 24; };
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(u32(2), 54u + 32);
  EXPECT_EQ(u32(10), 54u);
  EXPECT_EQ(u32(14), 40u);
  EXPECT_EQ(u32(18), 5u);
  EXPECT_EQ(u32(22), 2u);
  EXPECT_EQ(file[28], 24);
  EXPECT_EQ(u32(38), 10000u);
  // The first stored row is the picture's bottom row (y = 1), blue first.
  EXPECT_EQ(file[54], 0x99);
  EXPECT_EQ(file[55], 29);
  EXPECT_EQ(file[56], 0);
  EXPECT_EQ(file[54 + 15], 0);  // padding
}

TEST(BmpWriter, PixelsThatAreNotOpaqueAreWrittenAsTheMarkerColour) {
  const PixelImage image = testing::MakeImage(3, 1, [](int32_t x, int32_t) {
    return x == 0 ? 0x123456u | kOpaque : x == 1 ? 0x123456u | 0x80000000u : 0x123456u;
  });
  Bytes file;
  ASSERT_TRUE(EncodeBmp(image, file));
  PixelImage back;
  ASSERT_TRUE(DecodeBmp(file, kDefaultSpriteColourKey, back));
  // File bytes blue 255, green 0, red 128: not the key, so they load opaque.
  EXPECT_EQ(file[54 + 3], 255);
  EXPECT_EQ(file[54 + 4], 0);
  EXPECT_EQ(file[54 + 5], 128);
  EXPECT_EQ(PixelAt(back, 0, 0), 0x123456u | kOpaque);
  EXPECT_EQ(PixelAt(back, 1, 0), 0xFF0080u | kOpaque);
  EXPECT_EQ(PixelAt(back, 2, 0), 0xFF0080u | kOpaque);
}

class SaveImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = TempFolder() + "save-XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern + "/";
  }

  std::string folder_;

  // Names in the folder other than the ones the test made on purpose.
  std::vector<std::string> Leftovers(const std::vector<std::string>& expected) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder_.c_str());
    while (dirent* entry = readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != ".." && std::find(expected.begin(), expected.end(), name) == expected.end()) {
        names.push_back(name);
      }
    }
    closedir(dir);
    return names;
  }
};

TEST_F(SaveImageTest, WrittenFilesDecodeBackToThePicture) {
  const PixelImage picture = Picture(19, 7);
  const struct {
    const char* name;
    int tolerance;
  } cases[] = {{"round.PNG", 0}, {"round.bmp", 0}, {"round", 0}, {"round.jpeg", 0}, {"round.jpg", 24}};
  for (const auto& c : cases) {
    const std::string path = folder_ + c.name;
    ASSERT_TRUE(SaveImage(path, picture)) << c.name;
    PixelImage back;
    ASSERT_TRUE(DecodeImage(testing::ReadFile(path), kNoColourKey, back)) << c.name;
    ASSERT_EQ(back.width, 19);
    ASSERT_EQ(back.height, 7);
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
      ASSERT_NEAR(back.pixels[i], picture.pixels[i], c.tolerance) << c.name << " byte " << i;
    }
  }
  EXPECT_EQ(testing::ReadFile(folder_ + "round.PNG")[1], 'P');
  EXPECT_EQ(testing::ReadFile(folder_ + "round.jpeg")[0], 'B');
  EXPECT_EQ(Leftovers({"round.PNG", "round.bmp", "round", "round.jpeg", "round.jpg"}), std::vector<std::string>{});
}

TEST_F(SaveImageTest, ReplacesAnOldFileAndAcceptsBackslashes) {
  const std::string path = folder_ + "shot.png";
  testing::WriteFile(path, Bytes(5000, 'x'));
  std::string backslashed = path;
  std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
  ASSERT_TRUE(SaveImage(backslashed, Picture(4, 4)));
  PixelImage back;
  EXPECT_TRUE(DecodePng(testing::ReadFile(path), kNoColourKey, back));
  EXPECT_EQ(Leftovers({"shot.png"}), std::vector<std::string>{});
}

TEST_F(SaveImageTest, FailuresLeaveNoFileAndKeepTheOldOne) {
  const std::string kept = folder_ + "kept.bmp";
  testing::WriteFile(kept, Bytes{1, 2, 3});
  PixelImage empty;
  EXPECT_FALSE(SaveImage(kept, empty));
  EXPECT_EQ(testing::ReadFile(kept), (Bytes{1, 2, 3}));
  EXPECT_FALSE(SaveImage(folder_ + "missing/x.png", Picture(2, 2)));
  EXPECT_FALSE(SaveImage("mem://00000010.00001000", Picture(2, 2)));
  EXPECT_FALSE(SaveImage("mem:\\\\00000010.00001000", Picture(2, 2)));
  mkdir((folder_ + "folder.png").c_str(), 0755);
  EXPECT_FALSE(SaveImage(folder_ + "folder.png", Picture(2, 2)));
  EXPECT_EQ(Leftovers({"kept.bmp", "folder.png"}), std::vector<std::string>{});
}

}  // namespace
}  // namespace vdr
