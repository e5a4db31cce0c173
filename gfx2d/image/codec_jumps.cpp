#include "gfx2d/image/codec_jumps.h"

#include <jerror.h>

namespace vdr {

void JumpOnPngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

void IgnorePngWarning(png_structp, png_const_charp) {}

namespace {

[[noreturn]] void JumpOnJpegError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegErrorJump*>(info->err)->jump, 1);
}

bool MeansDamagedData(int code) {
  switch (code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_NOT_SEQUENTIAL:
    case JWRN_BOGUS_PROGRESSION:
      return true;
    default:
      return false;
  }
}

// Level -1 is a warning; higher levels are trace messages.
void JpegMessage(j_common_ptr info, int level) {
  if (level < 0 && MeansDamagedData(info->err->msg_code)) JumpOnJpegError(info);
}

void SilentOutput(j_common_ptr) {}

}  // namespace

jpeg_error_mgr* InstallJpegErrorJump(JpegErrorJump& errors) {
  jpeg_error_mgr* manager = jpeg_std_error(&errors.manager);
  manager->error_exit = JumpOnJpegError;
  manager->emit_message = JpegMessage;
  manager->output_message = SilentOutput;
  return manager;
}

}  // namespace vdr
