#include "tests/support/scripted_user.h"

#include <SDL2/SDL.h>

#include <cstdlib>
#include <memory>

#include "app/engine_state.h"
#include "tests/support/engine_harness.h"
#include "tests/support/x_server_sync.h"

namespace vdr::test {
namespace {

// Frames between two actions: a press and a release each last two frames.
constexpr int kFramesPerAction = 2;
constexpr long kPatienceFrames = 600;

ScriptedUser* g_playing = nullptr;

std::unique_ptr<MessageStream> g_messages;

void RunXdotool(const std::string& arguments) {
  std::system(WithWindowId("xdotool " + arguments).c_str());
  SyncWithServer();  // the program's next pump sees what the server made of it
}

}  // namespace

MessageStream::MessageStream()
    : thread_([this] {
        while (running_) {
          SDL_Event event{};
          event.type = SDL_USEREVENT;
          SDL_PushEvent(&event);
          SDL_Delay(4);
        }
      }) {}

MessageStream::~MessageStream() {
  running_ = false;
  thread_.join();
}

void ScriptedUser::Add(const std::string& xdotool, int framesAfter) { actions_.push_back({xdotool, framesAfter}); }

ScriptedUser& ScriptedUser::Key(const std::string& key) {
  Add("keydown " + key, kFramesPerAction);
  Add("keyup " + key, kFramesPerAction);
  return *this;
}

ScriptedUser& ScriptedUser::Keys(const std::vector<std::string>& keys) {
  for (const std::string& key : keys) Key(key);
  return *this;
}

ScriptedUser& ScriptedUser::MoveTo(int x, int y) {
  Add("mousemove --window %w " + std::to_string(x) + " " + std::to_string(y), kFramesPerAction);
  return *this;
}

ScriptedUser& ScriptedUser::Click(int button) {
  Add("mousedown " + std::to_string(button), kFramesPerAction);
  Add("mouseup " + std::to_string(button), kFramesPerAction);
  return *this;
}

ScriptedUser& ScriptedUser::DoubleClick(int button) {
  // Both clicks are made while the game thread waits for xdotool, so they
  // reach the program between two of its frames.
  Add("click --repeat 2 --delay 30 " + std::to_string(button), kFramesPerAction);
  return *this;
}

void ScriptedUser::Start(const std::string& rescue) {
  rescue_ = rescue;
  next_ = 0;
  frames_ = due_ = 0;
  frameTime_ = -1;
  rescued_ = false;
  g_playing = this;
  g_messages = std::make_unique<MessageStream>();
}

void ScriptedUser::Finish() {
  g_messages.reset();
  g_playing = nullptr;
  // The command may return on a press: whatever is still down is let go, so
  // that the next test does not start with it held.
  for (; next_ < actions_.size(); ++next_) {
    const std::string& command = actions_[next_].xdotool;
    if (command.rfind("keyup ", 0) == 0 || command.rfind("mouseup ", 0) == 0) RunXdotool(command);
  }
}

void ScriptedUser::Act() {
  // ShowScreen takes a new frame time at the start of every frame.
  if (Engine().currentFrameTime != frameTime_) {
    frameTime_ = Engine().currentFrameTime;
    ++frames_;
  }
  if (frames_ < due_) return;
  if (next_ < actions_.size()) {
    const Action& action = actions_[next_++];
    RunXdotool(action.xdotool);
    due_ = frames_ + action.framesAfter;
  } else if (!rescued_ && frames_ >= due_ + kPatienceFrames) {
    rescued_ = true;
    RunXdotool(rescue_);
  }
}

void ScriptedUser::OnWindowMessage() {
  if (g_playing != nullptr) g_playing->Act();
}

}  // namespace vdr::test
