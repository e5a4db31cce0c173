// Platform information, the environment, processes and dynamic libraries, on
// the real system: the answers' text forms, exit codes, reaping, and binding.

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "app/end.h"
#include "files/locale_code.h"
#include "files/platform_info.h"
#include "files/platform_paths.h"
#include "files/runtime_log.h"
#include "files/system_commands.h"
#include "files/system_services.h"
#include "tests/files/files_test_support.h"

namespace vdr {
namespace {

using testing_files::FilesTest;
using testing_files::ReadFile;
using testing_files::WriteFile;

// Waits up to ten seconds for the condition.
template <typename Condition>
bool WaitFor(Condition condition) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

// The children of this process that have ended but are not reaped.
int ZombieChildren() {
  int zombies = 0;
  DIR* processes = opendir("/proc");
  while (const dirent* entry = readdir(processes)) {
    std::ifstream stat(std::string("/proc/") + entry->d_name + "/stat");
    std::string line;
    if (!std::getline(stat, line)) continue;
    // pid (name) state ppid ...; the name may hold blanks and parentheses.
    std::istringstream rest(line.substr(line.rfind(')') + 1));
    char state = 0;
    pid_t parent = 0;
    rest >> state >> parent;
    if (parent == getpid() && state == 'Z') ++zombies;
  }
  closedir(processes);
  return zombies;
}

class SystemCommandsTest : public FilesTest {
 protected:
  void TearDown() override {
    ReleaseLibrariesAndProcesses();
    FilesTest::TearDown();
  }
};

// ---- platform information ---------------------------------------------------

// True when the text has the shape: '#' stands for a decimal digit, 'X' for
// an upper-case hexadecimal digit, any other character for itself.
bool HasShape(const std::string& text, const std::string& shape) {
  if (text.size() != shape.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool digit = c >= '0' && c <= '9';
    if (shape[i] == '#' ? !digit : shape[i] == 'X' ? !(digit || (c >= 'A' && c <= 'F')) : c != shape[i]) return false;
  }
  return true;
}

TEST(PlatformInfoTest, EveryKeyAnswersInItsForm) {
  struct Case {
    const char* key;
    const char* answer;  // exact
  };
  for (const Case& c : {Case{"", "LINUX"}, Case{"DEVICE", "DESKTOP"}, Case{"device", "DESKTOP"},
                        Case{"GLEXT:glBegin", "0"},  // no render context in this program
                        Case{"UNKNOWN", "NO_DATA"}, Case{"GLEXT", "NO_DATA"}, Case{"TEMP ", "NO_DATA"}}) {
    EXPECT_EQ(PlatformInfo(c.key), c.answer) << c.key;
  }
  const std::string id = PlatformInfo("id").c_str();
  EXPECT_TRUE(HasShape(id, "XXXXXXXX")) << id;
  EXPECT_TRUE(HasShape(PlatformInfo("TIME").c_str(), "####-##-## ##:##:##"));
  const std::string battery = PlatformInfo("Battery").c_str();
  EXPECT_TRUE(HasShape(battery, "#") || HasShape(battery, "##") || battery == "100") << battery;
  // The compiler's date: "Oct  5 2010".
  const std::string compiled = PlatformInfo("COMPILED").c_str();
  EXPECT_EQ(compiled.size(), 11u);
  const std::string months = "JanFebMarAprMayJunJulAugSepOctNovDec";
  EXPECT_NE(months.find(compiled.substr(0, 3)), std::string::npos) << compiled;
  EXPECT_TRUE(HasShape(compiled.substr(6), " ####")) << compiled;
  EXPECT_EQ(PlatformInfo("LOCALE").length(), 2u);
  EXPECT_EQ(PlatformInfo("DOCUMENTS")[0], '/');
}

TEST(PlatformInfoTest, TimeIsTheLocalClock) {
  auto local = [] {
    const std::time_t now = std::time(nullptr);
    std::tm parts {};
    localtime_r(&now, &parts);
    return DateTimeText(parts);
  };
  const std::string before = local();
  const std::string answer = PlatformInfo("time").c_str();
  const std::string after = local();
  EXPECT_TRUE(answer == before || answer == after) << answer;
  std::tm fixed {};
  fixed.tm_year = 110;
  fixed.tm_mon = 9;
  fixed.tm_mday = 5;
  fixed.tm_hour = 9;
  fixed.tm_min = 4;
  fixed.tm_sec = 7;
  EXPECT_EQ(DateTimeText(fixed), "2010-10-05 09:04:07");
}

TEST(PlatformInfoTest, IdBytesAreWrittenInMemoryOrder) {
  const uint8_t serial[4] = {0xCD, 0xAB, 0x34, 0x12};
  EXPECT_EQ(VolumeIdText(serial), "CDAB3412");
  uint8_t id[4] = {};
  ASSERT_TRUE(UuidLeadingBytes("1234abcd-0f1e-4d2c-8b3a-1234567890ab", id));
  EXPECT_EQ(VolumeIdText(id), "1234ABCD");
  ASSERT_TRUE(UuidLeadingBytes("AB12-34CD", id));  // a FAT volume's serial
  EXPECT_EQ(VolumeIdText(id), "AB1234CD");
  EXPECT_FALSE(UuidLeadingBytes("12g4abcd", id));
  EXPECT_FALSE(UuidLeadingBytes("1234", id));
}

TEST(PlatformInfoTest, TempIsTheTemporaryFolderWithoutItsSlash) {
  std::string folder = TempFolder();
  folder.pop_back();
  EXPECT_EQ(PlatformInfo("temp"), folder.c_str());
}

struct LocaleCase {
  const char* lang;
  const char* code;
};

class LocaleTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleTest, LangGivesTheCodeOfTheLanguageTable) {
  unsetenv("LC_ALL");
  unsetenv("LC_MESSAGES");
  setenv("LANG", GetParam().lang, 1);
  EXPECT_EQ(PlatformInfo("LOCALE"), GetParam().code) << GetParam().lang;
}

INSTANTIATE_TEST_SUITE_P(
    Languages, LocaleTest,
    ::testing::Values(LocaleCase{"en_US.UTF-8", "uk"}, LocaleCase{"en_GB.UTF-8", "us"}, LocaleCase{"en_AU", "us"},
                      LocaleCase{"uk_UA.UTF-8", "uk"}, LocaleCase{"de_AT.UTF-8@euro", "de"},
                      LocaleCase{"el_GR", "gr"}, LocaleCase{"ja_JP.eucJP", "jp"}, LocaleCase{"zh_TW", "ch"},
                      LocaleCase{"zh_CN.GB18030", "ch"}, LocaleCase{"zh_HK", "zh"}, LocaleCase{"pt_BR", "pt"},
                      LocaleCase{"nb_NO", "no"}, LocaleCase{"id_ID", "in"}, LocaleCase{"bn_IN", "be"},
                      LocaleCase{"ml_IN", "ma"}, LocaleCase{"kok_IN", "kn"}, LocaleCase{"mn_MN", "mo"},
                      LocaleCase{"C.UTF-8", "us"}, LocaleCase{"POSIX", "us"}, LocaleCase{"", "us"},
                      LocaleCase{"eo", "us"}));

TEST(PlatformInfoTest, LocaleVariablesTakeTheirUsualOrder) {
  setenv("LANG", "fr_FR", 1);
  setenv("LC_MESSAGES", "it_IT", 1);
  setenv("LC_ALL", "es_ES", 1);
  EXPECT_EQ(PlatformInfo("LOCALE"), "es");
  unsetenv("LC_ALL");
  EXPECT_EQ(PlatformInfo("LOCALE"), "it");
  unsetenv("LC_MESSAGES");
  EXPECT_EQ(PlatformInfo("LOCALE"), "fr");
}

TEST(PlatformInfoTest, DocumentsComesFromTheXdgFolderList) {
  const std::string home = "/home/player";
  EXPECT_EQ(DocumentsFolder("# made by xdg-user-dirs\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", home),
            "/home/player/Dokumente");
  EXPECT_EQ(DocumentsFolder("  XDG_DOCUMENTS_DIR=\"/data/My \\\"Papers\\\"/\"\n", home), "/data/My \"Papers\"");
  EXPECT_EQ(DocumentsFolder("XDG_DOCUMENTS_DIR=\"$HOME/\"\n", home), home);  // switched off
  EXPECT_EQ(DocumentsFolder("XDG_DOCUMENTS_DIR=\"relative\"\n", home), home);
  EXPECT_EQ(DocumentsFolder("XDG_MUSIC_DIR=\"$HOME/Music\"\n", home), home);

  const std::string config = TempFolder() + "xdg-config";
  std::filesystem::create_directories(config);
  WriteFile(config + "/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n");
  setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  setenv("HOME", "/home/tester/", 1);
  EXPECT_EQ(PlatformInfo("DOCUMENTS"), "/home/tester/Docs");
  unsetenv("XDG_CONFIG_HOME");
}

TEST(PlatformInfoTest, BatteryIsTheMeanOfTheSystemBatteries) {
  const std::string folder = TempFolder() + "power_supply";
  auto supply = [&](const std::string& name, const std::string& type, const std::string& scope, const char* capacity) {
    std::filesystem::create_directories(folder + "/" + name);
    WriteFile(folder + "/" + name + "/type", type + "\n");
    if (!scope.empty()) WriteFile(folder + "/" + name + "/scope", scope + "\n");
    if (capacity != nullptr) WriteFile(folder + "/" + name + "/capacity", std::string(capacity) + "\n");
  };
  std::filesystem::create_directories(folder);
  EXPECT_EQ(BatteryPercent(folder.c_str()), -1);
  supply("AC", "Mains", "", nullptr);
  supply("hid-mouse-battery", "Battery", "Device", "5");
  EXPECT_EQ(BatteryPercent(folder.c_str()), -1);
  supply("BAT0", "Battery", "", "80");
  supply("BAT1", "Battery", "System", "91");
  EXPECT_EQ(BatteryPercent(folder.c_str()), 85);
  EXPECT_EQ(BatteryPercent((folder + "/missing").c_str()), -1);
}

// ---- environment ------------------------------------------------------------

TEST_F(SystemCommandsTest, EnvironmentIsReadSetAndListed) {
  EXPECT_EQ(GetEnv("VENDRIL_TEST_UNSET"), "");
  PutEnv("VENDRIL_TEST_VALUE", "a b=c");
  EXPECT_EQ(GetEnv("VENDRIL_TEST_VALUE"), "a b=c");
  const std::string listing = GetEnv("").c_str();
  EXPECT_NE(listing.find("\nVENDRIL_TEST_VALUE=a b=c\n"), std::string::npos);
  EXPECT_EQ(listing.back(), '\n');
  {
    // The text handed over is copied, not kept.
    RuntimeString name("VENDRIL_TEST_COPY"), value("kept");
    PutEnv(name, value);
  }
  EXPECT_EQ(GetEnv("VENDRIL_TEST_COPY"), "kept");
  PutEnv("", "x");  // no such name: nothing happens
  PutEnv("A=B", "x");
  EXPECT_EQ(GetEnv("A"), "");

  int32_t code = -1;
  EXPECT_EQ(CallProcess("test \"$VENDRIL_TEST_VALUE\" = 'a b=c'", 1, 0, code), 1);
  EXPECT_EQ(code, 0);
}

// ---- processes --------------------------------------------------------------

TEST_F(SystemCommandsTest, WaitingGivesTheExitCode) {
  int32_t code = -1;
  EXPECT_EQ(CallProcess("exit 7", 1, 1, code), 1);
  EXPECT_EQ(code, 7);
  double number = -1;
  EXPECT_EQ(CallProcess("exit 5", 1, 0, number), 1);
  EXPECT_EQ(number, 5);
  EXPECT_EQ(CallProcess("kill -9 $$", 1, 0, code), 1);
  EXPECT_EQ(code, 128 + 9);
  EXPECT_EQ(CallProcess("no-such-program-here 2>/dev/null", 1, 0, code), 1);
  EXPECT_EQ(code, 127);  // the shell started; the program it was asked for did not
  EXPECT_EQ(CallProcess("", 1, 0, code), 0);
  EXPECT_EQ(code, 0);
}

TEST_F(SystemCommandsTest, ACommandLineOfAnyLengthIsPassedWhole) {
  const std::string word(20000, 'w');
  int32_t code = -1;
  EXPECT_EQ(CallProcess(("printf %s " + word + " > long.txt").c_str(), 1, 0, code), 1);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(ReadFile("long.txt"), word);
}

TEST_F(SystemCommandsTest, OpenFilesAreNotHandedToTheProgram) {
  const int fd = ::open("kept-here", O_CREAT | O_WRONLY, 0644);  // without close-on-exec
  ASSERT_GE(fd, 3);
  int32_t code = -1;
  EXPECT_EQ(CallProcess(("test -e /proc/self/fd/" + std::to_string(fd)).c_str(), 1, 0, code), 1);
  EXPECT_EQ(code, 1);
  ::close(fd);
}

TEST_F(SystemCommandsTest, WithoutWaitingItReturnsAtOnceAndTheEndedProcessIsReaped) {
  int32_t code = -1;
  const auto start = std::chrono::steady_clock::now();
  // The process waits for a file this test makes after CallProcess returned.
  EXPECT_EQ(CallProcess("while [ ! -e go ]; do sleep 0.01; done; echo done > ended; exit 3", 0, 0, code), 1);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(code, 0);
  EXPECT_FALSE(std::filesystem::exists("ended"));
  WriteFile("go", "");
  ASSERT_TRUE(WaitFor([] { return ReadFile("ended") == "done\n"; }));
  EXPECT_TRUE(WaitFor([] { return ZombieChildren() == 0; }));

  for (int i = 0; i < 20; ++i) EXPECT_EQ(CallProcess("exit 0", 0, 0, code), 1);
  EXPECT_TRUE(WaitFor([] { return ZombieChildren() == 0; }));
}

TEST_F(SystemCommandsTest, OpenDocumentAndEndShutsDownThenHandsTheDocumentOver) {
  // A stand-in for the desktop's opener that notes what it was given.
  WriteFile("xdg-open",
            "#!/bin/sh\n"
            "cd \"$(dirname \"$0\")\" && printf %s \"$1\" > opened.tmp && mv opened.tmp opened\n");
  chmod("xdg-open", 0755);
  WriteFile("letter.txt", "Dear player");
  const std::string path = GetEnv("PATH").c_str();
  setenv("PATH", (Folder() + ":" + path).c_str(), 1);
  EXPECT_EXIT(OpenDocumentAndEnd("letter.txt"), ::testing::ExitedWithCode(0), "");
  setenv("PATH", path.c_str(), 1);
  ASSERT_TRUE(WaitFor([] { return std::filesystem::exists("opened"); }));
  EXPECT_EQ(ReadFile("opened"), Folder() + "/letter.txt");
  EXPECT_EQ(DocumentPath("https://example.org/a b"), "https://example.org/a b");
}

// ---- dynamic libraries ------------------------------------------------------

TEST_F(SystemCommandsTest, BoundFunctionsAreCalledThrough) {
  double (*cosine)(double) = nullptr;
  BindLibraryFunction("libm.so.6", "cos", cosine);
  ASSERT_NE(cosine, nullptr);
  EXPECT_DOUBLE_EQ(cosine(0.0), 1.0);
  EXPECT_DOUBLE_EQ(cosine(M_PI), -1.0);

  void* again = nullptr;
  BindLibraryFunction("LIBM.so.6", "cos", again);  // the same module, by its lower-cased name
  EXPECT_EQ(again, reinterpret_cast<void*>(cosine));
  BindLibraryFunction("libm.so.6", "no_such_function", again);
  EXPECT_EQ(again, nullptr);
  // Library names with capitals are found as written.
  const char* (*glGetString)(unsigned) = nullptr;
  BindLibraryFunction("libGL.so.1", "glGetString", glGetString);
  EXPECT_NE(glGetString, nullptr);
}

TEST_F(SystemCommandsTest, AnUnknownModuleIsReportedInTheLog) {
  DeleteRuntimeLog();
  void* function = reinterpret_cast<void*>(1);
  BindLibraryFunction("NoSuchModule.so", "f", function);
  EXPECT_EQ(function, nullptr);
  BindLibraryFunction("libm.so.6", "missing", function);
  BindLibraryFunction("", "f", function);
  EXPECT_EQ(function, nullptr);
  EXPECT_EQ(ReadFile(RuntimeLogPath()), "DECLARE module not found: nosuchmodule.so\r\nDECLARE module not found: \r\n");
}

}  // namespace
}  // namespace vdr
