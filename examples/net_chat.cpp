// A small chat over a network game. Started without arguments it hosts a
// game on port 27910; started with a host name it joins the game there:
//
//   net_chat                  hosts, as the player "host"
//   net_chat localhost [NAME] joins the game on this machine
//   net_chat -p 28000 ...     either, on port 28000
//
// Type a line and press Enter to send it to every other player. The players
// are listed on the right; the host also sees who left. Escape or closing
// the window ends.

#include <cstdlib>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "vendril.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 400;
constexpr int kListLeft = 470;
constexpr int kLineHeight = 14;
constexpr size_t kShownLines = 24;
constexpr int kEnterKey = 28;
constexpr int kBackspaceKey = 14;
constexpr double kListRefreshMs = 1000;

void Configure(vdr::ProjectSettings& settings) {
  settings.screenWidth = kWidth;
  settings.screenHeight = kHeight;
  settings.captureMouse = 0;
  settings.windowTitle = "Vendril chat";
}

// The words of the command line after the program's name.
std::vector<std::string> Arguments() {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false;
  for (const char c : std::string(vdr::CommandLine().c_str()) + ' ') {
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ' ' && !quoted) {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (!words.empty()) words.erase(words.begin());
  return words;
}

struct Options {
  int32_t port = 0;  // 0: the network game's default port
  std::vector<std::string> words;
};

Options ReadOptions() {
  Options options;
  options.words = Arguments();
  if (options.words.size() >= 2 && options.words[0] == "-p") {
    options.port = std::atoi(options.words[1].c_str());
    options.words.erase(options.words.begin(), options.words.begin() + 2);
  }
  return options;
}

class Chat {
 public:
  Chat(std::string title, int32_t me) : title_(std::move(title)), me_(me) {}

  void Say(const std::string& line) {
    lines_.push_back(line);
    while (lines_.size() > kShownLines) lines_.pop_front();
  }

  // Typed characters edit the line; Enter sends it.
  void Type() {
    for (vdr::RuntimeString typed; !(typed = vdr::TypedChar()).empty();) {
      const unsigned char c = static_cast<unsigned char>(typed[0]);
      if (c >= 32 && c != 127 && typing_.size() < 200) typing_ += static_cast<char>(c);
    }
    if (Pressed(kBackspaceKey, backspaceHeld_) && !typing_.empty()) typing_.pop_back();
    if (Pressed(kEnterKey, enterHeld_) && !typing_.empty()) {
      if (vdr::NetSendMessage(me_, 0, typing_.c_str()) == 1) Say(NameOf(me_) + ": " + typing_);
      typing_.clear();
    }
  }

  void Receive() {
    for (vdr::RuntimeString text; !(text = vdr::NetGetMessage(me_)).empty();) {
      Say(NameOf(vdr::NetLastSender()) + ": " + text.c_str());
    }
    for (int32_t id; (id = vdr::NetLeftPlayer()) != 0;) {
      Say(NameOf(id) + " left");
      names_.erase(id);
    }
    if (vdr::ElapsedMs() - listedAt_ > kListRefreshMs) {
      listedAt_ = vdr::ElapsedMs();
      players_.clear();
      for (int i = 0; i < 16; ++i) {
        const int32_t id = vdr::NetPlayerId(i);
        if (id == 0) break;
        players_.push_back(NameOf(id));
      }
    }
  }

  void Draw() const {
    vdr::DrawRect(0, 0, kWidth, 20, 0x603010);
    vdr::PrintText(title_.c_str(), 8, 4);
    vdr::DrawRect(kListLeft - 8, 20, kWidth - kListLeft + 8, kHeight - 40, 0x281808);
    vdr::PrintText("Players", kListLeft, 28);
    for (size_t i = 0; i < players_.size(); ++i) {
      vdr::PrintText(players_[i].c_str(), kListLeft, 48 + static_cast<int>(i) * kLineHeight);
    }
    for (size_t i = 0; i < lines_.size(); ++i) {
      vdr::PrintText(lines_[i].c_str(), 8, 28 + static_cast<int>(i) * kLineHeight);
    }
    vdr::DrawRect(0, kHeight - 20, kWidth, 20, 0x404040);
    vdr::PrintText(("> " + typing_ + "_").c_str(), 8, kHeight - 16);
  }

 private:
  // True on the frame the key goes down.
  static bool Pressed(int key, bool& held) {
    const bool down = vdr::KeyDown(key) != 0;
    const bool pressed = down && !held;
    held = down;
    return pressed;
  }

  std::string NameOf(int32_t id) {
    auto known = names_.find(id);
    if (known == names_.end()) known = names_.emplace(id, vdr::NetPlayerName(id).c_str()).first;
    return known->second;
  }

  std::string title_;
  int32_t me_;
  std::deque<std::string> lines_;
  std::vector<std::string> players_;
  std::map<int32_t, std::string> names_;
  std::string typing_;
  double listedAt_ = -kListRefreshMs;
  bool enterHeld_ = false;
  bool backspaceHeld_ = false;
};

void Main() {
  vdr::AutoPause(0);  // the chat goes on while another window has the focus
  const Options options = ReadOptions();
  const std::vector<std::string>& arguments = options.words;
  const bool hosting = arguments.empty();
  const std::string name = arguments.size() > 1 ? arguments[1] : hosting ? "host" : "guest";
  const std::string port = std::to_string(options.port > 0 ? options.port : 27910);
  std::string title;
  if (hosting) {
    title = vdr::NetHostGame(options.port) == 1 ? "Hosting on port " + port + " as " + name
                                                : "Could not host on port " + port;
  } else {
    title = vdr::NetJoinGame(arguments[0].c_str(), options.port) == 1 ? "Joined " + arguments[0] + " as " + name
                                                                      : "Could not join " + arguments[0];
  }
  const int32_t me = vdr::NetIsRunning() == 1 ? vdr::NetCreatePlayer(name.c_str()) : 0;
  Chat chat(title, me);
  if (me == 0 && vdr::NetIsRunning() == 1) chat.Say("The host gave no player id.");
  for (;;) {
    if (me != 0 && vdr::NetIsRunning() == 1) {
      chat.Type();
      chat.Receive();
    }
    chat.Draw();
    vdr::ShowScreen();
  }
}

constexpr vdr::ProcedureEntry kProcedures[] = {{nullptr, nullptr}};

}  // namespace

const vdr::Program vdr::kProgram = {Configure, Main, kProcedures};
