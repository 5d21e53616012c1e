// The process's one set of real services, and the system's error texts.
#include "app/runtime/win32_services.h"

namespace runtime {

RuntimeServices& Win32Runtime() {
  static Win32Services services;
  return services;
}

std::string DescribeError(DWORD error) {
  char text[1024];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                error, 0, text, sizeof text, nullptr);
  if (length == 0) return "错误代码 " + std::to_string(error);
  // System texts end with a period and CR LF; the caller puts them mid-message.
  while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' ||
                        text[length - 1] == ' ' || text[length - 1] == '.')) {
    --length;
  }
  return {text, length};
}

}  // namespace runtime
