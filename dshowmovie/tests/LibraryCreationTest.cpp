// Creation and deletion of movies through the DLL: refused files, the
// file-name length limit, deletion in every state.
#include <cstdio>
#include <string>

#include "LibraryTestSupport.h"

namespace librarytest {
namespace {

using LibraryCreationTest = LibraryTest;

BrelIDirectShowMovieImpl* Create(const std::string& name) {
  return BrelDirectShowInterface::createDirectShowMovie(name.c_str(), MPF_A8R8G8B8);
}

// The path of `name` in the movie folder, padded with ".\" steps to exactly
// `bytes` bytes; it still names the same file.
std::string PaddedPath(const char* name, std::size_t bytes) {
  const std::string plain = MoviePath(name);
  const std::size_t slash = plain.rfind('\\');
  std::string folder = plain.substr(0, slash);
  const std::string file = plain.substr(slash);
  if ((bytes - plain.size()) % 2 != 0) folder += '\\';  // a doubled separator is one too
  while (folder.size() + file.size() < bytes) folder += "\\.";
  return folder + file;
}

// True when the file can be opened with no sharing at all: then nothing
// else holds it open.
bool NobodyHolds(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

TEST_F(LibraryCreationTest, FilesThatCannotBePlayedGiveNull) {
  // A text file that is no movie.
  char folder[MAX_PATH];
  ASSERT_NE(GetTempPathA(MAX_PATH, folder), 0u);
  const std::string text = std::string(folder) + "rushlight-not-a-movie.avi";
  FILE* file = std::fopen(text.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fputs("This is not a movie, only some text in a file.\n", file);
  std::fclose(file);

  const std::string missing = MoviePath("no-such-movie.avi");
  const std::string soundOnly = MoviePath("snd.avi");
  for (const std::string& name : {missing, soundOnly, text, std::string()}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Create(name), nullptr);
  }
  EXPECT_EQ(BrelDirectShowInterface::createDirectShowMovie(nullptr, MPF_R5G6B5), nullptr);
  // A refused file is not left open either.
  EXPECT_TRUE(NobodyHolds(text));
  EXPECT_TRUE(NobodyHolds(soundOnly));
  DeleteFileA(text.c_str());
}

TEST_F(LibraryCreationTest, NamesUpTo259BytesAreTaken) {
  // The same movie, named with 259 bytes: played; with 260: refused, though
  // the probe alone (which has no limit of its own) still finds the file.
  const std::string fits = PaddedPath("rgb24.avi", 259);
  const std::string tooLong = PaddedPath("rgb24.avi", 260);
  ASSERT_EQ(fits.size(), 259u);
  ASSERT_EQ(tooLong.size(), 260u);

  MovieOwner movie(Create(fits));
  ASSERT_NE(movie.get(), nullptr);
  EXPECT_TRUE(WaitForPicture(movie.get()));

  BrelIDirectShowMovieImpl::Info info;
  EXPECT_TRUE(BrelIDirectShowMovieImpl::getMovieInfo(tooLong.c_str(), &info));
  EXPECT_EQ(Create(tooLong), nullptr);

  // A 259-byte name of a file that does not exist fails for that reason.
  std::string absent = PaddedPath("absent.avi", 259);
  ASSERT_EQ(absent.size(), 259u);
  EXPECT_EQ(Create(absent), nullptr);
}

TEST_F(LibraryCreationTest, DeletionNullsThePointerInEveryState) {
  BrelIDirectShowMovieImpl* none = nullptr;
  BrelDirectShowInterface::deleteDirectShowMovie(none);
  EXPECT_EQ(none, nullptr);

  const std::string name = MoviePath("rgb24.avi");
  // Just created, before any picture may have come.
  BrelIDirectShowMovieImpl* fresh = Create(name);
  ASSERT_NE(fresh, nullptr);
  BrelDirectShowInterface::deleteDirectShowMovie(fresh);
  EXPECT_EQ(fresh, nullptr);

  // Playing, with pictures.
  BrelIDirectShowMovieImpl* playing = Create(name);
  ASSERT_NE(playing, nullptr);
  ASSERT_TRUE(WaitForPicture(playing));
  BrelDirectShowInterface::deleteDirectShowMovie(playing);
  EXPECT_EQ(playing, nullptr);

  // Paused.
  BrelIDirectShowMovieImpl* paused = Create(name);
  ASSERT_NE(paused, nullptr);
  ASSERT_TRUE(WaitForPicture(paused));
  paused->pause(true);
  ASSERT_TRUE(PollUntil([paused] { return paused->isPaused(); }, 5.0));
  BrelDirectShowInterface::deleteDirectShowMovie(paused);
  EXPECT_EQ(paused, nullptr);

  // Ended.
  BrelIDirectShowMovieImpl* ended = Create(name);
  ASSERT_NE(ended, nullptr);
  ASSERT_TRUE(WaitForEnd(ended));
  BrelDirectShowInterface::deleteDirectShowMovie(ended);
  EXPECT_EQ(ended, nullptr);
}

TEST_F(LibraryCreationTest, DeletionAndProbingLetGoOfTheFile) {
  // A graph, source filter or detector left over keeps the file open.
  const std::string name = MoviePath("rgb24_snd.avi");
  ASSERT_TRUE(NobodyHolds(name));
  BrelIDirectShowMovieImpl::Info info;
  EXPECT_TRUE(BrelIDirectShowMovieImpl::getMovieInfo(name.c_str(), &info));
  EXPECT_TRUE(NobodyHolds(name));

  BrelIDirectShowMovieImpl* movie = Create(name);
  ASSERT_NE(movie, nullptr);
  EXPECT_TRUE(WaitForPicture(movie));
  EXPECT_FALSE(NobodyHolds(name));  // the check means something
  BrelDirectShowInterface::deleteDirectShowMovie(movie);
  EXPECT_TRUE(NobodyHolds(name));
}

TEST_F(LibraryCreationTest, ManyMoviesComeAndGo) {
  // Made and deleted in a row, each deleted at a different moment: a
  // reference left over or released twice shows as a crash or a hang here.
  Watchdog dog("movies coming and going", 120);
  for (int i = 0; i < 12; ++i) {
    dog.Step("creating movie " + std::to_string(i));
    BrelIDirectShowMovieImpl* movie = Create(MoviePath(i % 2 == 0 ? "rgb24.avi" : "i420.avi"));
    ASSERT_NE(movie, nullptr) << "round " << i;
    Sleep(static_cast<DWORD>(i * 20));
    movie->checkMovieStatus();
    dog.Step("deleting movie " + std::to_string(i));
    BrelDirectShowInterface::deleteDirectShowMovie(movie);
    EXPECT_EQ(movie, nullptr);
  }
}

TEST_F(LibraryCreationTest, InterfaceObjectsCanBeAssigned) {
  BrelDirectShowInterface a;
  BrelDirectShowInterface b;
  EXPECT_EQ(&(a = b), &a);
}

}  // namespace
}  // namespace librarytest
