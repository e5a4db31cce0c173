#pragma once
// The threads of the test process, for tests that check it ends quiescent.

#include <string>

namespace vdr::test {

// The ids and names of the threads of this process other than the calling
// one ("" when there are none).
std::string OtherThreads();

// At exit, ends the process with code 3 and the names on standard error when
// threads other than the exiting one are still running. For death tests of
// programs that end through END.
void ExpectNoOtherThreadsAtExit();

}  // namespace vdr::test
