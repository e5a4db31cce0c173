#pragma once
// The frame cycle: ShowScreen presents the frame, pumps window messages,
// polls input, limits the frame rate and holds the program while paused.

#include <cstdint>

namespace vdr {

using MessageCallback = void (*)();

// Commands.
void ShowScreen();
void SetFps(double framesPerSecond);
double ElapsedMs();  // clock - start time
double FrameTime();  // duration of the last frame; 1 when not positive
void SetEscapeEnds(double flag);
int32_t EscapeEnds();
void WaitAnyInput();
void OpenConsole();

// Handles waiting window messages; with a callback, calls it before each one.
void PumpMessages(MessageCallback callback);
// Swaps the buffers, clears them and waits for the frame's time slot.
void PresentAndPace(MessageCallback callback);
// The "VDR_WIN32_MSG" procedure, looked up once on first need.
MessageCallback ResolveMessageCallback();
// Ends the program when an end key is held (Escape while it ends, Alt+F4).
void CheckEndKeys();
// Writes a note of the frame cycle to standard output once a console is open.
void ConsoleNote(const char* text);

}  // namespace vdr
