#pragma once
// Shared by the runtime value tests: readable RuntimeString values in failures.

#include <ostream>

#include "runtime/runtime_string.h"

namespace vdr {

inline void PrintTo(const RuntimeString& text, std::ostream* os) { *os << '"' << text.view() << '"'; }

}  // namespace vdr
