// UTF-8 <-> CP932 through glibc's iconv, and cutting CP932 bytes between characters.
#include "records/cp932.h"

#include <iconv.h>

#include <cerrno>

namespace pg {

namespace {

// glibc's CP932 is the Windows code page: the NEC and IBM extensions included, 0x5C a backslash.
constexpr const char* kCp932 = "CP932";
constexpr const char* kUtf8 = "UTF-8";

// Opening a converter costs far more than converting a name, so each thread keeps one per direction.
class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~Converter() {
    if (Usable()) iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  std::optional<std::string> Convert(std::string_view in) {
    if (!Usable()) return std::nullopt;
    // Back to the initial state, whatever an earlier failed conversion left behind.
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    // iconv's interface takes a mutable pointer but never writes through the input.
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char buffer[256];
    while (inLeft > 0) {
      char* outPtr = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t result = iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft);
      out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
      // E2BIG only means the buffer is full; EILSEQ and EINVAL (a sequence cut off at the end) are bad input.
      if (result == static_cast<std::size_t>(-1) && errno != E2BIG) return std::nullopt;
    }
    return out;
  }

 private:
  bool Usable() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  iconv_t handle_;
};

bool IsLeadByte(char c) {
  const auto b = static_cast<unsigned char>(c);
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

}  // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  thread_local Converter converter(kCp932, kUtf8);
  return converter.Convert(utf8);
}

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
  thread_local Converter converter(kUtf8, kCp932);
  return converter.Convert(cp932);
}

bool FitsCp932(std::string_view utf8) { return Utf8ToCp932(utf8).has_value(); }

std::string_view CutCp932(std::string_view cp932, std::size_t width) {
  // Walk from the start: a trail byte can look like a lead byte or like ASCII (0x5C in "表"),
  // so only counting forward finds the boundaries.
  std::size_t end = 0;
  while (end < cp932.size()) {
    const std::size_t length = IsLeadByte(cp932[end]) ? 2 : 1;
    // A lead byte left dangling at the very end is no character and is dropped too.
    if (end + length > width || end + length > cp932.size()) break;
    end += length;
  }
  return cp932.substr(0, end);
}

std::string FixedCp932(std::string_view cp932, std::size_t width) {
  std::string field(CutCp932(cp932, width));
  field.resize(width, ' ');
  return field;
}

}  // namespace pg
