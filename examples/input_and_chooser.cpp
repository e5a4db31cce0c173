// Input and the file chooser: the arrow keys move a square, the mouse draws
// a cross and the left button leaves marks, the held key's character and the
// joysticks are shown, and O opens the file chooser to pick a picture that is
// then shown. Escape or closing the window ends it.

#include "vendril.h"

namespace {

constexpr int kPictureSprite = 1;
constexpr int kMarks = 64;
constexpr int kBackground = vdr::Rgb(40, 30, 50);
constexpr int kSquare = vdr::Rgb(90, 220, 120);
constexpr int kCross = vdr::Rgb(255, 255, 255);
constexpr int kMark = vdr::Rgb(250, 120, 40);

void Configure(vdr::ProjectSettings& settings) {
  settings.screenWidth = 640;
  settings.screenHeight = 480;
  settings.captureMouse = 0;  // a pointer of the desktop, not a captured mouse
  settings.windowTitle = "Vendril input and file chooser";
}

struct State {
  double squareX = 300, squareY = 220;
  int marksX[kMarks] = {}, marksY[kMarks] = {};
  int markCount = 0;
  bool picture = false;
  bool chooserKeyWasDown = false;
  vdr::RuntimeString chosen = "none";
};

void ReadKeys(State& state) {
  if (vdr::KeyDown(vdr::kKeyLeft)) state.squareX -= 3;
  if (vdr::KeyDown(vdr::kKeyRight)) state.squareX += 3;
  if (vdr::KeyDown(vdr::kKeyUp)) state.squareY -= 3;
  if (vdr::KeyDown(vdr::kKeyDown)) state.squareY += 3;
  // The chooser runs frames of its own until a file is picked or it is
  // cancelled; it gives "NO_FILE" then.
  const bool chooserKey = vdr::KeyDown(vdr::kKeyO) != 0;
  if (chooserKey && !state.chooserKeyWasDown) {
    const vdr::RuntimeString file = vdr::FileRequest(1, "Pictures|*.png;*.jpg;*.bmp|All files|*.*");
    if (file != "NO_FILE") {
      vdr::LoadSprite(file, kPictureSprite);
      state.picture = vdr::ErrorStatus().code == vdr::kErrorNone;
      state.chosen = file;
    }
  }
  state.chooserKeyWasDown = chooserKey;
}

void ReadMouse(State& state, int32_t& x, int32_t& y) {
  int32_t left, right;
  vdr::MouseState(x, y, left, right);
  if (left && state.markCount < kMarks) {
    state.marksX[state.markCount] = x;
    state.marksY[state.markCount] = y;
    ++state.markCount;
  }
  if (right) state.markCount = 0;
}

void Draw(const State& state, int32_t x, int32_t y) {
  if (state.picture) vdr::StretchSprite(kPictureSprite, 400, 40, 200, 150);
  for (int i = 0; i < state.markCount; ++i) vdr::DrawRect(state.marksX[i] - 2, state.marksY[i] - 2, 5, 5, kMark);
  vdr::DrawRect(state.squareX, state.squareY, 40, 40, kSquare);
  vdr::DrawLine(x - 8, y, x + 8, y, kCross);
  vdr::DrawLine(x, y - 8, x, y + 8, kCross);
  vdr::PrintText("Arrows: square   Left button: marks   Right button: wipe   O: open a picture", 8, 8);
  vdr::PrintText("Held key types \"" + vdr::TypedChar() + "\"   joysticks: " + vdr::JoystickCount(), 8, 440);
  vdr::PrintText("Picture: " + state.chosen, 8, 456);
}

void Main() {
  State state;
  vdr::ClearScreen(kBackground);
  for (;;) {
    int32_t x, y;
    ReadKeys(state);
    ReadMouse(state, x, y);
    Draw(state, x, y);
    vdr::ShowScreen();
  }
}

const vdr::ProcedureEntry kProcedures[] = {{nullptr, nullptr}};

}  // namespace

const vdr::Program vdr::kProgram = {Configure, Main, kProcedures};
