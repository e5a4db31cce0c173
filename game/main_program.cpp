// Granzel's main program: media, intro, playing field and the painting loop.

#include <cstdio>
#include <string>

#include "files/runtime_log.h"
#include "game/game_state.h"
#include "game/grains.h"
#include "game/hotspots.h"
#include "game/procedures.h"
#include "vendril.h"

namespace granzel {
namespace {

constexpr int kScreenshotKey = 31;  // the key in the S position
constexpr int kFullScreenKey = 87;  // F11
constexpr int32_t kWhite = 0xFFFFFF;

void LoadGamePictures() {
  LoadGrainPictures();
  vdr::LoadSprite("options.png", kOptionsButton);
  vdr::LoadSprite("opciones.png", kColourPage);
  vdr::LoadSprite("dorado.png", kHighlight);
  vdr::LoadSprite("fondos.png", kBackgroundPage);
  vdr::LoadSprite("clips.png", kClipPage);
  vdr::LoadSprite("ok.png", kEditorButtons);
}

void ReadColourTable(GameState& game) {
  vdr::DimArray(game.colourTable, kColours);
  vdr::OpenFile(1, "colores.dat", 1);
  for (int i = 0; i < kColours; ++i) game.colourTable[i] = vdr::ReadDouble(1);
  vdr::CloseFile(1);
}

void Intro() {
  vdr::LoadSprite("dg.png", kTitlePicture);
  vdr::LoadSprite("gato.png", kCatPicture);
  double y = 320, x = 480;
  do {
    vdr::DrawRect(0, 0, 480, 320, kWhite);
    vdr::DrawSprite(kTitlePicture, 20, y);
    vdr::DrawSprite(kCatPicture, x, 20);
    x -= 2.5;
    vdr::ShowScreen();
    y -= 4;
  } while (y >= 70);
}

void FadeOut() {
  for (int step = 0; step < 50; ++step) {
    const double a = -0.01 - 0.02 * step;
    vdr::AlphaMode(0);
    vdr::DrawRect(0, 0, 480, 320, kWhite);
    vdr::DrawSprite(kTitlePicture, 20, 72);
    vdr::DrawSprite(kCatPicture, 325, 20);
    vdr::AlphaMode(a);
    vdr::DrawRect(0, 0, 480, 320, 0);
    vdr::ShowScreen();
  }
}

void AppendGrain(GameState& game, double x, double y, double colour, double variant) {
  game.grains.Push(Grain{x, y, colour, variant, 0});
}

void Pour(GameState& game) {
  if (game.clickX == 0) game.clickX = 1;
  if (game.clickX > 479) game.clickX = 479;
  double x = vdr::Random(6) + game.clickX - 3;
  double y = vdr::Random(3) + game.clickY - 1;
  x = x < 1 ? 1 : (x > 478 ? 478 : x);
  y = y < 1 ? 1 : (y > 318 ? 318 : y);
  AppendGrain(game, x, y, game.currentColour, vdr::Random(4));
}

void Rain(GameState& game) {
  for (int i = 0; i < 2; ++i) {
    const double x = vdr::Random(477) + 1;
    double variant = vdr::Random(6) - 2;
    if (variant < 0) variant += 2;
    AppendGrain(game, x, 1, game.rainColour, variant);
  }
}

// "capt" + a random number + ".png" in the current folder. A number already
// taken by an earlier screenshot is drawn again, so no capture is overwritten.
void SaveCapture() {
  vdr::RuntimeString name;
  for (int attempt = 0; attempt < 10000; ++attempt) {
    name = vdr::Concat("capt", vdr::Random(9999)) + ".png";
    if (vdr::FileExists(name) == 0) break;
  }
  vdr::SaveScreenshot(name);
  if (vdr::ErrorStatus().code != 0) {
    const std::string message = "Granzel: the screenshot " + std::string(name.c_str()) + " could not be written";
    std::fprintf(stderr, "%s\n", message.c_str());
    vdr::WriteLogLine(message.c_str());
  }
}

}  // namespace

void WaitForButtonRelease() {
  while (vdr::MouseAxis(3) != 0) vdr::SleepMs(1);
}

void miramouse() {
  GameState& game = Game();
  vdr::SetActiveMouse(0);
  vdr::MouseState(game.mouseX, game.mouseY, game.leftButton, game.rightButton);
  if (game.leftButton == 1) {
    game.clickX = game.mouseX;
    game.clickY = game.mouseY;
    game.pressing = 1;
  } else {
    game.pressing = 0;
  }
}

void GameMain() {
  GameState& game = Game();
  vdr::ChangeDirectory("Media");
  vdr::SetPackFile("media.sbx", "snd.sbx");
  vdr::SetScreen(480, 320, 0);
  vdr::SetFps(60);
  vdr::ShowPointer(1);
  vdr::SmoothShading(1);
  vdr::CreateScreen(0, kCanvas, 480, 320);

  Intro();
  const double introEnd = vdr::ElapsedMs();
  ResetField(game);
  vdr::DimArray(game.pointers, 16);
  LoadGamePictures();
  ReadColourTable(game);
  while (vdr::ElapsedMs() - introEnd <= 3000) vdr::SleepMs(1);
  vdr::PlayMusic("sa.mp3", 1);
  FadeOut();

  game.currentColour = 1;
  game.backgroundIndex = 0;
  game.rainColour = 1;
  game.rainOn = 0;
  game.optionsTab = 1;
  MainScreenHotspots();

  for (;;) {
    pintafondo();
    miramouse();
    if (game.pressing != 0) Pour(game);
    if (game.pressing != 0 && HotspotAt(game.clickX, game.clickY) == 1) {
      game.inOptions = 1;
      opciones();
      game.inOptions = 0;
    }
    if (game.rainOn == 1) Rain(game);
    AdvanceGrains(game);
    PaintSettledGrains();
    // F11 switches between the window and full screen, once per press.
    const bool fullScreenKey = vdr::KeyDown(kFullScreenKey) != 0;
    if (fullScreenKey && game.fullScreenKeyWasDown == 0) {
      game.fullScreen = game.fullScreen != 0 ? 0 : 1;
      vdr::SetScreen(480, 320, game.fullScreen);
    }
    game.fullScreenKeyWasDown = fullScreenKey ? 1 : 0;
    // The key captures once per press, however long it is held.
    const bool keyDown = vdr::KeyDown(kScreenshotKey) != 0;
    const bool keyPressed = keyDown && game.screenshotKeyWasDown == 0;
    game.screenshotKeyWasDown = keyDown ? 1 : 0;
    if (keyPressed || (game.pressing != 0 && HotspotAt(game.clickX, game.clickY) == 2)) {
      SaveCapture();
      WaitForButtonRelease();
    }
    vdr::ShowScreen();
  }
}

}  // namespace granzel
