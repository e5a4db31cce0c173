// Sound effects and music: keys 1 to 5 play a note from the left to the
// right, M starts and stops the music, + and - change its volume. The
// sounds come from a pack attached to the executable by the build
// (examples/CMakeLists.txt). Escape or closing the window ends it.

#include "vendril.h"

namespace {

constexpr int kNoteSound = 1;
constexpr int kVoices = 4;
constexpr int kBackground = vdr::Rgb(20, 30, 40);
constexpr int kMeter = vdr::Rgb(80, 200, 240);
constexpr int kMeterOff = vdr::Rgb(50, 60, 70);

void Configure(vdr::ProjectSettings& settings) {
  settings.screenWidth = 640;
  settings.screenHeight = 480;
  settings.captureMouse = 0;
  settings.windowTitle = "Vendril sound and music";
}

// True on the frame a key goes down.
bool Pressed(int code, bool (&wasDown)[256]) {
  const bool down = vdr::KeyDown(code) != 0;
  const bool pressed = down && !wasDown[code];
  wasDown[code] = down;
  return pressed;
}

void Main() {
  // Up to four voices of the note can sound at once.
  vdr::LoadSound("note.wav", kNoteSound, kVoices);
  vdr::PlayMusic("tune.wav", 1);
  const int keys[5] = {vdr::kKey1, vdr::kKey2, vdr::kKey3, vdr::kKey4, vdr::kKey5};
  int32_t channels[5] = {-1, -1, -1, -1, -1};
  bool wasDown[256] = {};
  double volume = 1;
  vdr::ClearScreen(kBackground);
  for (;;) {
    for (int i = 0; i < 5; ++i) {
      // Pan -1 is the left speaker, 1 the right; volume 1 is full.
      if (Pressed(keys[i], wasDown)) channels[i] = vdr::PlaySound(kNoteSound, (i - 2) / 2.0, 1);
      const bool sounding = channels[i] >= 0 && vdr::SoundPlaying(channels[i]);
      vdr::DrawRect(100 + i * 100, 200, 60, 60, sounding ? kMeter : kMeterOff);
      vdr::PrintText(vdr::RuntimeString(i + 1), 126 + i * 100, 270);
    }
    if (Pressed(vdr::kKeyM, wasDown)) {
      if (vdr::MusicPlaying()) {
        vdr::StopMusic();
      } else {
        vdr::PlayMusic("tune.wav", 1);
      }
    }
    if (Pressed(vdr::kKeyEquals, wasDown) || Pressed(vdr::kKeyPadPlus, wasDown)) volume = volume < 1 ? volume + 0.1 : 1;
    if (Pressed(vdr::kKeyMinus, wasDown) || Pressed(vdr::kKeyPadMinus, wasDown)) volume = volume > 0 ? volume - 0.1 : 0;
    vdr::MusicVolume(volume);
    vdr::PrintText("1-5: notes, left to right   M: music on/off   + -: music volume", 8, 8);
    vdr::PrintText(vdr::RuntimeString("Music ") + (vdr::MusicPlaying() ? "playing" : "stopped") + ", volume " +
                       vdr::FormatNumber(0, 1, volume),
                   8, 24);
    vdr::ShowScreen();
  }
}

const vdr::ProcedureEntry kProcedures[] = {{nullptr, nullptr}};

}  // namespace

const vdr::Program vdr::kProgram = {Configure, Main, kProcedures};
