// Playback benchmark: plays movies through Rushlight as a game does (poll,
// copy each new picture under the lock) and, in the same run, through the
// platform's own capture path (Sample Grabber + Null Renderer, a callback
// that copies each picture under a lock of its own), and prints per movie
// the frames delivered, the time to the first picture, the time per
// picture in the renderer and the lock hold time, with ratios.
//
//   dshowmovie_playback_bench [--runs N] [--poll-ms P] NAME=FILE...
//
// The movies come from make-dib-avi.py --numbered (see run-playback-bench.sh):
// each frame shows its number in eight black or white bars.
#include <windows.h>
#include <dshow.h>
#include <qedit.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "MovieStatistics.h"
#include "PlatformCaptureGraph.h"
#include "Rushlight.h"
#include "win32/ComApartment.h"
#include "win32/ComPtr.h"

namespace {

using common::ComPtr;
using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The frame number shown by one row of a numbered picture: the middle pixel
// of each of eight bars, green channel at byte offset `green` of a pixel of
// `bytesPerPixel` bytes.
int FrameNumber(const std::uint8_t* row, unsigned width, unsigned bytesPerPixel, unsigned green) {
  const unsigned bar = std::max(width / 8, 1u);
  int number = 0;
  for (unsigned i = 0; i < 8; ++i) {
    const unsigned x = std::min(i * bar + bar / 2, width - 1);
    number = number * 2 + (row[x * bytesPerPixel + green] >= 128 ? 1 : 0);
  }
  return number;
}

// What one play of a movie showed its host.
struct Play {
  bool ok = false;
  std::vector<bool> seen;  // by frame number
  double createdMs = 0;    // creation started -> creation returned
  double firstMs = -1;     // creation started -> first picture copied
  int firstFrame = -1;
  double endMs = 0;            // creation started -> end of the movie seen
  double renderMsPerPicture = 0;  // in the renderer (ours) or the callback (baseline)
  double lockMsPerPicture = 0;    // the streaming side's lock hold
  double lockMsMax = 0;
  MovieStatistics stats = {};  // ours only
  int delivered() const { return static_cast<int>(std::count(seen.begin(), seen.end(), true)); }
};

// The host's loop over a picture source, once per game frame (pollMs) in
// the documented order: take the status, copy a new picture if there is one
// (clearing the flag) and read its number, then stop at the end.
template <typename Poll, typename Copy>
void HostLoop(Play& play, Clock::time_point start, DWORD pollMs, Poll&& ended, Copy&& copyIfNew) {
  const double limitMs = 60000;
  for (;;) {
    const bool end = ended();
    const int frame = copyIfNew();
    if (frame >= 0) {
      if (play.firstFrame < 0) {
        play.firstMs = MsSince(start);
        play.firstFrame = frame;
      }
      if (frame < static_cast<int>(play.seen.size())) play.seen[frame] = true;
    }
    if (end || MsSince(start) >= limitMs) break;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(pollMs);
  }
  play.endMs = MsSince(start);
}

Play PlayOurs(const std::string& file, int frames, DWORD pollMs) {
  Play play;
  play.seen.assign(frames, false);
  const Clock::time_point start = Clock::now();
  BrelIDirectShowMovieImpl* movie =
      BrelDirectShowInterface::createDirectShowMovie(file.c_str(), MPF_A8R8G8B8);
  if (movie == nullptr) return play;
  play.createdMs = MsSince(start);
  const unsigned width = movie->width();
  std::vector<std::uint8_t> texture(static_cast<std::size_t>(width) * movie->height() * 4);
  HostLoop(
      play, start, pollMs,
      [movie] {
        movie->checkMovieStatus();
        return movie->reachedEndOfMovie();
      },
      [movie, &texture, width] {
        if (!movie->hadAnUpdate()) return -1;
        {
          BrelDirectShowMovieLock lock(movie);
          std::memcpy(texture.data(), lock.pBuffer(), texture.size());
        }
        movie->resetUpdateFlag();
        return FrameNumber(texture.data(), width, 4, 1);
      });
  // The library's view of the movie: a filter that answers IMovieStatistics.
  ComPtr<IMovieStatistics> statistics;
  if (SUCCEEDED(static_cast<IBaseFilter*>(movie)->QueryInterface(IID_IMovieStatistics,
                                                                 statistics.PutVoid()))) {
    statistics->GetMovieStatistics(&play.stats);
    statistics.Reset();
  }
  BrelDirectShowInterface::deleteDirectShowMovie(movie);
  const MovieStatistics& s = play.stats;
  if (s.drawn > 0) play.renderMsPerPicture = s.renderTime / 1e4 / s.drawn;
  if (s.written > 0) play.lockMsPerPicture = s.lockHoldNanoseconds / 1e6 / s.written;
  play.lockMsMax = s.lockHoldMaxNanoseconds / 1e6;
  play.ok = true;
  return play;
}

// The baseline's callback: copies each 24-bit picture into a buffer of its
// own under a lock and raises a flag, as the library does with its frame
// buffer; times itself.
BASECLASSES_COM_CLASS_BEGIN
class Grabbed final : public ISampleGrabberCB {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (ppv == nullptr) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_ISampleGrabberCB) {
      *ppv = static_cast<ISampleGrabberCB*>(this);
      return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  // Lives on the stack of the run, longer than the graph.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE SampleCB(double /*time*/, IMediaSample* sample) override {
    const Clock::time_point entered = Clock::now();
    BYTE* bytes = nullptr;
    if (FAILED(sample->GetPointer(&bytes))) return S_OK;
    const std::size_t length = static_cast<std::size_t>(std::max(sample->GetActualDataLength(), 0L));
    double held = 0;
    {
      std::lock_guard<std::mutex> hold(lock);
      const Clock::time_point taken = Clock::now();
      picture.assign(bytes, bytes + length);
      updated = true;
      held = MsSince(taken);
    }
    ++pictures;
    holdMs += held;
    holdMaxMs = std::max(holdMaxMs, held);
    callbackMs += MsSince(entered);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE BufferCB(double, BYTE*, long) override { return E_NOTIMPL; }

  std::mutex lock;
  std::vector<std::uint8_t> picture;  // lock
  bool updated = false;               // lock
  long pictures = 0;                  // streaming thread only until the graph stops
  double holdMs = 0;
  double holdMaxMs = 0;
  double callbackMs = 0;
};
BASECLASSES_COM_CLASS_END

Play PlayBaseline(const std::string& file, int frames, DWORD pollMs) {
  Play play;
  play.seen.assign(frames, false);
  Grabbed grabbed;
  const std::wstring name = librarytest::Wide(file);
  const Clock::time_point start = Clock::now();
  // The same probe as a movie's creation makes, so the first-picture times
  // compare like with like.
  {
    BrelIDirectShowMovieImpl::Info info = {};
    if (!BrelIDirectShowMovieImpl::getMovieInfo(file.c_str(), &info)) return play;
  }
  librarytest::PlatformCaptureGraph capture;
  AM_MEDIA_TYPE connected = {};
  if (!librarytest::BuildPlatformCaptureGraph(name, &grabbed, &capture) ||
      FAILED(capture.grabbing->GetConnectedMediaType(&connected))) {
    return play;
  }
  unsigned width = 0;
  unsigned height = 0;
  if (connected.formattype == FORMAT_VideoInfo && connected.cbFormat >= sizeof(VIDEOINFOHEADER)) {
    const BITMAPINFOHEADER& header =
        reinterpret_cast<const VIDEOINFOHEADER*>(connected.pbFormat)->bmiHeader;
    width = static_cast<unsigned>(header.biWidth);
    height = static_cast<unsigned>(std::abs(header.biHeight));
  }
  if (connected.cbFormat != 0) CoTaskMemFree(connected.pbFormat);
  if (connected.pUnk != nullptr) connected.pUnk->Release();
  ComPtr<IMediaEvent> events;
  if (width == 0 || FAILED(capture.graph.As(IID_IMediaEvent, events)) ||
      FAILED(capture.control->Run())) {
    return play;
  }
  play.createdMs = MsSince(start);
  std::vector<std::uint8_t> texture;
  bool ended = false;
  HostLoop(
      play, start, pollMs,
      [&] {
        long code = 0;
        LONG_PTR one = 0;
        LONG_PTR two = 0;
        if (SUCCEEDED(events->GetEvent(&code, &one, &two, 0))) {
          if (code == EC_COMPLETE) ended = true;
          events->FreeEventParams(code, one, two);
        }
        return ended;
      },
      [&] {
        {
          std::lock_guard<std::mutex> hold(grabbed.lock);
          if (!grabbed.updated) return -1;
          texture = grabbed.picture;
          grabbed.updated = false;
        }
        return texture.size() >= width * 3 ? FrameNumber(texture.data(), width, 3, 1) : -1;
      });
  capture.control->Stop();
  (void)height;
  if (grabbed.pictures > 0) {
    play.renderMsPerPicture = grabbed.callbackMs / grabbed.pictures;
    play.lockMsPerPicture = grabbed.holdMs / grabbed.pictures;
  }
  play.lockMsMax = grabbed.holdMaxMs;
  play.ok = true;
  return play;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 != 0 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

template <typename F>
double MedianOf(const std::vector<Play>& plays, F&& value) {
  std::vector<double> values;
  for (const Play& p : plays) {
    if (p.ok) values.push_back(value(p));
  }
  return Median(values);
}

struct Summary {
  double deliveredPercent;
  double deliveredFrames;
  int frame0Runs;
  double createdMs;
  double firstMs;
  double endMs;
  double renderMs;
  double lockMs;
  double lockMaxMs;
  int okRuns;
};

Summary Summarise(const std::vector<Play>& plays, int frames) {
  Summary s = {};
  s.deliveredFrames = MedianOf(plays, [](const Play& p) { return p.delivered(); });
  s.deliveredPercent = frames > 0 ? 100.0 * s.deliveredFrames / frames : 0;
  for (const Play& p : plays) {
    if (p.ok) ++s.okRuns;
    if (p.ok && !p.seen.empty() && p.seen[0]) ++s.frame0Runs;
  }
  s.createdMs = MedianOf(plays, [](const Play& p) { return p.createdMs; });
  s.firstMs = MedianOf(plays, [](const Play& p) { return p.firstMs; });
  s.endMs = MedianOf(plays, [](const Play& p) { return p.endMs; });
  s.renderMs = MedianOf(plays, [](const Play& p) { return p.renderMsPerPicture; });
  s.lockMs = MedianOf(plays, [](const Play& p) { return p.lockMsPerPicture; });
  s.lockMaxMs = MedianOf(plays, [](const Play& p) { return p.lockMsMax; });
  return s;
}

void PrintRow(const char* movie, const char* path, const Summary& s) {
  std::printf("%-14s %-9s %6.1f%% %6.1f %4d/%-4d %8.1f %8.1f %8.1f %9.3f %9.1f %9.1f\n", movie,
              path, s.deliveredPercent, s.deliveredFrames, s.frame0Runs, s.okRuns, s.createdMs,
              s.firstMs, s.endMs, s.renderMs, s.lockMs * 1000, s.lockMaxMs * 1000);
}

double Ratio(double ours, double base) { return base > 0 ? ours / base : 0; }

}  // namespace

int main(int argc, char** argv) {
  int runs = 5;
  DWORD pollMs = 4;
  std::vector<std::pair<std::string, std::string>> movies;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else if (arg == "--poll-ms" && i + 1 < argc) {
      pollMs = static_cast<DWORD>(std::max(1, std::atoi(argv[++i])));
    } else if (arg.find('=') != std::string::npos) {
      movies.emplace_back(arg.substr(0, arg.find('=')), arg.substr(arg.find('=') + 1));
    } else {
      std::fprintf(stderr, "usage: %s [--runs N] [--poll-ms P] NAME=FILE...\n", argv[0]);
      return 2;
    }
  }
  common::ComApartment apartment;
  if (FAILED(apartment.Result())) return 1;
  timeBeginPeriod(1);  // Sleep(pollMs) as a game's frame timer would
  std::printf("host polls every %lu ms; medians of %d runs; times in ms, lock hold in us\n",
              static_cast<unsigned long>(pollMs), runs);
  std::printf("%-14s %-9s %7s %6s %9s %8s %8s %8s %9s %9s %9s\n", "movie", "path", "deliv",
              "frames", "frame0", "created", "first", "end", "render/p", "lock us/p", "lockmax us");
  int failures = 0;
  for (const auto& [label, file] : movies) {
    BrelIDirectShowMovieImpl::Info info = {};
    if (!BrelIDirectShowMovieImpl::getMovieInfo(file.c_str(), &info)) {
      std::printf("%-14s cannot be probed: %s\n", label.c_str(), file.c_str());
      ++failures;
      continue;
    }
    const int frames = static_cast<int>(std::lround(info.duration * info.fps));
    std::vector<Play> ours;
    std::vector<Play> base;
    // Interleaved, so both paths see the same machine load.
    for (int r = 0; r < runs; ++r) {
      ours.push_back(PlayOurs(file, frames, pollMs));
      base.push_back(PlayBaseline(file, frames, pollMs));
    }
    const Summary o = Summarise(ours, frames);
    const Summary b = Summarise(base, frames);
    if (o.okRuns != runs || b.okRuns != runs) ++failures;
    PrintRow(label.c_str(), "ours", o);
    PrintRow("", "baseline", b);
    std::printf("%-14s %-9s %7.2f %6s %9s %8.2f %8.2f %8.2f %9.2f %9.2f %9.2f\n", "", "ratio",
                Ratio(o.deliveredPercent, b.deliveredPercent), "", "",
                Ratio(o.createdMs, b.createdMs), Ratio(o.firstMs, b.firstMs),
                Ratio(o.endMs, b.endMs), Ratio(o.renderMs, b.renderMs), Ratio(o.lockMs, b.lockMs),
                Ratio(o.lockMaxMs, b.lockMaxMs));
    // Where ours lost its pictures, run by run.
    for (const Play& p : ours) {
      const MovieStatistics& s = p.stats;
      std::printf("%-14s   run: seen %d/%d first=frame %d; received %ld drawn %ld dropped-late %ld"
                  " discarded %ld missing-upstream %ld; written %llu seen %llu replaced-unseen %llu"
                  " kept-for-first %llu; first lateness %.1f ms; writer lock: %llu takes, waited"
                  " %.3f ms in all (max %.3f ms), held %.1f us/picture (max %.1f us)\n",
                  "", p.delivered(), frames, p.firstFrame, s.received, s.drawn, s.droppedLate,
                  s.discarded, s.missing, static_cast<unsigned long long>(s.written),
                  static_cast<unsigned long long>(s.seen),
                  static_cast<unsigned long long>(s.replacedUnseen),
                  static_cast<unsigned long long>(s.keptForFirst),
                  s.firstLateness >= 0 ? s.firstLateness / 1e4 : -1.0,
                  static_cast<unsigned long long>(s.lockTakes), s.lockWaitNanoseconds / 1e6,
                  s.lockWaitMaxNanoseconds / 1e6,
                  s.written > 0 ? s.lockHoldNanoseconds / 1e3 / s.written : 0.0,
                  s.lockHoldMaxNanoseconds / 1e3);
    }
    std::fflush(stdout);
  }
  timeEndPeriod(1);
  return failures == 0 ? 0 : 1;
}
