#pragma once
// A small offline synthesiser: instruments that add notes into a stereo
// buffer, and a room reverb.

#include <cstdint>
#include <vector>

namespace vdr::mediagen {

class StereoBuffer {
 public:
  StereoBuffer(int sampleRate, double seconds);

  int sampleRate() const { return rate_; }
  int frames() const { return static_cast<int>(left_.size()); }
  // Adds one sample, spread by gains from PanGains.
  void Add(int frame, double value, const struct Pan& pan);
  std::vector<float>& left() { return left_; }
  std::vector<float>& right() { return right_; }
  // Interleaved left/right samples.
  std::vector<float> Interleaved() const;

 private:
  int rate_;
  std::vector<float> left_;
  std::vector<float> right_;
};

// Constant-power gains for a position from -1 (left) to 1 (right).
struct Pan {
  double left, right;
};
Pan PanGains(double position);

double MidiToHertz(double note);

struct Note {
  double start;     // seconds
  double duration;  // seconds, before the release
  double pitch;     // MIDI note number
  double gain;
  double pan;
};

// A warm pad: a soft band-limited tone from three slightly detuned voices,
// slow attack and release.
void PlayPad(StereoBuffer& out, const Note& note);
// A round bass: sine with a touch of the second harmonic.
void PlayBass(StereoBuffer& out, const Note& note);
// A plucked string (Karplus-Strong), seeded for repeatable noise.
void PlayPluck(StereoBuffer& out, const Note& note, uint64_t seed);
// An electric-piano bell: FM with a decaying modulation index.
void PlayBell(StereoBuffer& out, const Note& note);

// A room reverb mixed in at `wet`.
void AddReverb(StereoBuffer& buffer, double wet);
// Scales to `peak`, with fades of the given lengths at both ends so that the
// piece starts and ends in silence.
void Master(StereoBuffer& buffer, double peak, double fadeIn, double fadeOut);

}  // namespace vdr::mediagen
