// The probe program run as a whole process: its log over two runs, and what
// it tells an attached debugger.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>

#include "files/runtime_log.h"
#include "tests/support/engine_harness.h"

namespace vdr {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

struct EnvironmentChange {
  const char* name;
  const char* value;  // null: unset
};

// Runs the probe with one argument and its standard error going to a file;
// with `traced` this process attaches to it as its debugger. The exit code.
int RunProbe(const char* argument, const std::string& errorFile, bool traced,
             std::initializer_list<EnvironmentChange> environment = {}) {
  const pid_t child = fork();
  if (child == 0) {
    const int fd = open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(fd, 2);
    for (const EnvironmentChange& change : environment) {
      if (change.value != nullptr) {
        setenv(change.name, change.value, 1);
      } else {
        unsetenv(change.name);
      }
    }
    if (traced) {
      // The leak checker stops threads by tracing them itself, which it
      // cannot do while another tracer is attached.
      setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
      ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
    }
    execl(PROBE_PROGRAM, PROBE_PROGRAM, argument, static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  for (;;) {
    if (waitpid(child, &status, 0) != child) return -1;
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    // A stop of the traced program: let it go on, with its signal.
    const int signal = WSTOPSIG(status) == SIGTRAP ? 0 : WSTOPSIG(status);
    ptrace(PTRACE_CONT, child, nullptr, reinterpret_cast<void*>(static_cast<intptr_t>(signal)));
  }
}

TEST(ProgramTest, EachRunStartsANewLog) {
  const std::string errors = RuntimeLogPath() + ".stderr";
  const std::string expected =
      "Init GFX\r\n*** OpenGL Software Emulation - update driver!\r\nInit Finalized\r\n"
      "Shut down VDR\r\nvdr is shut down\r\n";
  ASSERT_EQ(RunProbe("return", errors, false), 0);
  EXPECT_EQ(ReadFile(RuntimeLogPath()), expected);
  ASSERT_EQ(RunProbe("return", errors, false), 0);
  EXPECT_EQ(ReadFile(RuntimeLogPath()), expected);
}

TEST(ProgramTest, CallByNameTellsTheDebuggerOnceAboutAnUnknownName) {
  const std::string errors = RuntimeLogPath() + ".stderr";
  ASSERT_EQ(RunProbe("callbyname", errors, true), 0);
  EXPECT_EQ(ReadFile(errors), "TXCALLBYNAME \"nothing\" *** failed ***\nTXcalls: 1\n");
  // Without a debugger nothing is said.
  ASSERT_EQ(RunProbe("callbyname", errors, false), 0);
  EXPECT_EQ(ReadFile(errors), "");
}

TEST(ProgramTest, WithoutADisplayTheProgramSaysSoAndFails) {
  const std::string errors = RuntimeLogPath() + ".stderr";
  EXPECT_EQ(RunProbe("return", errors, false,
                     {{"DISPLAY", nullptr}, {"WAYLAND_DISPLAY", nullptr}, {"SDL_VIDEODRIVER", nullptr}}),
            1);
  EXPECT_NE(ReadFile(errors).find("there is no display to show it on"), std::string::npos) << ReadFile(errors);
  // A driver chosen on purpose is tried; this one has no OpenGL to give.
  EXPECT_EQ(RunProbe("return", errors, false, {{"DISPLAY", nullptr}, {"SDL_VIDEODRIVER", "dummy"}}), 1);
  EXPECT_EQ(ReadFile(errors).find("there is no display"), std::string::npos) << ReadFile(errors);
  EXPECT_NE(ReadFile(errors).find("could not be created"), std::string::npos) << ReadFile(errors);
}

TEST(ProgramTest, AFatalErrorEndsWithCode1AndItsLine) {
  const std::string errors = RuntimeLogPath() + ".stderr";
  ASSERT_EQ(RunProbe("fatal", errors, false), 1);
  EXPECT_NE(ReadFile(errors).find("Vendril: fatal error 0003 no such file"), std::string::npos) << ReadFile(errors);
  const std::string log = ReadFile(RuntimeLogPath());
  EXPECT_NE(log.find("Vendril: fatal error 0003 no such file"), std::string::npos) << log;
  EXPECT_NE(log.find("vdr is shut down"), std::string::npos) << log;
}

}  // namespace
}  // namespace vdr
