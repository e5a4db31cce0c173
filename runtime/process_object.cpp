#include "runtime/process_object.h"

#include <cstdio>
#include <cstdlib>

namespace vdr {

void ProcessObjectFault(const char* problem, const char* name) {
  std::fprintf(stderr, "Vendril: %s %s\n", problem, name);
  std::abort();
}

}  // namespace vdr
