// The compressed movie families that games ship, written by ffmpeg
// (testbench/movies/make-test-movies.sh), played through the DLL as a game
// plays them and, for the colours, through the platform's own Sample Grabber
// road for the same file: the system's decoders decide the colours, the
// library must only keep them, upright.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "LibraryTestSupport.h"
#include "PlatformCaptureGraph.h"

namespace librarytest {
namespace {

// Every codec movie is 64 x 48: the top half (192, 48, 48), the bottom half
// (48, 48, 192), and a white 8 x 8 box in rows 20 to 27 moving right at 40
// pixels a second from x = 0. Each movie lasts one second.
constexpr unsigned kWidth = 64;
constexpr unsigned kHeight = 48;
constexpr int kTop[3] = {192, 48, 48};     // red, green, blue
constexpr int kBottom[3] = {48, 48, 192};

struct CodecMovie {
  const char* file;
  int frames;       // one second of them
  float fps;        // as probed: the rate of the file's last stream
  float duration;   // likewise; below 0 when the platform's estimate is not checked
  bool hasSound;
  // Whether this platform hands every picture of the file to a renderer;
  // where it does not, the library must still announce every picture the
  // platform's own road gets.
  bool everyPicture;
};

std::ostream& operator<<(std::ostream& out, const CodecMovie& movie) { return out << movie.file; }

// Mean colours of the top and bottom quarter, away from the seam and the box.
struct Bands {
  std::array<double, 3> top{};
  std::array<double, 3> bottom{};
};

template <typename PixelOf>
Bands MeasureBands(const PixelOf& pixelOf) {
  Bands bands;
  const unsigned rows = kHeight / 4;
  for (unsigned y = 0; y < rows; ++y) {
    for (unsigned x = 0; x < kWidth; ++x) {
      const Rgb top = pixelOf(x, y);
      const Rgb bottom = pixelOf(x, kHeight - 1 - y);
      bands.top[0] += top.red, bands.top[1] += top.green, bands.top[2] += top.blue;
      bands.bottom[0] += bottom.red, bands.bottom[1] += bottom.green, bands.bottom[2] += bottom.blue;
    }
  }
  for (double* mean : {bands.top.data(), bands.bottom.data()}) {
    for (int c = 0; c < 3; ++c) mean[c] /= rows * kWidth;
  }
  return bands;
}

double LastBoxLeft(int frames) { return 40.0 * (frames - 1) / frames; }

// Where the box stands: the mean column of the bright pixels of row 23, minus
// half the box; -1 when there are none.
template <typename PixelOf>
double BoxLeft(const PixelOf& pixelOf) {
  double sum = 0;
  int count = 0;
  for (unsigned x = 0; x < kWidth; ++x) {
    const Rgb p = pixelOf(x, 23);
    if (p.red > 160 && p.green > 160 && p.blue > 160) sum += x, ++count;
  }
  return count == 0 ? -1.0 : sum / count - 3.5;
}

// The platform's road: keeps the last 24-bit picture (bottom-up rows, each
// padded to 4 bytes) and counts them; read once the graph has stopped. COM
// interfaces have no virtual destructor; the object is never deleted through
// one.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class LastPicture final : public ISampleGrabberCB {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (ppv == nullptr) return E_POINTER;
    *ppv = (riid == IID_IUnknown || riid == IID_ISampleGrabberCB) ? this : nullptr;
    return *ppv != nullptr ? S_OK : E_NOINTERFACE;
  }
  // Lives on the test's stack, longer than the graph.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE SampleCB(double, IMediaSample* sample) override {
    BYTE* bytes = nullptr;
    if (FAILED(sample->GetPointer(&bytes))) return S_OK;
    picture.assign(bytes, bytes + sample->GetActualDataLength());
    ++pictures;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE BufferCB(double, BYTE*, long) override { return E_NOTIMPL; }

  Rgb PixelAt(unsigned x, unsigned y) const {
    const std::size_t pitch = (kWidth * 3 + 3) & ~3u;
    const std::uint8_t* p = picture.data() + (kHeight - 1 - y) * pitch + x * 3;
    return Rgb{p[2], p[1], p[0]};
  }

  std::vector<std::uint8_t> picture;
  int pictures = 0;
};
#pragma GCC diagnostic pop

class LibraryCodecTest : public LibraryTest, public testing::WithParamInterface<CodecMovie> {};

// One game's play of a movie: once per turn a copy of each new picture, then
// the flag cleared, until the end.
struct GamePlay {
  bool ended = false;
  int announced = 0;
  std::vector<std::uint8_t> last;
};

GamePlay PlayAsAGame(BrelIDirectShowMovieImpl* m) {
  GamePlay play;
  play.last.resize(std::size_t{m->width()} * m->height() * (m->format() == MPF_A8R8G8B8 ? 4 : 2));
  play.ended = PollUntil([m] { return m->reachedEndOfMovie(); }, 15.0, [m, &play] {
    m->checkMovieStatus();
    if (!m->hadAnUpdate()) return;
    {
      BrelDirectShowMovieLock lock(m);
      std::memcpy(play.last.data(), lock.pBuffer(), play.last.size());
    }
    m->resetUpdateFlag();
    ++play.announced;
  });
  return play;
}

TEST_P(LibraryCodecTest, PlaysUprightWithThePlatformsColours) {
  const CodecMovie& c = GetParam();
  const std::string path = MoviePath(c.file);

  BrelIDirectShowMovieImpl::Info info = {};
  ASSERT_TRUE(BrelIDirectShowMovieImpl::getMovieInfo(path.c_str(), &info));
  EXPECT_EQ(info.width, static_cast<int>(kWidth));
  EXPECT_EQ(info.height, static_cast<int>(kHeight));
  EXPECT_NEAR(info.fps, c.fps, 0.01f);
  if (c.duration >= 0) {
    EXPECT_NEAR(info.duration, c.duration, 0.05f);
  }
  EXPECT_EQ(info.hasSound, c.hasSound);

  // The platform's own road, played in time as the library's is (without a
  // clock, Wine's MPEG-1 splitter delivers no picture at all).
  LastPicture platform;
  {
    PlatformCaptureGraph capture;
    ASSERT_TRUE(BuildPlatformCaptureGraph(Wide(path), &platform, &capture));
    common::ComPtr<IMediaEvent> events;
    ASSERT_EQ(capture.graph.As(IID_IMediaEvent, events), S_OK);
    ASSERT_TRUE(SUCCEEDED(capture.control->Run()));
    long code = 0;
    EXPECT_EQ(events->WaitForCompletion(15000, &code), S_OK);
    capture.control->Stop();
  }
  ASSERT_EQ(platform.picture.size(), ((kWidth * 3 + 3) & ~3u) * kHeight);
  const auto platformPixel = [&platform](unsigned x, unsigned y) { return platform.PixelAt(x, y); };
  const double platformBox = BoxLeft(platformPixel);
  if (c.everyPicture) {
    EXPECT_EQ(platform.pictures, c.frames);
    EXPECT_NEAR(platformBox, LastBoxLeft(c.frames), 1.5) << "the platform's last picture";
  }

  struct Layout {
    MoviePixelFormat format;
    int mask[3];  // the bits of red, green and blue that the layout keeps
  };
  for (const Layout& layout : {Layout{MPF_A8R8G8B8, {0xFF, 0xFF, 0xFF}}, Layout{MPF_R5G6B5, {0xF8, 0xFC, 0xF8}}}) {
    MovieOwner movie(BrelDirectShowInterface::createDirectShowMovie(path.c_str(), layout.format));
    ASSERT_NE(movie.get(), nullptr) << "layout " << layout.format;
    EXPECT_EQ(movie.get()->width(), kWidth);
    EXPECT_EQ(movie.get()->height(), kHeight);
    EXPECT_EQ(movie.get()->hasSound(), c.hasSound);
    const GamePlay play = PlayAsAGame(movie.get());
    const std::string counts = std::to_string(play.announced) + " of " + std::to_string(c.frames) +
                               " pictures announced, " + std::to_string(platform.pictures) +
                               " on the platform's road";
    std::printf("%s, layout %d: %s\n", c.file, layout.format, counts.c_str());
    SCOPED_TRACE(counts);
    EXPECT_TRUE(play.ended) << "the end was not reached";
    EXPECT_EQ(play.announced, platform.pictures);
    EXPECT_GE(play.announced, 2);

    const auto pixel = [&](unsigned x, unsigned y) {
      return librarytest::PixelAt(play.last.data(), layout.format, kWidth, x, y);
    };
    // The platform's last picture, upright: the box where it has it, the top
    // band red and the bottom band blue.
    EXPECT_NEAR(BoxLeft(pixel), platformBox, 1.5);
    const Bands seen = MeasureBands(pixel);
    for (int ch = 0; ch < 3; ++ch) {
      EXPECT_NEAR(seen.top[ch], kTop[ch], 40) << "top band, channel " << ch;
      EXPECT_NEAR(seen.bottom[ch], kBottom[ch], 40) << "bottom band, channel " << ch;
    }
    // The same colours as the platform's road gives, cut to the layout's bits.
    const Bands cut = MeasureBands([&](unsigned x, unsigned y) {
      const Rgb q = platform.PixelAt(x, y);
      return Rgb{q.red & layout.mask[0], q.green & layout.mask[1], q.blue & layout.mask[2]};
    });
    for (int ch = 0; ch < 3; ++ch) {
      EXPECT_NEAR(seen.top[ch], cut.top[ch], 2.0) << "top band, channel " << ch;
      EXPECT_NEAR(seen.bottom[ch], cut.bottom[ch], 2.0) << "bottom band, channel " << ch;
    }
  }
}

// Cinepak carries the sound: the probe's length and rate are the sound's.
INSTANTIATE_TEST_SUITE_P(
    Families, LibraryCodecTest,
    testing::Values(CodecMovie{"codec_cinepak_pcm.avi", 15, 0.0f, 1.0f, true, true},
                    CodecMovie{"codec_msvideo1.avi", 15, 15.0f, 1.0f, false, true},
                    CodecMovie{"codec_mjpeg.avi", 15, 15.0f, 1.0f, false, true},
                    CodecMovie{"codec_xvid.avi", 15, 15.0f, 1.0f, false, true},
                    CodecMovie{"codec_mpeg1.mpg", 25, 25.0f, -1.0f, false, false}),
    [](const testing::TestParamInfo<CodecMovie>& param) {
      std::string name = param.param.file;
      name = name.substr(6, name.find('.') - 6);
      return name;
    });

using LibraryCodecRefusalTest = LibraryTest;

TEST_F(LibraryCodecRefusalTest, MovieNoDecoderTakesIsRefused) {
  const std::string path = MoviePath("codec_undecodable.avi");
  // The file is there: the same 24-bit frames under their usual code play
  // (the dib*.avi movies); only a decoder for this code is missing.
  ASSERT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(BrelDirectShowInterface::createDirectShowMovie(path.c_str(), MPF_A8R8G8B8), nullptr);
}

}  // namespace
}  // namespace librarytest
