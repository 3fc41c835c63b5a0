// vantrel-samplegame DIR: lays out the sample game in DIR.
#include <cstdio>
#include <exception>
#include <string_view>

#include "samplegame/sample_game.h"

namespace {

constexpr char kProgram[] = "vantrel-samplegame";

void Usage(std::FILE* to) {
  std::fprintf(to,
               "Usage: %s DIR\n"
               "Lays out a sample game in DIR: the game's archives, its folders Multi, 3dpatch and\n"
               "Shellpat, and the working folder DIR/Simpatch with model files, support folder and\n"
               "patch folders. DIR must be empty, missing, or laid out by an earlier run, which is\n"
               "then replaced.\n",
               kProgram);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    Usage(stdout);
    return 0;
  }
  if (argc != 2 || argv[1][0] == '\0' || argv[1][0] == '-') {
    Usage(stderr);
    return 2;
  }
  try {
    vantrel::samplegame::LaySampleGame(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", kProgram, e.what());
    return 1;
  }
  return 0;
}
