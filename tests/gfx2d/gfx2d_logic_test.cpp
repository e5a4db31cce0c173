// The 2D drawing arithmetic without a window: quad corners, frames, zoom and
// rotation, rectangle edges, vertex buffers, the polygon batch, font layout
// the sprite table and how the screen fits a window.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "gfx2d/background_table.h"
#include "gfx2d/font_layout.h"
#include "gfx2d/frame_fit.h"
#include "gfx2d/gl_extensions.h"
#include "gfx2d/polygon_batch.h"
#include "gfx2d/sprite_geometry.h"
#include "gfx2d/sprite_table.h"
#include "gfx2d/vertex_buffer.h"

namespace vdr {
namespace {

SpriteRecord Sprite(int32_t w, int32_t h, int32_t tw, int32_t th, int32_t fw = 0, int32_t fh = 0) {
  SpriteRecord s;
  s.width = w;
  s.height = h;
  s.textureWidth = tw;
  s.textureHeight = th;
  s.uExtent = static_cast<float>(w) / static_cast<float>(tw);
  s.vExtent = static_cast<float>(h) / static_cast<float>(th);
  s.frameWidth = fw;
  s.frameHeight = fh;
  return s;
}

TEST(SpriteGeometryTest, QuadTopEdgeTakesTheLargerV) {
  const Quad q = MakeQuad({10, 20, 15, 23}, PictureTexCorners(Sprite(5, 3, 16, 16)));
  // Top right, top left, bottom left, bottom right.
  EXPECT_EQ(q[0].x, 15);
  EXPECT_EQ(q[0].y, 20);
  EXPECT_FLOAT_EQ(q[0].u, 5.0f / 16);
  EXPECT_FLOAT_EQ(q[0].v, 3.0f / 16);
  EXPECT_EQ(q[2].x, 10);
  EXPECT_EQ(q[2].y, 23);
  EXPECT_EQ(q[2].u, 0);
  EXPECT_EQ(q[2].v, 0);
}

TEST(SpriteGeometryTest, FramesAreNumberedRowByRow) {
  // Three frames across: frame 5 is row 1, column 2.
  EXPECT_EQ(AnimFrameCell(30, 10, 5).row, 1);
  EXPECT_EQ(AnimFrameCell(30, 10, 5).column, 2);
  // Frames wider than the picture all sit in row 0.
  EXPECT_EQ(AnimFrameCell(30, 40, 3).row, 0);
  EXPECT_EQ(AnimFrameCell(30, 40, 3).column, 3);

  // A 30 x 20 picture of 10 x 10 frames in a 32 x 32 texture: frame 5 spans
  // u 20/32..30/32 and, bottom-up, v 0..10/32.
  const TexCorners t = FrameTexCorners(Sprite(30, 20, 32, 32, 10, 10), 5);
  EXPECT_FLOAT_EQ(t.left, 20.0f / 32);
  EXPECT_FLOAT_EQ(t.right, 30.0f / 32);
  EXPECT_FLOAT_EQ(t.bottom, 0);
  EXPECT_FLOAT_EQ(t.top, 10.0f / 32);
  const TexCorners first = FrameTexCorners(Sprite(30, 20, 32, 32, 10, 10), 0);
  EXPECT_FLOAT_EQ(first.bottom, 10.0f / 32);
  EXPECT_FLOAT_EQ(first.top, 20.0f / 32);
}

TEST(SpriteGeometryTest, ZoomScalesAboutTheCentre) {
  struct Case { float sx, sy; PixelRect expected; };
  for (const Case& c : {Case{2, 2, {95, 95, 20, 20}}, Case{1, 1, {100, 100, 10, 10}},
                        Case{0.5f, 3, {102, 90, 5, 30}}, Case{-1, 1, {110, 100, -10, 10}}}) {
    const PixelRect r = ZoomedRect(100, 100, 10, 10, c.sx, c.sy);
    EXPECT_EQ(r.x, c.expected.x) << c.sx;
    EXPECT_EQ(r.y, c.expected.y) << c.sy;
    EXPECT_EQ(r.w, c.expected.w) << c.sx;
    EXPECT_EQ(r.h, c.expected.h) << c.sy;
  }
}

TEST(SpriteGeometryTest, PositiveAnglesTurnCounterClockwiseOnScreen) {
  const TexCorners t{0, 1, 0, 1};
  // The top-right corner of a 20 x 10 quad about (100, 100), turned by 90
  // degrees, goes to the top-left (y grows downwards).
  const Quad q = RotatedQuad(100, 100, 10, 5, 90, t);
  EXPECT_NEAR(q[0].x, 95, 1e-4);
  EXPECT_NEAR(q[0].y, 90, 1e-4);
  const Quad unturned = RotatedQuad(100, 100, 10, 5, 0, t);
  EXPECT_NEAR(unturned[0].x, 110, 1e-4);
  EXPECT_NEAR(unturned[0].y, 95, 1e-4);
  const TexCorners inset = InsetHalfTexel(t, Sprite(16, 16, 16, 32));
  EXPECT_FLOAT_EQ(inset.left, 0.5f / 16);
  EXPECT_FLOAT_EQ(inset.top, 1 - 0.5f / 32);
}

TEST(SpriteGeometryTest, NegativeRectSizesIncludeTheCorner) {
  const ScreenRect r = RectEdges(10, 10, -3, 2);
  EXPECT_EQ(r.left, 8);  // columns 8, 9, 10
  EXPECT_EQ(r.right, 11);
  EXPECT_EQ(r.top, 10);  // rows 10, 11
  EXPECT_EQ(r.bottom, 12);
  const ScreenRect far = RectEdges(INT32_MAX, 0, INT32_MAX, -1);  // no overflow
  EXPECT_GT(far.right, far.left);
  EXPECT_EQ(far.top, 0);
  EXPECT_EQ(far.bottom, 1);
}

TEST(VertexBufferTest, GrowsTo512ThenInBlocksOf128KeepingVertices) {
  EXPECT_EQ(GrownVertexCapacity(1), 512);
  EXPECT_EQ(GrownVertexCapacity(512), 512);
  EXPECT_EQ(GrownVertexCapacity(513), 640);
  EXPECT_EQ(GrownVertexCapacity(640), 768);
  VertexBuffer<int> buffer;
  for (int i = 0; i < 600; ++i) ASSERT_TRUE(buffer.Push(i));
  EXPECT_EQ(buffer.Capacity(), 640);
  for (int i = 0; i < 600; ++i) ASSERT_EQ(buffer.Data()[i], i);
  EXPECT_FALSE(buffer.Reserve(int64_t{INT32_MAX} + 1));
  EXPECT_EQ(buffer.Count(), 600);
}

TEST(PolygonBatchTest, ColoursAlphaAndTextureCoordinates) {
  PolygonBatch batch;
  // A 20 x 10 sprite in a 32 x 16 texture.
  batch.Start(2, BatchTexture{true, 10, 1.0f / 32, 1.0f / 16});
  batch.Add(1, 2, 8, 0, 0xFFFFFF, 0x8000FF, 1.0f);
  EXPECT_FALSE(batch.UsesVertexColours());
  batch.Add(3, 4, 16, 10, 0x8000FF, 0x8000FF, 1.0f);  // the key: transparent
  batch.Add(5, 6, 0, 5, 0x123456, 0x8000FF, 0.5f);
  EXPECT_TRUE(batch.UsesVertexColours());
  ASSERT_EQ(batch.Count(), 3);
  const BatchVertex* v = batch.Vertices();
  EXPECT_FLOAT_EQ(v[0].u, 0.25f);
  EXPECT_FLOAT_EQ(v[0].v, 10.0f / 16);  // ty 0 is the picture's top
  EXPECT_FLOAT_EQ(v[1].v, 0);
  EXPECT_EQ(v[0].alpha, 255);
  EXPECT_EQ(v[1].alpha, 0);
  EXPECT_EQ(v[2].alpha, 127);
  EXPECT_EQ(v[2].red, 0x56);
  EXPECT_EQ(v[2].green, 0x34);
  EXPECT_EQ(v[2].blue, 0x12);

  // A new StartPoly forgets the vertices and the colour flag.
  batch.Start(0, BatchTexture{});
  EXPECT_EQ(batch.Count(), 0);
  EXPECT_FALSE(batch.UsesVertexColours());
  EXPECT_EQ(batch.Capacity(), 512);
}

TEST(PolygonBatchTest, NewStripsJoinWithRepeatedVertices) {
  PolygonBatch batch;
  batch.Start(2, BatchTexture{});
  batch.NewStrip();  // empty batch: nothing to join
  for (float x : {1.0f, 2.0f, 3.0f}) batch.Add(x, 0, 0, 0, 0xFFFFFF, -1, 1.0f);
  batch.NewStrip();
  batch.NewStrip();  // already pending
  for (float x : {4.0f, 5.0f}) batch.Add(x, 0, 0, 0, 0xFFFFFF, -1, 1.0f);
  std::string xs;
  for (int i = 0; i < batch.Count(); ++i) xs += std::to_string(static_cast<int>(batch.Vertices()[i].x));
  EXPECT_EQ(xs, "1233445");
}

TEST(FontLayoutTest, GridsAndCells) {
  const FontGrid square = FontGridFor(256, 256);
  EXPECT_EQ(square.rows, 16);
  EXPECT_EQ(square.cellWidth, 16);
  EXPECT_EQ(square.cellHeight, 16);
  const FontGrid wide = FontGridFor(256, 128);
  EXPECT_EQ(wide.rows, 8);
  EXPECT_EQ(wide.cellHeight, 16);
  EXPECT_EQ(GlyphCellFor(200, 8).column, 72 % 16);  // 200 maps to the cell of 72
  EXPECT_EQ(GlyphCellFor(200, 8).row, 72 / 16);
  EXPECT_EQ(GlyphCellFor(200, 16).row, 12);
  EXPECT_EQ(FontGridFor(15, 8).cellWidth, 0);
  EXPECT_EQ(ClampFontNumber(40), 31);
  EXPECT_EQ(ClampFontNumber(-2), 0);
}

TEST(FontLayoutTest, TextStartsAtTheRoundedUpPenAndAdvancesByCells) {
  // The built-in layout: 128 x 64, 8 x 8 cells, extents 1.
  const SpriteRecord font = Sprite(128, 64, 128, 64);
  TextVertex v[8];
  LayOutText("AB", 10.2f, 5, 0, font, v);
  // "A": bottom left, top left, bottom right, top right.
  EXPECT_EQ(v[1].x, 11);
  EXPECT_EQ(v[1].y, 5);
  EXPECT_EQ(v[0].y, 13);
  EXPECT_EQ(v[3].x, 19);
  EXPECT_EQ(v[5].x, 19);  // "B" one cell further
  // 'A' = 65: column 1, row 4 from the top of 8 rows.
  EXPECT_FLOAT_EQ(v[1].u, 1.0f / 16);
  EXPECT_FLOAT_EQ(v[1].v, 4.0f / 8);
  EXPECT_FLOAT_EQ(v[0].v, 3.0f / 8);
}

TEST(SpriteTableTest, GenSpriteNeverGivesAFontSlot) {
  SpriteTable table;
  EXPECT_EQ(table.FirstEmptyProgramSlot(), 0);
  for (int32_t slot = 0; slot < kFontSlotBase; ++slot) table[slot].width = 1;
  EXPECT_EQ(table.FirstEmptyProgramSlot(), -1);  // font slots stay empty
  table[70].width = 0;
  EXPECT_EQ(table.FirstEmptyProgramSlot(), 70);
}

TEST(BackgroundTilesTest, GrabTilesCoverTheWindow) {
  EXPECT_EQ(GrabTileSide(100, 50, 8192), 128);
  EXPECT_EQ(GrabTileSide(640, 480, 8192), 1024);
  EXPECT_EQ(GrabTileSide(5000, 480, 2048), 2048);
}

TEST(GlEntryPointTest, AResolvedNameCountsOnlyWhenTheContextCanHaveIt) {
  const char* list = "GL_ARB_multitexture GL_EXT_framebuffer_object GL_NV_conditional_render";
  EXPECT_TRUE(EntryPointSupplied("glActiveTextureARB", true, list));
  EXPECT_TRUE(EntryPointSupplied("glBindFramebufferEXT", true, list));
  EXPECT_TRUE(EntryPointSupplied("glTexImage3D", true, list));  // no vendor tag: core
  EXPECT_FALSE(EntryPointSupplied("glTbufferMask3DFX", true, list));
  EXPECT_FALSE(EntryPointSupplied("glFrameTerminatorGREMEDY", true, list));
  EXPECT_FALSE(EntryPointSupplied("NoSuchEntryPoint", true, list));
  EXPECT_FALSE(EntryPointSupplied("glActiveTextureARB", false, list));
  EXPECT_FALSE(EntryPointSupplied("glActiveTextureARB", true, nullptr));
}

TEST(FrameFitTest, WholeFactorsCentredWithBars) {
  struct Case {
    int windowWidth, windowHeight;
    FrameFit fit;
  } cases[] = {
      {480, 320, {1, {0, 0, 480, 320}}},         // the screen's own size
      {1440, 960, {3, {0, 0, 1440, 960}}},       // an exact multiple
      {1000, 700, {2, {20, 30, 960, 640}}},      // between multiples
      {1920, 1080, {3, {240, 60, 1440, 960}}},   // full screen on a wide desktop
      {2000, 330, {1, {760, 5, 480, 320}}},      // the short side decides
      {400, 300, {1, {-40, -10, 480, 320}}},     // smaller: the middle shows
      {100000, 100000, {16, {46160, 47440, 7680, 5120}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FitFrame(480, 320, c.windowWidth, c.windowHeight), c.fit) << c.windowWidth << " x " << c.windowHeight;
  }
}

TEST(FrameFitTest, StartScaleFitsTheDesktopAndCoversAtMostFourFifths) {
  EXPECT_EQ(StartScale(480, 320, 1920, 1080), 3);  // 1440 x 960 covers two thirds
  EXPECT_EQ(StartScale(480, 320, 3840, 2160), 6);
  EXPECT_EQ(StartScale(480, 320, 1280, 1024), 2);
  EXPECT_EQ(StartScale(640, 480, 1280, 1024), 1);  // 1280 x 960 would cover 94 %
  EXPECT_EQ(StartScale(480, 320, 400, 300), 1);    // never below 1
  EXPECT_EQ(StartScale(0, 0, 1920, 1080), 1);
}

TEST(FrameFitTest, ParseScaleTakesWholeFactorsOnly) {
  EXPECT_EQ(ParseScale("3"), 3);
  EXPECT_EQ(ParseScale("16"), 16);
  for (const char* refused : {"", "0", "-2", "17", "2.5", "3x", "x", "99999999999999999999"}) {
    EXPECT_EQ(ParseScale(refused), 0) << refused;
  }
  EXPECT_EQ(ParseScale(nullptr), 0);
}

}  // namespace
}  // namespace vdr
