// Number texts in the forms the captions use.
#include "engine/text.h"

namespace pg {

std::string NumText(int value) { return value >= 0 ? " " + std::to_string(value) : std::to_string(value); }

std::string Digits(int value) { return std::to_string(value); }

}  // namespace pg
