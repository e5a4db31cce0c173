// Sprites and drawing: a sprite made from an array of pixels, drawn plain,
// stretched, turned and zoomed; an animation strip; rectangles, lines, single
// pixels and a polygon batch, with additive and transparent blending.
// Escape or closing the window ends it.

#include <cmath>

#include "vendril.h"

namespace {

constexpr int kTileSprite = 1;
constexpr int kBallSprite = 2;
constexpr int kBallSize = 32;
constexpr int kBallFrames = 8;
constexpr int kSky = vdr::Rgb(16, 24, 48);
constexpr int kPanel = vdr::Rgb(200, 60, 40);

void Configure(vdr::ProjectSettings& settings) {
  settings.screenWidth = 640;
  settings.screenHeight = 480;
  settings.captureMouse = 0;
  settings.windowTitle = "Vendril sprites and drawing";
}

// Pixels are red + green * 256 + blue * 65536 + alpha * 16777216, rows from
// the top; alpha 0 is see-through.
int32_t Opaque(int colour) { return static_cast<int32_t>(0xFF000000u | static_cast<uint32_t>(colour)); }

// A 16 x 16 chequered tile.
void MakeTile() {
  vdr::RuntimeArray<int32_t> pixels;
  pixels.Dim(16 * 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      pixels[y * 16 + x] = Opaque((x / 4 + y / 4) % 2 ? vdr::Rgb(240, 200, 60) : vdr::Rgb(60, 140, 220));
    }
  }
  vdr::MemToSprite(pixels, kTileSprite, 16, 16);
}

// A strip of frames of a ball whose highlight goes round: one picture,
// cut into cells by SetSpriteAnim.
void MakeBall() {
  vdr::RuntimeArray<int32_t> pixels;
  const int width = kBallSize * kBallFrames;
  pixels.Dim(width * kBallSize);
  for (int frame = 0; frame < kBallFrames; ++frame) {
    const double angle = frame * 2 * M_PI / kBallFrames;
    const double hx = 16 + 7 * std::cos(angle), hy = 16 + 7 * std::sin(angle);
    for (int y = 0; y < kBallSize; ++y) {
      for (int x = 0; x < kBallSize; ++x) {
        const double r = std::hypot(x - 15.5, y - 15.5);
        const int light = static_cast<int>(255 - 12 * std::hypot(x - hx, y - hy));
        pixels[y * width + frame * kBallSize + x] = r < 15 ? Opaque(vdr::Rgb(light, light / 3, 40)) : 0;
      }
    }
  }
  vdr::MemToSprite(pixels, kBallSprite, width, kBallSize);
  vdr::SetSpriteAnim(kBallSprite, kBallSize, kBallSize);
}

void DrawShapes(double t) {
  vdr::DrawRect(20, 20, 180, 100, kPanel);
  vdr::DrawRect(30, 30, 160, 80, vdr::Rgb(250, 240, 220));
  for (int i = 0; i <= 8; ++i) vdr::DrawLine(40, 100, 40 + i * 18, 40, vdr::Rgb(40, 40, 40));
  for (int i = 0; i < 200; ++i) vdr::SetPixel((i * 97) % 640, 300 + (i * 61) % 170, vdr::Rgb(255, 255, 255));
  // A fan of triangles with a colour per corner, turning.
  vdr::StartPoly(-1, 0);
  vdr::PolyVector(520, 110, 0, 0, vdr::Rgb(255, 255, 255));
  for (int i = 0; i <= 6; ++i) {
    const double a = t + i * 2 * M_PI / 6;
    vdr::PolyVector(520 + 80 * std::cos(a), 110 + 80 * std::sin(a), 0, 0, vdr::Rgb(40 * i, 255 - 40 * i, 200));
  }
  vdr::EndPoly();
}

void DrawSprites(double t) {
  vdr::DrawSprite(kTileSprite, 240, 40);
  vdr::StretchSprite(kTileSprite, 280, 40, 96, 32);
  vdr::RotoZoomSprite(kTileSprite, 320, 200, t * 60, 3 + std::sin(t));
  for (int i = 0; i < 5; ++i) vdr::DrawAnim(kBallSprite, (static_cast<int>(t * 10) + i) % kBallFrames, 40 + i * 40, 180);
  // Additive light over everything, then a see-through band.
  vdr::AlphaMode(0.6);
  vdr::ZoomSprite(kBallSprite, 420 + 60 * std::sin(t), 240, 3, 3);
  vdr::AlphaMode(-0.5);
  vdr::DrawRect(0, 400, 640, 40, vdr::Rgb(0, 0, 0));
  vdr::AlphaMode(0);
}

void Main() {
  MakeTile();
  MakeBall();
  vdr::ClearScreen(kSky);
  for (;;) {
    const double t = vdr::ElapsedMs() / 1000.0;
    DrawShapes(t);
    DrawSprites(t);
    vdr::PrintText("Sprites and drawing. Escape ends.", 8, 456);
    vdr::ShowScreen();
  }
}

const vdr::ProcedureEntry kProcedures[] = {{nullptr, nullptr}};

}  // namespace

const vdr::Program vdr::kProgram = {Configure, Main, kProcedures};
