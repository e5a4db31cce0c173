#pragma once
// Shared pieces of the audio tests that run the engine in a window.

#include <cstdint>
#include <string>

namespace vdr::test {

// A file of the media the build made for these tests.
inline std::string AudioMedia(const char* name) { return std::string(VENDRIL_AUDIO_TEST_MEDIA) + "/" + name; }
std::string TempFile(const char* name);

// One pixel of what the game window shows on the X server, red in the low
// byte. (OpenGL's front buffer cannot be read back under every X server.)
int32_t ShownPixel(int x, int y);

// Puts a press and a release of the A key into the event queue; safe from any thread.
void PushKeyTap();

}  // namespace vdr::test
