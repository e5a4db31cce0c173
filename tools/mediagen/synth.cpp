#include "tools/mediagen/synth.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "tools/mediagen/draw.h"

namespace vdr::mediagen {

StereoBuffer::StereoBuffer(int sampleRate, double seconds)
    : rate_(sampleRate),
      left_(static_cast<size_t>(sampleRate * seconds), 0.0f),
      right_(static_cast<size_t>(sampleRate * seconds), 0.0f) {}

Pan PanGains(double position) {
  const double angle = (std::clamp(position, -1.0, 1.0) + 1) * M_PI / 4;
  return Pan{std::cos(angle), std::sin(angle)};
}

void StereoBuffer::Add(int frame, double value, const Pan& pan) {
  if (frame < 0 || frame >= frames()) return;
  left_[frame] += static_cast<float>(value * pan.left);
  right_[frame] += static_cast<float>(value * pan.right);
}

std::vector<float> StereoBuffer::Interleaved() const {
  std::vector<float> samples(left_.size() * 2);
  for (size_t i = 0; i < left_.size(); ++i) {
    samples[i * 2] = left_[i];
    samples[i * 2 + 1] = right_[i];
  }
  return samples;
}

double MidiToHertz(double note) { return 440.0 * std::pow(2.0, (note - 69) / 12); }

namespace {

constexpr double kTau = 2 * M_PI;

// Attack, hold and release as a smooth gain (smoothstep ramps).
double Envelope(double t, double attack, double length, double release) {
  if (t < 0) return 0;
  auto smooth = [](double x) { return x >= 1 ? 1.0 : x * x * (3 - 2 * x); };
  const double rise = t < attack ? smooth(t / attack) : 1;
  const double fall = t < length ? 1 : 1 - smooth((t - length) / release);
  return rise * fall;
}

// One cycle of a soft tone: harmonics falling off faster than a sawtooth's.
class Wavetable {
 public:
  Wavetable() {
    for (size_t i = 0; i < kSize; ++i) {
      double v = 0;
      for (int h = 1; h <= 12; ++h) v += std::sin(kTau * h * i / kSize) / std::pow(h, 1.7);
      table_[i] = v * 0.6;
    }
  }
  double At(double phase) const {
    const double p = (phase - std::floor(phase)) * kSize;
    const size_t i = static_cast<size_t>(p);
    const double f = p - i;
    return table_[i] + (table_[(i + 1) % kSize] - table_[i]) * f;
  }

 private:
  static constexpr size_t kSize = 4096;
  std::array<double, kSize> table_{};
};

const Wavetable& SoftTone() {
  static const Wavetable table;
  return table;
}

}  // namespace

void PlayPad(StereoBuffer& out, const Note& note) {
  const double attack = 1.4, release = 1.8;
  const double rate = out.sampleRate();
  const int first = static_cast<int>(note.start * rate);
  const int count = static_cast<int>((note.duration + release) * rate);
  const double base = MidiToHertz(note.pitch);
  // Three voices a few cents apart beat slowly against each other.
  const double detune[3] = {-0.0045, 0.0, 0.0052};
  const double spread[3] = {-0.5, 0.0, 0.5};
  double phase[3] = {0.13, 0.51, 0.77};
  const Pan left = PanGains(note.pan - 0.5), right = PanGains(note.pan + 0.5);
  // A gentle one-pole low-pass keeps the pad soft.
  double low[2] = {0, 0};
  const double cut = 1 - std::exp(-kTau * 1800.0 / rate);
  for (int i = 0; i < count; ++i) {
    const double t = i / rate;
    const double gain = note.gain * Envelope(t, attack, note.duration, release);
    double mix[2] = {0, 0};
    for (int v = 0; v < 3; ++v) {
      phase[v] += base * (1 + detune[v]) / rate;
      const double s = SoftTone().At(phase[v]);
      mix[0] += s * (1 - spread[v]) / 2;
      mix[1] += s * (1 + spread[v]) / 2;
    }
    for (int c = 0; c < 2; ++c) low[c] += (mix[c] - low[c]) * cut;
    out.Add(first + i, low[0] * gain, left);
    out.Add(first + i, low[1] * gain, right);
  }
}

namespace {

// Plays `voice(t)` (a mono sample at t seconds into the note) through the
// note's envelope, gain and pan.
template <typename Voice>
void Render(StereoBuffer& out, const Note& note, double attack, double release, Voice voice) {
  const double rate = out.sampleRate();
  const int first = static_cast<int>(note.start * rate);
  const int count = static_cast<int>((note.duration + release) * rate);
  const Pan pan = PanGains(note.pan);
  for (int i = 0; i < count; ++i) {
    const double t = i / rate;
    out.Add(first + i, voice(t) * note.gain * Envelope(t, attack, note.duration, release), pan);
  }
}

}  // namespace

void PlayBass(StereoBuffer& out, const Note& note) {
  const double f = MidiToHertz(note.pitch);
  Render(out, note, 0.02, 0.35, [f](double t) {
    const double body = 0.65 + 0.35 * std::exp(-t / 0.4);
    return body * (std::sin(kTau * f * t) + 0.25 * std::sin(2 * kTau * f * t) + 0.06 * std::sin(3 * kTau * f * t));
  });
}

void PlayPluck(StereoBuffer& out, const Note& note, uint64_t seed) {
  const double f = MidiToHertz(note.pitch);
  const size_t period = std::max(2, static_cast<int>(out.sampleRate() / f + 0.5));
  std::vector<double> line(period);
  Rng rng(seed);
  // A soft pluck: the noise burst is smoothed before it enters the string.
  double smooth = 0;
  for (double& s : line) {
    smooth += (rng.Uniform(-1, 1) - smooth) * 0.5;
    s = smooth;
  }
  size_t at = 0;
  Render(out, note, 0.003, 0.25, [&line, &at, period](double) {
    const double s = line[at];
    line[at] = 0.4985 * (s + line[(at + 1) % period]);
    at = (at + 1) % period;
    return s;
  });
}

void PlayBell(StereoBuffer& out, const Note& note) {
  const double f = MidiToHertz(note.pitch);
  Render(out, note, 0.004, 0.5, [f](double t) {
    const double index = 0.25 + 1.6 * std::exp(-t / 0.35);
    const double tine = std::sin(kTau * f * t + index * std::sin(kTau * f * t));
    const double shimmer = 0.12 * std::exp(-t / 0.25) * std::sin(kTau * f * 4.0 * t);
    return (tine + shimmer) * (0.3 + 0.7 * std::exp(-t / 1.3));
  });
}

namespace {

// Schroeder's room: parallel damped combs into series all-passes.
class Reverb {
 public:
  Reverb(int rate, int spread) {
    const int combs[4] = {1557, 1617, 1491, 1422};
    const int passes[2] = {556, 441};
    const double scale = rate / 44100.0;
    for (int i = 0; i < 4; ++i) comb_[i].assign(static_cast<size_t>((combs[i] + spread) * scale), 0.0);
    for (int i = 0; i < 2; ++i) pass_[i].assign(static_cast<size_t>((passes[i] + spread) * scale), 0.0);
  }

  double Process(double in) {
    double sum = 0;
    for (int i = 0; i < 4; ++i) {
      std::vector<double>& line = comb_[i];
      const size_t at = combAt_[i];
      const double out = line[at];
      damp_[i] = out * 0.75 + damp_[i] * 0.25;
      line[at] = in + damp_[i] * 0.82;
      combAt_[i] = (at + 1) % line.size();
      sum += out;
    }
    for (int i = 0; i < 2; ++i) {
      std::vector<double>& line = pass_[i];
      const size_t at = passAt_[i];
      const double delayed = line[at];
      line[at] = sum + delayed * 0.5;
      passAt_[i] = (at + 1) % line.size();
      sum = delayed - sum;
    }
    return sum * 0.25;
  }

 private:
  std::vector<double> comb_[4];
  std::vector<double> pass_[2];
  size_t combAt_[4] = {0, 0, 0, 0};
  size_t passAt_[2] = {0, 0};
  double damp_[4] = {0, 0, 0, 0};
};

}  // namespace

void AddReverb(StereoBuffer& buffer, double wet) {
  Reverb left(buffer.sampleRate(), 0), right(buffer.sampleRate(), 23);
  for (int i = 0; i < buffer.frames(); ++i) {
    const double mono = (buffer.left()[i] + buffer.right()[i]) * 0.5;
    buffer.left()[i] += static_cast<float>(left.Process(mono) * wet);
    buffer.right()[i] += static_cast<float>(right.Process(mono) * wet);
  }
}

void Master(StereoBuffer& buffer, double peak, double fadeIn, double fadeOut) {
  float loudest = 0;
  for (const float s : buffer.left()) loudest = std::max(loudest, std::fabs(s));
  for (const float s : buffer.right()) loudest = std::max(loudest, std::fabs(s));
  const double scale = loudest > 0 ? peak / loudest : 0;
  const double rate = buffer.sampleRate();
  const int frames = buffer.frames();
  for (int i = 0; i < frames; ++i) {
    const double fromStart = i / rate, toEnd = (frames - 1 - i) / rate;
    double gain = scale;
    if (fromStart < fadeIn) gain *= fromStart / fadeIn;
    if (toEnd < fadeOut) gain *= toEnd / fadeOut;
    buffer.left()[i] = static_cast<float>(buffer.left()[i] * gain);
    buffer.right()[i] = static_cast<float>(buffer.right()[i] * gain);
  }
}

}  // namespace vdr::mediagen
