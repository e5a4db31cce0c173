// The main of every test program: makes the engine state, runs the tests,
// then shuts the engine down as a program's END does, and checks that no thread but the main one is left,
// so the leak check at exit looks at a process that stands still.

#include <gtest/gtest.h>

#include "app/engine_state.h"
#include "tests/support/process_threads.h"

namespace {

class EngineShutdownEnvironment : public testing::Environment {
 public:
  void TearDown() override {
    vdr::EngineShutdown();
    const std::string others = vdr::test::OtherThreads();
    EXPECT_TRUE(others.empty()) << "threads still running after shutdown:" << others;
  }
};

}  // namespace

int main(int argc, char** argv) {
  vdr::Engine();  // the owner of the runtime's process-wide objects, as in a program
  testing::InitGoogleTest(&argc, argv);
  testing::AddGlobalTestEnvironment(new EngineShutdownEnvironment);
  return RUN_ALL_TESTS();
}
