#include "audio/music_player.h"

#include <string>

#include "audio/sound_levels.h"
#include "files/file_resolver.h"
#include "files/platform_paths.h"
#include "runtime/clock.h"
#include "runtime/process_object.h"

namespace vdr {
namespace {

bool MixerOpen() { return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0; }

}  // namespace

MusicPlayer& Music() { return Registered<MusicPlayer>(); }

double MusicPlayer::PieceMs() const {
  const double seconds = music_ != nullptr ? Mix_MusicDuration(music_.get()) : 0;
  return seconds > 0 ? seconds * 1000 : 0;
}

void MusicPlayer::PlayFromStart() {
  if (music_ != nullptr) Mix_PlayMusic(music_.get(), 0);
}

void MusicPlayer::Play(const char* name, bool loop) {
  Stop();
  std::string resolved;
  if (!DiskContext().Resolve(name, resolved)) return;
  // The mixer opens no player window: focus, activation and the pointer stay
  // as they are, and nothing needs restoring after the piece has started.
  open_ = true;
  if (MixerOpen()) music_.reset(Mix_LoadMUS(NativePath(resolved.c_str()).c_str()));
  schedule_.Start(Clock(), PieceMs(), loop);
  PlayFromStart();
  volume_ = 1.0;  // Stop forgot the volume, so a new piece always starts at full
  Mix_VolumeMusic(MusicMixerVolume(MusicPlayerVolume(volume_)));
}

void MusicPlayer::Stop() {
  volume_ = -1;
  schedule_.Clear();
  if (music_ != nullptr) Mix_HaltMusic();
  music_.reset();
  open_ = false;
}

void MusicPlayer::Restart() { PlayFromStart(); }

void MusicPlayer::SetVolume(double volume) {
  if (volume == volume_) return;
  volume_ = volume;
  if (open_) Mix_VolumeMusic(MusicMixerVolume(MusicPlayerVolume(volume)));
}

int32_t MusicPlayer::Playing() const {
  if (!open_) return 0;
  if (schedule_.Looping()) return 1;
  if (music_ == nullptr || Mix_PlayingMusic() == 0) return 0;
  // Before the end position, where the decoder tells both.
  const double position = Mix_GetMusicPosition(music_.get());
  const double end = Mix_MusicDuration(music_.get());
  return position < 0 || end <= 0 || position < end ? 1 : 0;
}

void MusicPlayer::CheckRestart() {
  const double now = Clock();
  if (!schedule_.Due(now)) return;
  schedule_.Restarted(now, PieceMs());
  PlayFromStart();
}

// The commands act on the music player while start-up's sound device record
// exists, and do nothing before or after.
void CheckMusicRestart() {
  if (IsRegistered<MusicPlayer>()) Music().CheckRestart();
}

void PlayMusic(const RuntimeString& name, double loop) {
  if (IsRegistered<MusicPlayer>()) Music().Play(name.c_str(), loop != 0);
}

int32_t StopMusic() {
  if (IsRegistered<MusicPlayer>()) Music().Stop();
  return 0;
}

void RestartMusic() {
  if (IsRegistered<MusicPlayer>()) Music().Restart();
}

void MusicVolume(double volume) {
  if (IsRegistered<MusicPlayer>()) Music().SetVolume(volume);
}

int32_t MusicPlaying() { return IsRegistered<MusicPlayer>() ? Music().Playing() : 0; }

}  // namespace vdr
