#pragma once
// When a looping piece of music starts over. The player is not asked to loop:
// the runtime notes on its clock (milliseconds) when the piece will end and
// restarts it from the frame cycle once that time has come.

namespace vdr {

// Pieces count as at least this long, so a broken looping piece is retried at
// most twice a second.
constexpr double kShortestPieceMs = 500;

class RestartSchedule {
 public:
  // A piece of `pieceMs` starts at `now`; only a looping piece gets a restart.
  void Start(double now, double pieceMs, bool loop) { restartTime_ = loop ? Next(now, pieceMs) : 0; }
  void Clear() { restartTime_ = 0; }

  bool Looping() const { return restartTime_ > 0; }
  bool Due(double now) const { return Looping() && now >= restartTime_; }
  // The piece starts over at `now`. The next restart is counted from the
  // moment of this one, so a check that comes late delays every later restart.
  void Restarted(double now, double pieceMs) { restartTime_ = Next(now, pieceMs); }

  // Clock time of the next restart; 0 when not looping.
  double RestartTime() const { return restartTime_; }

 private:
  static double Next(double now, double pieceMs) { return now + (pieceMs > kShortestPieceMs ? pieceMs : kShortestPieceMs); }

  double restartTime_ = 0;
};

}  // namespace vdr
