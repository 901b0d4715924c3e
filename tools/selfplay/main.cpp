// petalgame32-selfplay: plays whole matches headless and writes the log as JSON lines to stdout.
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "tools/selfplay/arguments.h"
#include "tools/selfplay/self_play.h"

int main(int argc, char** argv) {
  using namespace pg::selfplay;
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const auto parsed = ParseArguments(args);
  if (const auto* error = std::get_if<std::string>(&parsed)) {
    std::cerr << "petalgame32-selfplay: " << *error << '\n' << kUsage;
    return 2;
  }
  std::ios::sync_with_stdio(false);
  try {
    SelfPlay play(std::get<SelfPlayOptions>(parsed), std::cout);
    play.Run();
  } catch (const std::exception& e) {
    std::cout.flush();
    std::cerr << "petalgame32-selfplay: " << e.what() << '\n';
    return 1;
  }
  std::cout.flush();
  return std::cout ? 0 : 1;
}
