#include "tools/mediagen/mp3_encoder.h"

#include <lame/lame.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace vdr::mediagen {

std::vector<uint8_t> EncodeMp3(const std::vector<float>& stereo, int sampleRate) {
  std::unique_ptr<lame_global_flags, int (*)(lame_global_flags*)> lame(lame_init(), lame_close);
  if (!lame) throw std::runtime_error("lame_init failed");
  lame_set_in_samplerate(lame.get(), sampleRate);
  lame_set_out_samplerate(lame.get(), sampleRate);
  lame_set_num_channels(lame.get(), 2);
  lame_set_mode(lame.get(), JOINT_STEREO);
  lame_set_VBR(lame.get(), vbr_default);
  lame_set_VBR_quality(lame.get(), 4);
  if (lame_init_params(lame.get()) < 0) throw std::runtime_error("lame_init_params failed");

  std::vector<uint8_t> mp3;
  constexpr int kChunkFrames = 8192;
  // The size lame asks for: 1.25 times the samples plus 7200 bytes.
  std::vector<unsigned char> chunk(kChunkFrames * 5 / 4 + 7200);
  const int frames = static_cast<int>(stereo.size() / 2);
  for (int at = 0; at < frames; at += kChunkFrames) {
    const int n = std::min(kChunkFrames, frames - at);
    const int written = lame_encode_buffer_interleaved_ieee_float(lame.get(), stereo.data() + at * 2, n, chunk.data(),
                                                                  static_cast<int>(chunk.size()));
    if (written < 0) throw std::runtime_error("mp3 encoding failed");
    mp3.insert(mp3.end(), chunk.begin(), chunk.begin() + written);
  }
  const int tail = lame_encode_flush(lame.get(), chunk.data(), static_cast<int>(chunk.size()));
  if (tail < 0) throw std::runtime_error("mp3 encoding failed");
  mp3.insert(mp3.end(), chunk.begin(), chunk.begin() + tail);
  // The first frame was reserved for the VBR header with the true length and
  // the encoder delay and padding; fill it in now.
  const size_t tagSize = lame_get_lametag_frame(lame.get(), chunk.data(), chunk.size());
  if (tagSize > 0 && tagSize <= chunk.size() && tagSize <= mp3.size())
    std::copy(chunk.begin(), chunk.begin() + tagSize, mp3.begin());
  return mp3;
}

}  // namespace vdr::mediagen
