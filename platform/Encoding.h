// The program's two kinds of text. Paths and messages are UTF-8, so that any user's folder fits, and
// become UTF-16 at the system's wide calls. The configuration file's own text (names, values) is in
// the ANSI code page, byte for byte as the system's narrow profile functions give it.
#pragma once

#include <string>

namespace platform {

std::wstring wide(const std::string& utf8);
std::string utf8(const std::wstring& text);
std::string utf8(const wchar_t* text);

// The ANSI code page (CP_ACP), as the system's narrow functions convert.
std::wstring wideFromAnsi(const std::string& ansi);
std::string ansiFromWide(const std::wstring& text);

// A file's text quoted in a message.
std::string utf8FromAnsi(const std::string& ansi);
// A message's text shown by a narrow window; what the code page can't hold becomes its nearest.
std::string ansiFromUtf8(const std::string& utf8);

}  // namespace platform
