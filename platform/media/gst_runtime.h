#pragma once

namespace plat::media {

// Initialises GStreamer once for the process (safe to call from anywhere, any number of times).
void ensureGStreamer();

// True when sound must not reach a sound card: the SDL audio driver is a silent one
// (SDL_AUDIODRIVER=dummy or disk), as in tests and headless runs.
bool silentAudioWanted();

} // namespace plat::media
