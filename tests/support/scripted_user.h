#pragma once
// A user at the keyboard and the mouse who keeps pace with the program. Each
// action goes through the X server (xdotool) from inside the program's message
// pump, on the game thread, and the next one waits until the program has begun
// a given number of frames since; so every press and every release is seen by
// at least one frame, however slowly the frames come. For commands that run
// frames of their own (InputText, FileRequest) while the test waits for them.

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace vdr::test {

// Keeps a window message waiting, from another thread, so that the message
// pump calls the program's "VDR_WIN32_MSG" procedure at every pass.
class MessageStream {
 public:
  MessageStream();
  ~MessageStream();
  MessageStream(const MessageStream&) = delete;
  MessageStream& operator=(const MessageStream&) = delete;

 private:
  std::atomic<bool> running_ = true;
  std::thread thread_;
};

class ScriptedUser {
 public:
  // Keys are X keysym names ("a", "Return", "BackSpace"): pressed, then released.
  ScriptedUser& Key(const std::string& key);
  ScriptedUser& Keys(const std::vector<std::string>& keys);
  // The pointer to a pixel of the window.
  ScriptedUser& MoveTo(int x, int y);
  ScriptedUser& Click(int button = 1);
  // Two clicks in quick succession, both between two frames of the program.
  ScriptedUser& DoubleClick(int button = 1);

  // Plays the script while `command` runs its frames, and returns what the
  // command returns. Should the command still run for 600 frames after the
  // script has played, `rescue` (xdotool arguments) is sent, so that a lost
  // action fails the test instead of hanging it.
  template <typename Command>
  auto During(const std::string& rescue, Command command) {
    Start(rescue);
    struct Stop {
      ScriptedUser* user;
      ~Stop() { user->Finish(); }
    } stop{this};
    return command();
  }

  // The user's turn: the program's "VDR_WIN32_MSG" procedure calls this. A
  // message stream keeps a message waiting while a script plays, so the pump
  // calls the procedure at every pass.
  static void OnWindowMessage();

 private:
  struct Action {
    std::string xdotool;
    int framesAfter;
  };
  void Add(const std::string& xdotool, int framesAfter);
  void Start(const std::string& rescue);
  void Finish();
  void Act();

  std::vector<Action> actions_;
  std::string rescue_;
  size_t next_ = 0;
  long frames_ = 0;
  long due_ = 0;
  double frameTime_ = -1;
  bool rescued_ = false;
};

}  // namespace vdr::test
