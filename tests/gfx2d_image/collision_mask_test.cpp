#include <gtest/gtest.h>

#include "gfx2d/image/collision_mask.h"
#include "gfx2d/image/texture_image.h"
#include "tests/gfx2d_image/image_fixtures.h"

namespace vdr {
namespace {

// The mask the render context reads back from a sprite texture: the alpha
// of the texels, bottom row first.
AlphaMask MaskOf(const char* const* rows, int32_t width, int32_t height) {
  const PixelImage image = testing::MakeImage(width, height, [&](int32_t x, int32_t y) {
    return rows[y][x] == '#' ? 0xFFFFFFFFu : 0u;
  });
  TextureImage texture;
  BuildTexture(image, {0, 0, width, height}, true, texture);
  AlphaMask mask{texture.width, texture.height, {}};
  for (int32_t i = 0; i < texture.width * texture.height; ++i) mask.alpha.push_back(texture.texels[i * 4 + 3]);
  return mask;
}

const char* const kCorner[] = {"#...", "....", "....", "...#"};  // opaque top-left and bottom-right
const char* const kSolid[] = {"####", "####", "####", "####"};

CollisionShape Whole(const AlphaMask& mask, int32_t x, int32_t y) { return {&mask, 4, x, y, 4, 4}; }

TEST(Collision, BoxesThatOnlyTouchNeverCollide) {
  const AlphaMask solid = MaskOf(kSolid, 4, 4);
  EXPECT_FALSE(ShapesCollide(Whole(solid, 0, 0), Whole(solid, 4, 0)));
  EXPECT_FALSE(ShapesCollide(Whole(solid, 0, 0), Whole(solid, 0, 4)));
  EXPECT_TRUE(ShapesCollide(Whole(solid, 0, 0), Whole(solid, 3, 3)));
  EXPECT_FALSE(ShapesCollide(Whole(solid, 0, 0), Whole(solid, 100, -100)));
}

TEST(Collision, OnlySharedOpaquePixelsCount) {
  const AlphaMask corner = MaskOf(kCorner, 4, 4);
  const AlphaMask solid = MaskOf(kSolid, 4, 4);
  const struct {
    int32_t x, y;
    bool collide;
  } cases[] = {
      {3, 3, true},    // the solid box covers only the corner sprite's bottom-right pixel
      {-3, -3, true},  // ... or only its top-left pixel
      {3, -3, false},  // top-right: transparent
      {-3, 3, false},  // bottom-left: transparent
      {1, 1, true},    // covers the inner part and the bottom-right pixel
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShapesCollide(Whole(corner, 0, 0), Whole(solid, c.x, c.y)), c.collide) << c.x << "," << c.y;
    EXPECT_EQ(ShapesCollide(Whole(solid, c.x, c.y), Whole(corner, 0, 0)), c.collide);
  }
  // Two corner sprites overlapping by one row: their opaque pixels never meet.
  EXPECT_FALSE(ShapesCollide(Whole(corner, 0, 0), Whole(corner, 1, 3)));
  EXPECT_TRUE(ShapesCollide(Whole(corner, 0, 0), Whole(corner, 3, 3)));
}

TEST(Collision, AnimationFramesUseTheirPartOfThePicture) {
  // Two frames of 2 x 2 side by side: frame 0 clear, frame 1 opaque.
  const char* const frames[] = {"..##", "..##"};
  const AlphaMask mask = MaskOf(frames, 4, 2);
  const AlphaMask solid = MaskOf(kSolid, 4, 4);
  const CollisionShape frame0{&mask, 2, 10, 10, 2, 2, 0, 0};
  const CollisionShape frame1{&mask, 2, 10, 10, 2, 2, 2, 0};
  EXPECT_FALSE(ShapesCollide(frame0, Whole(solid, 9, 9)));
  EXPECT_TRUE(ShapesCollide(frame1, Whole(solid, 9, 9)));
  EXPECT_FALSE(ShapesCollide(frame1, Whole(solid, 12, 9)));  // touches the frame's right edge only
}

TEST(Collision, MissingMaskNeverCollides) {
  const AlphaMask solid = MaskOf(kSolid, 4, 4);
  EXPECT_FALSE(ShapesCollide({nullptr, 4, 0, 0, 4, 4}, Whole(solid, 0, 0)));
}

}  // namespace
}  // namespace vdr
