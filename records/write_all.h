// Writing a whole buffer to a file descriptor.
#pragma once

#include <string_view>

namespace pg {

// Writes all of `bytes` to `fd`, going on after an interrupted call; false with errno set when the
// system takes no more.
bool WriteAll(int fd, std::string_view bytes);

}  // namespace pg
