#pragma once
// For the programs that draw the documentation's pictures.

#include <string>

namespace vdr::test {

// The output folder named by the program's last argument, taken from where
// it was started (start-up moves into the program's own folder); ends in "/".
std::string PictureFolder();

}  // namespace vdr::test
