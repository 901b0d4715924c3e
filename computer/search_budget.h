// How long a search may think: a count of iterations, so the same position, seed and budget always
// give the same move, and a clock cap that only a much slower machine than ours would reach.
#pragma once

#include <chrono>

namespace pg::computer {

struct SearchBudget {
  int iterations = 0;
  std::chrono::milliseconds cap{1000};
};

}  // namespace pg::computer
