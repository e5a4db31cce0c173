// new_game: a face the arrow keys move, a line of text and a sound on Space.
// Escape or closing the window ends it.

#include "vendril.h"

namespace {

constexpr int kFaceSprite = 1;
constexpr int kBeepSound = 1;
constexpr int kSpeed = 4;

// Runs before the window opens: its size, speed and title.
void Configure(vdr::ProjectSettings& settings) {
  settings.screenWidth = 640;
  settings.screenHeight = 480;
  settings.framesPerSecond = 60;
  settings.captureMouse = 0;
  settings.windowTitle = "new_game";
}

// The game: loads its media (from the pack attached to the executable), then
// draws one frame per pass of the loop. ShowScreen shows the frame and waits
// for the next one; Escape ends the program from inside it.
void Main() {
  vdr::LoadSprite("face.png", kFaceSprite);
  vdr::LoadSound("beep.wav", kBeepSound, 1);
  double x = 304, y = 224;
  bool spaceWasDown = false;
  for (;;) {
    if (vdr::KeyDown(vdr::kKeyLeft)) x -= kSpeed;
    if (vdr::KeyDown(vdr::kKeyRight)) x += kSpeed;
    if (vdr::KeyDown(vdr::kKeyUp)) y -= kSpeed;
    if (vdr::KeyDown(vdr::kKeyDown)) y += kSpeed;
    const bool spaceDown = vdr::KeyDown(vdr::kKeySpace) != 0;
    if (spaceDown && !spaceWasDown) vdr::PlaySound(kBeepSound, 0, 1);
    spaceWasDown = spaceDown;

    vdr::ClearScreen(vdr::Rgb(30, 60, 110));
    vdr::DrawSprite(kFaceSprite, x, y);
    vdr::PrintText("Arrows move, Space beeps, Escape ends", 8, 8);
    vdr::ShowScreen();
  }
}

// Procedures a program calls by name (none here), sorted by name.
const vdr::ProcedureEntry kProcedures[] = {{nullptr, nullptr}};

}  // namespace

const vdr::Program vdr::kProgram = {Configure, Main, kProcedures};
