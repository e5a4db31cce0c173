#pragma once
// Music: one piece at a time on the mixer's music stream, opened by file name
// through the disk resolver context (packed music is extracted to a temporary
// file for the decoder). Looping is the runtime's own: the frame cycle and the
// blocking waits run the restart check, which starts a looping piece over
// once the runtime clock has reached its end.

#include <SDL2/SDL_mixer.h>

#include <cstdint>
#include <memory>

#include "audio/music_commands.h"
#include "audio/music_schedule.h"
#include "runtime/runtime_string.h"

namespace vdr {

struct MusicRelease {
  void operator()(Mix_Music* music) const { Mix_FreeMusic(music); }
};

class MusicPlayer {
 public:
  static constexpr const char* kProcessObjectName = "the music player";
  // Stops the current piece and starts the one the name resolves to.
  void Play(const char* name, bool loop);
  void Stop();
  // Starts the current piece over.
  void Restart();
  // 1.0 is the normal volume; sent to the mixer only when it changes and a
  // piece is open.
  void SetVolume(double volume);
  // 1 while a piece plays (always 1 for a looping one).
  int32_t Playing() const;
  // The restart check: starts a looping piece over once its time has come.
  void CheckRestart();

  double RestartTime() const { return schedule_.RestartTime(); }
  double Volume() const { return volume_; }

 private:
  double PieceMs() const;
  void PlayFromStart();

  // A piece is open from a resolved name on, even when the decoder cannot
  // play it (then `music_` is null and nothing sounds).
  bool open_ = false;
  std::unique_ptr<Mix_Music, MusicRelease> music_;
  double volume_ = -1;  // last volume sent; -1 = none since the last stop
  RestartSchedule schedule_;
};

// The music state of the process.
MusicPlayer& Music();

// The restart check, run by the frame cycle, its pause loop and every blocking wait.
void CheckMusicRestart();


}  // namespace vdr
