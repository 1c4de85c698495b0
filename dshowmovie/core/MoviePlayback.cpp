#include "MoviePlayback.h"

namespace dshowmovie {

MoviePlayback::~MoviePlayback() { releaseGraphInterfaces(); }

void MoviePlayback::releaseGraphInterfaces() {
  if (mediaEvent != nullptr) {
    mediaEvent->release();
    mediaEvent = nullptr;
  }
  if (mediaPosition != nullptr) {
    mediaPosition->release();
    mediaPosition = nullptr;
  }
  if (mediaControl != nullptr) {
    mediaControl->stop();
    mediaControl->release();
    mediaControl = nullptr;
  }
}

void MoviePlayback::checkMovieStatus() {
  if (endOfMovie || mediaEvent == nullptr) return;
  std::int32_t code = 0;
  std::intptr_t param1 = 0;
  std::intptr_t param2 = 0;
  // An empty queue fails the call and leaves the code at 0.
  mediaEvent->getEvent(&code, &param1, &param2, kPollTimeoutMs);
  // An aborted playback never completes: it ends the movie too, so that a
  // host polling for the end is not kept waiting for ever.
  if (code == kEventComplete || code == kEventUserAbort || code == kEventErrorAbort ||
      code == kEventErrorAbortEx) {
    endOfMovie = true;
  }
  mediaEvent->freeEventParams(code, param1, param2);
}

void MoviePlayback::pause(bool paused) {
  if (mediaControl == nullptr) return;
  if (paused) {
    mediaControl->pause();
  } else {
    mediaControl->run();
  }
}

bool MoviePlayback::isPaused() const {
  if (mediaControl == nullptr) return false;
  std::int32_t state = kStateStopped;
  if (!IsSuccess(mediaControl->getState(kPollTimeoutMs, &state))) return false;
  return state != kStateRunning;
}

}  // namespace dshowmovie
