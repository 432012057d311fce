#include "support/sjis.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace pavonet::testing {

#ifdef _WIN32

std::string Sjis(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  std::wstring wide(utf8.size(), L'\0');
  const int wideLength =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), size);
  if (wideLength == 0) throw std::runtime_error("not UTF-8");
  std::string result(utf8.size() * 2, '\0');
  BOOL lossy = FALSE;
  const int length = WideCharToMultiByte(932, 0, wide.data(), wideLength, result.data(),
                                         static_cast<int>(result.size()), nullptr, &lossy);
  if (length == 0 || lossy) throw std::runtime_error("not expressible in code page 932");
  result.resize(static_cast<std::size_t>(length));
  return result;
}

#else

std::string Sjis(std::string_view utf8) {
  const iconv_t converter = iconv_open("CP932", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP932 converter");
  std::string in(utf8);
  std::string result(utf8.size() * 2 + 1, '\0');
  char* inPtr = in.data();
  std::size_t inLeft = in.size();
  char* outPtr = result.data();
  std::size_t outLeft = result.size();
  const std::size_t converted = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(converter);
  if (converted == static_cast<std::size_t>(-1))
    throw std::runtime_error("not expressible in CP932");
  result.resize(result.size() - outLeft);
  return result;
}

#endif

}  // namespace pavonet::testing
