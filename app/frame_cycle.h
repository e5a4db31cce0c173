#pragma once
// The frame cycle: ShowScreen presents the frame, pumps window messages,
// polls input, limits the frame rate and holds the program while paused.

#include <cstdint>

namespace vdr {

void ShowScreen();
void SetFps(double framesPerSecond);
double ElapsedMs();  // clock - start time
double FrameTime();  // duration of the last frame; 1 when not positive
void SetEscapeEnds(double flag);
int32_t EscapeEnds();
void OpenConsole();

}  // namespace vdr
