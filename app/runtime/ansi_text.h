// Conversions between the ANSI code page (GBK for the installer) and UTF-16.
#pragma once
#include <string>

namespace runtime {

std::wstring WidenAnsi(const std::string& text);
std::string NarrowAnsi(const std::wstring& text);

}  // namespace runtime
