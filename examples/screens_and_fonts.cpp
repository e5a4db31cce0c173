// Offscreen screens and fonts: a scene drawn into an offscreen screen and
// shown several times, turned and zoomed; a font twice the size of the
// built-in one, made by drawing the built-in font into a screen and
// enlarging it. Escape or closing the window ends it.

#include <cmath>

#include "vendril.h"

namespace {

constexpr int kSceneScreen = 1, kSceneSprite = 10;
constexpr int kGlyphScreen = 2, kGlyphSprite = 11;
constexpr int kBigScreen = 3, kBigSprite = 12;
constexpr int kBigFont = 1;
constexpr int kSceneWidth = 160, kSceneHeight = 120;
constexpr int kBackground = vdr::Rgb(20, 40, 30);

void Configure(vdr::ProjectSettings& settings) {
  settings.screenWidth = 640;
  settings.screenHeight = 480;
  settings.captureMouse = 0;
  settings.windowTitle = "Vendril screens and fonts";
}

// A font picture holds 16 x 16 cells, character n in column n % 16 of row
// n / 16. Draws every character of the built-in font into a screen,
// stretches that picture to twice its size into another and loads it as a
// font, black as its see-through colour (saved as BMP: a PNG would keep its
// own alpha, which the colour key leaves alone).
void MakeBigFont() {
  int32_t cellWidth, cellHeight;
  vdr::GetFontSize(cellWidth, cellHeight);
  vdr::CreateScreen(kGlyphScreen, kGlyphSprite, 16 * cellWidth, 16 * cellHeight);
  vdr::CreateScreen(kBigScreen, kBigSprite, 32 * cellWidth, 32 * cellHeight);
  vdr::UseScreen(kGlyphScreen);
  vdr::DrawRect(0, 0, 16 * cellWidth, 16 * cellHeight, vdr::Rgb(0, 0, 0));
  for (int n = 1; n < 256; ++n) {
    const char character = static_cast<char>(n);
    vdr::PrintText(vdr::RuntimeString(&character, 1), n % 16 * cellWidth, n / 16 * cellHeight);
  }
  vdr::UseScreen(kBigScreen);
  vdr::SmoothShading(0);
  vdr::StretchSprite(kGlyphSprite, 0, 0, 32 * cellWidth, 32 * cellHeight);
  vdr::UseScreen(-1);
  vdr::SaveSprite("big-font.bmp", kBigSprite);
  vdr::SetTransparency(vdr::Rgb(0, 0, 0));
  vdr::LoadFont("big-font.bmp", kBigFont);
  vdr::DeleteFile("big-font.bmp");
  vdr::SetFont(0);
}

// The scene: bars that slide, drawn fresh into its screen every frame.
void DrawScene(double t) {
  vdr::UseScreen(kSceneScreen);
  vdr::DrawRect(0, 0, kSceneWidth, kSceneHeight, vdr::Rgb(230, 230, 210));
  for (int i = 0; i < 6; ++i) {
    const double x = std::fmod(t * 40 + i * 30, kSceneWidth + 20) - 20;
    vdr::DrawRect(x, i * 20, 20, 20, vdr::Rgb(40 * i, 80, 255 - 40 * i));
  }
  vdr::PrintText("screen 1", 4, 104);
  vdr::UseScreen(-1);
}

void Main() {
  MakeBigFont();
  vdr::CreateScreen(kSceneScreen, kSceneSprite, kSceneWidth, kSceneHeight);
  vdr::ClearScreen(kBackground);
  for (;;) {
    const double t = vdr::ElapsedMs() / 1000.0;
    DrawScene(t);
    vdr::DrawSprite(kSceneSprite, 20, 20);
    vdr::StretchSprite(kSceneSprite, 200, 20, 320, 120);
    vdr::RotoZoomSprite(kSceneSprite, 480, 300, t * 30, 1.2);
    vdr::SetFont(kBigFont);
    vdr::PrintText("A font made", 20, 200);
    vdr::PrintText("in a screen", 20, 240);
    vdr::SetFont(0);
    vdr::PrintText("The built-in font. Escape ends.", 20, 300);
    vdr::ShowScreen();
  }
}

const vdr::ProcedureEntry kProcedures[] = {{nullptr, nullptr}};

}  // namespace

const vdr::Program vdr::kProgram = {Configure, Main, kProcedures};
