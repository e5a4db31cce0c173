#include "tools/mediagen/music.h"

#include <vector>

#include "tools/mediagen/synth.h"

namespace vdr::mediagen {

namespace {

// 72 beats a minute in 4/4, in F major. An eight-bar progression carries the
// piece: Fmaj7 Am7 Bbmaj7 C6 | Fmaj7 Dm7 Gm7 C7sus4.
constexpr double kBeat = 60.0 / 72;
constexpr double kBar = kBeat * 4;

struct Chord {
  int bass;       // MIDI note of the root, low
  int voices[4];  // the pad voicing, close around middle C
};

constexpr Chord kProgression[8] = {
    {41, {53, 57, 60, 64}},  // Fmaj7
    {45, {55, 57, 60, 64}},  // Am7
    {46, {53, 57, 58, 62}},  // Bbmaj7
    {48, {52, 55, 57, 60}},  // C6
    {41, {53, 57, 60, 64}},  // Fmaj7
    {38, {53, 57, 60, 62}},  // Dm7
    {43, {53, 55, 58, 62}},  // Gm7
    {36, {53, 55, 58, 60}},  // C7sus4
};

// A melody note: bar within the phrase, beat, length in beats, MIDI note.
struct Tone {
  int bar;
  double beat;
  double beats;
  int pitch;
};

// The tune, first heard in the second section.
const std::vector<Tone> kTheme = {
    {0, 0, 1.5, 72}, {0, 1.5, 0.5, 69}, {0, 2, 1, 67},   {0, 3, 1, 69},   {1, 0, 2, 76},   {1, 2, 1, 72},
    {1, 3, 1, 67},   {2, 0, 1, 65},     {2, 1, 1, 69},   {2, 2, 1.5, 74}, {2, 3.5, 0.5, 72}, {3, 0, 3, 72},
    {3, 3, 1, 67},   {4, 0, 1, 69},     {4, 1, 1, 72},   {4, 2, 1.5, 77}, {4, 3.5, 0.5, 76}, {5, 0, 2, 74},
    {5, 2, 1, 69},   {5, 3, 1, 72},     {6, 0, 1.5, 70}, {6, 1.5, 0.5, 69}, {6, 2, 1, 67}, {6, 3, 1, 65},
    {7, 0, 3, 67},
};

// Its answer, in the third section.
const std::vector<Tone> kAnswer = {
    {0, 0, 1, 77},   {0, 1, 0.5, 76}, {0, 1.5, 1.5, 72}, {0, 3, 1, 69},   {1, 0, 1, 67},     {1, 1, 1, 69},
    {1, 2, 2, 76},   {2, 0, 1.5, 74}, {2, 1.5, 0.5, 72}, {2, 2, 1, 69},   {2, 3, 1, 65},     {3, 0, 2, 67},
    {3, 2, 1, 64},   {3, 3, 1, 67},   {4, 0, 1.5, 69},   {4, 1.5, 0.5, 72}, {4, 2, 2, 77},   {5, 0, 1, 76},
    {5, 1, 1, 74},   {5, 2, 2, 69},   {6, 0, 1, 70},     {6, 1, 1, 74},   {6, 2, 1, 72},     {6, 3, 1, 70},
    {7, 0, 2, 69},   {7, 2, 2, 67},
};

// A few last notes over the closing chords.
const std::vector<Tone> kFarewell = {{0, 0, 2, 74}, {0, 2, 2, 72}, {1, 0, 4, 67}, {2, 0, 4, 69}};

class Score {
 public:
  explicit Score(StereoBuffer& out) : out_(out) {}

  void Pads(int bar, const Chord& chord, double bars, double gain) {
    for (int v = 0; v < 4; ++v)
      PlayPad(out_, Note{bar * kBar, bars * kBar - 0.3, static_cast<double>(chord.voices[v]), gain, -0.3 + v * 0.2});
  }

  // Root on the first beat, fifth on the third.
  void Bass(int bar, const Chord& chord) {
    PlayBass(out_, Note{bar * kBar, kBeat * 1.8, static_cast<double>(chord.bass), 0.16, 0});
    PlayBass(out_, Note{bar * kBar + 2 * kBeat, kBeat * 1.6, static_cast<double>(chord.bass + 7), 0.11, 0});
  }

  // Eighth notes rippling through the chord an octave up.
  void Arpeggio(int bar, const Chord& chord, double gain) {
    const int order[8] = {0, 1, 2, 3, 2, 1, 3, 2};
    for (int k = 0; k < 8; ++k) {
      const double accent = k % 2 == 0 ? 1.0 : 0.7;
      PlayPluck(out_,
                Note{bar * kBar + k * kBeat / 2, kBeat * 0.9, chord.voices[order[k]] + 12.0, gain * accent,
                     k % 2 == 0 ? -0.35 : 0.35},
                static_cast<uint64_t>(bar * 8 + k + 1));
    }
  }

  void Melody(int firstBar, const std::vector<Tone>& tones, double gain) {
    for (const Tone& t : tones)
      PlayBell(out_, Note{(firstBar + t.bar) * kBar + t.beat * kBeat, t.beats * kBeat * 0.95,
                          static_cast<double>(t.pitch), gain, 0.15});
  }

 private:
  StereoBuffer& out_;
};

}  // namespace

std::vector<float> ComposeMusic() {
  // Intro 4 bars, three sections of 8, a closing 4: 32 bars, about 107 s.
  constexpr int kBars = 32;
  StereoBuffer out(kMusicSampleRate, kBars * kBar);
  Score score(out);

  // Intro: the pads alone, on the first half of the progression.
  for (int bar = 0; bar < 4; ++bar) score.Pads(bar, kProgression[bar], 1, 0.05);
  // Three sections over the whole progression, each adding a voice.
  for (int section = 0; section < 3; ++section) {
    const int first = 4 + section * 8;
    for (int i = 0; i < 8; ++i) {
      const Chord& chord = kProgression[i];
      score.Pads(first + i, chord, 1, 0.045);
      score.Bass(first + i, chord);
      if (section != 1 || i % 2 == 1) score.Arpeggio(first + i, chord, section == 0 ? 0.12 : 0.08);
    }
    if (section == 1) score.Melody(first, kTheme, 0.14);
    if (section == 2) score.Melody(first, kAnswer, 0.13);
  }
  // Close on Bbmaj7, C6 and a long Fmaj7 that dies away before the loop.
  score.Pads(28, kProgression[2], 1, 0.05);
  score.Pads(29, kProgression[3], 1, 0.05);
  score.Pads(30, kProgression[0], 1.2, 0.05);
  score.Bass(28, kProgression[2]);
  score.Bass(29, kProgression[3]);
  score.Melody(28, kFarewell, 0.12);

  AddReverb(out, 0.3);
  Master(out, 0.85, 0.05, 2.5);
  return out.Interleaved();
}

}  // namespace vdr::mediagen
