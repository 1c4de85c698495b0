// tamsk_make: writes a generated tamsk movie (moving colour bars, a moving
// square with the frame number, a sine tone) to a file.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "MakeOptions.h"
#include "MovieReader.h"

int main(int argc, char** argv) {
  tamsk::MakeOptions options;
  std::string error;
  if (!tamsk::ParseMakeOptions(argc - 1, argv + 1, options, error)) {
    std::cerr << "tamsk_make: " << error << "\n" << tamsk::kMakeUsage;
    return 2;
  }
  if (options.help) {
    std::cout << tamsk::kMakeUsage;
    return 0;
  }
  const tamsk::MovieHeader header = tamsk::GeneratedHeader(options.movie);
  if (tamsk::CheckHeader(header) != tamsk::ReadResult::Ok) {
    std::cerr << "tamsk_make: the size, frame count, rate or sound format is outside the format's limits\n";
    return 2;
  }
  std::ofstream file(options.output, std::ios::binary | std::ios::trunc);
  if (!file) {
    std::cerr << "tamsk_make: cannot create " << options.output << "\n";
    return 1;
  }
  const bool made = tamsk::GenerateMovie(options.movie, [&file](const std::vector<std::uint8_t>& piece) {
    file.write(reinterpret_cast<const char*>(piece.data()), static_cast<std::streamsize>(piece.size()));
    return static_cast<bool>(file);
  });
  file.close();
  if (!made || !file) {
    std::cerr << "tamsk_make: the movie could not be made or written to " << options.output << "\n";
    std::remove(options.output.c_str());
    return 1;
  }
  return 0;
}
