// PG_CHECK: the core's invariants, checked in debug and sanitize builds and compiled out otherwise.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace pg {

[[noreturn]] inline void CheckFailed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: invariant failed: %s\n", file, line, condition);
  std::abort();
}

}  // namespace pg

#if !defined(NDEBUG) || defined(PETALGAME_CHECKS)
#define PG_CHECK(condition) ((condition) ? static_cast<void>(0) : ::pg::CheckFailed(#condition, __FILE__, __LINE__))
#else
// Not evaluated, but the names in it still count as used.
#define PG_CHECK(condition) static_cast<void>(sizeof(!(condition)))
#endif
