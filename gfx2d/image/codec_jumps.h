#pragma once
// libpng and libjpeg report errors by jumping back to a setjmp point. Every
// function that sets one keeps only trivially destructible locals, and C++
// objects (buffers, handles) live in the caller, so a jump never skips a
// destructor. The handlers here never print anything.

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE

#include <jpeglib.h>
#include <png.h>

namespace vdr {

// libpng: errors jump to the png struct's own jump buffer; warnings are dropped.
[[noreturn]] void JumpOnPngError(png_structp png, png_const_charp message);
void IgnorePngWarning(png_structp png, png_const_charp message);

// libjpeg: the error manager with the jump buffer of the current call.
struct JpegErrorJump {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

// Installs the handlers: errors and warnings that mean damaged image data
// (truncation, bad entropy codes) jump; other warnings are ignored.
jpeg_error_mgr* InstallJpegErrorJump(JpegErrorJump& errors);

}  // namespace vdr
