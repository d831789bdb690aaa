#include <iostream>

#include "app/cli.h"

int main(int argc, char** argv) {
  return teebrook::runCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
