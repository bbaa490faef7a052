#pragma once

namespace plat::win {

// The requests from outside to end the program: SIGTERM (logout, shutdown), SIGINT (Ctrl+C in
// the terminal) and SIGHUP (the terminal gone). While an EndSignals lives, their handlers only
// note the signal and write a byte into a pipe that wakes a waiting loop; the window system takes
// the note on its next round and hands it to the program's end handler, so the program ends
// through its normal close. A program not ended by its close 10 s after the first signal (held up
// by anything at all) is ended then, with 128 + the signal as its status and a line on standard
// error. The previous handlers come back when it goes.
class EndSignals {
public:
    EndSignals();
    ~EndSignals();
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;
};

// The signal noted since the last call (the first of several), or 0; empties the wake pipe.
int takeEndSignal();
// The read end of the wake pipe while an EndSignals lives, else -1. It becomes readable when a
// signal arrives; only takeEndSignal empties it.
int endSignalWakeFd();

} // namespace plat::win
