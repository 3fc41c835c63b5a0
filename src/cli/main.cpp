#include <iostream>

#include "cli/cli.h"
#include "platform/game_tree.h"

int main(int argc, char** argv) {
  vantrel::platform::ConfineWritesToGameTree(true);
  return vantrel::cli::Main(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
