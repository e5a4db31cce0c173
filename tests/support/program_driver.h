#pragma once
// Drives a real program built with the runtime from a test: starts it in a
// folder of its own, finds its window, sends it real X input with xdotool,
// reads what the window shows and waits for the program to end.

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vdr::test {

struct WindowPicture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // red + green * 256 + blue * 65536, row 0 at the top
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

class ProgramDriver {
 public:
  // Copies the executable (and the folder `mediaFolder`, when given, as
  // "Media" beside it) into `workFolder` and starts the copy there with the
  // arguments.
  ProgramDriver(const std::string& executable, const std::string& mediaFolder, const std::string& workFolder,
                const std::vector<std::string>& arguments = {});
  ~ProgramDriver();

  // Waits until the program's window is mapped; false on timeout or exit.
  bool WaitForWindow(double seconds);
  // What the window shows now.
  WindowPicture Capture() const;
  // Captures the window every tenth of a second until the picture passes
  // `condition`; that picture, or an empty one once `seconds` have passed.
  WindowPicture WaitFor(const std::function<bool(const WindowPicture&)>& condition, double seconds = 60) const;
  // xdotool with "%w" replaced by the window id.
  int Xdotool(const std::string& arguments) const;
  // The pointer moved to window pixel (x, y).
  void MoveTo(int x, int y) const;
  // A press of `button` at (x, y), released 0.2 s later.
  void Click(int x, int y, int button = 1) const;
  // The left button held down at (x, y) for `seconds`.
  void Hold(int x, int y, double seconds) const;
  // Waits for the end of the program; its exit code, or -1 on timeout (the
  // program keeps running until the driver is destroyed).
  int WaitForExit(double seconds);
  bool Running();

  const std::string& folder() const { return folder_; }

 private:
  // Reaps the program when it has ended and keeps its exit code.
  void Poll();
  // The program's visible window, or 0.
  unsigned long FindWindow() const;

  std::string folder_;
  pid_t pid_ = -1;
  int exitCode_ = -1;
  mutable unsigned long window_ = 0;  // found again when the program replaces it
};

// What an X window shows now.
WindowPicture CaptureWindow(unsigned long window);

void Wait(double seconds);

// Writes the picture as a PNG file; false when it cannot.
bool SavePicture(const WindowPicture& picture, const std::string& path);

// Counts the pixels of a rectangle for which the predicate holds.
template <typename Predicate>
int CountPixels(const WindowPicture& picture, int x0, int y0, int x1, int y1, Predicate predicate) {
  int count = 0;
  for (int y = y0; y < y1 && y < picture.height; ++y) {
    for (int x = x0; x < x1 && x < picture.width; ++x) count += predicate(picture.At(x, y)) ? 1 : 0;
  }
  return count;
}

}  // namespace vdr::test
