// Conversions at the GDI+ boundary: the engine's narrow texts (ANSI code
// page, GBK for the installer) to and from UTF-16, and GUIDs to and from their
// braced text form.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace gx {

// UTF-16 form of an ANSI-code-page text.
std::wstring TextToWide(std::string_view text);
// ANSI-code-page form of a UTF-16 text; characters the code page lacks become
// its replacement character ("?"). Uses the same code page as TextToWide so
// face names and file names round-trip on every system.
std::string WideToText(std::wstring_view wide);
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper-case hexadecimal.
std::string GuidToText(const GUID& guid);
// The GUID a braced text names; GUID_NULL when the text is not a GUID.
GUID TextToGuid(std::string_view text);

}  // namespace gx
