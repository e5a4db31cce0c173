#include "tests/support/program_driver.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "gfx2d/image/image_writers.h"

extern char** environ;

namespace vdr::test {
namespace {

namespace fs = std::filesystem;

std::string Output(const std::string& command) {
  std::string text;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) text += buffer;
    pclose(pipe);
  }
  return text;
}

}  // namespace

ProgramDriver::ProgramDriver(const std::string& executable, const std::string& mediaFolder,
                             const std::string& workFolder, const std::vector<std::string>& arguments)
    : folder_(workFolder) {
  fs::create_directories(folder_);
  const fs::path program = fs::path(folder_) / fs::path(executable).filename();
  fs::copy_file(executable, program, fs::copy_options::overwrite_existing);
  if (!mediaFolder.empty()) {
    fs::copy(mediaFolder, fs::path(folder_) / "Media",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }
  const std::string path = program.string();
  std::vector<char*> argv{const_cast<char*>(path.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  if (posix_spawn(&pid_, path.c_str(), nullptr, nullptr, argv.data(), environ) != 0) pid_ = -1;
}

ProgramDriver::~ProgramDriver() {
  if (pid_ > 0 && Running()) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

void ProgramDriver::Poll() {
  if (pid_ <= 0) return;
  int status;
  if (waitpid(pid_, &status, WNOHANG) == pid_) {
    pid_ = -1;
    exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
}

bool ProgramDriver::Running() {
  Poll();
  return pid_ > 0;
}

bool ProgramDriver::WaitForWindow(double seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < deadline && Running()) {
    window_ = FindWindow();
    if (window_ != 0) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return false;
}

unsigned long ProgramDriver::FindWindow() const {
  const std::string id = Output("xdotool search --onlyvisible --pid " + std::to_string(pid_) + " 2>/dev/null");
  return id.empty() ? 0 : std::strtoul(id.c_str(), nullptr, 10);
}

WindowPicture ProgramDriver::Capture() const {
  WindowPicture picture = CaptureWindow(window_);
  if (picture.width == 0) window_ = FindWindow();
  return picture;
}

WindowPicture CaptureWindow(unsigned long window) {
  WindowPicture picture;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return picture;
  // A window that has gone gives an empty picture, not the end of the test;
  // the program's window is looked up again for the next capture.
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) != 0) {
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (image != nullptr) {
      picture.width = attributes.width;
      picture.height = attributes.height;
      picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
      for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
          const unsigned long pixel = XGetPixel(image, x, y);
          const uint32_t red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF, blue = pixel & 0xFF;
          picture.pixels[static_cast<size_t>(y) * picture.width + x] = red | green << 8 | blue << 16;
        }
      }
      XDestroyImage(image);
    }
  }
  XCloseDisplay(display);
  return picture;
}

WindowPicture ProgramDriver::WaitFor(const std::function<bool(const WindowPicture&)>& condition,
                                     double seconds) const {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  do {
    WindowPicture picture = Capture();
    if (picture.width > 0 && condition(picture)) return picture;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  } while (std::chrono::steady_clock::now() < deadline);
  return {};
}

int ProgramDriver::Xdotool(const std::string& arguments) const {
  std::string command = "xdotool " + arguments;
  const std::string id = std::to_string(window_);
  for (size_t at; (at = command.find("%w")) != std::string::npos;) command.replace(at, 2, id);
  return std::system(command.c_str());
}

void ProgramDriver::MoveTo(int x, int y) const {
  Xdotool("mousemove --window %w " + std::to_string(x) + " " + std::to_string(y));
}

void ProgramDriver::Click(int x, int y, int button) const {
  const std::string b = std::to_string(button);
  Xdotool("mousemove --window %w " + std::to_string(x) + " " + std::to_string(y) + " mousedown " + b +
          " sleep 0.2 mouseup " + b);
}

void ProgramDriver::Hold(int x, int y, double seconds) const {
  Xdotool("mousemove --window %w " + std::to_string(x) + " " + std::to_string(y) + " mousedown 1");
  Wait(seconds);
  Xdotool("mouseup 1");
}

void Wait(double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }

bool SavePicture(const WindowPicture& picture, const std::string& path) {
  PixelImage image;
  if (!image.Reset(picture.width, picture.height)) return false;
  for (int y = 0; y < picture.height; ++y) {
    uint8_t* row = image.Row(y);
    for (int x = 0; x < picture.width; ++x, row += 4) {
      const uint32_t c = picture.At(x, y);
      row[0] = c & 0xFF, row[1] = c >> 8 & 0xFF, row[2] = c >> 16 & 0xFF, row[3] = 255;
    }
  }
  return SaveImage(path, image);
}

int ProgramDriver::WaitForExit(double seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (Running() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return Running() ? -1 : exitCode_;
}

}  // namespace vdr::test
