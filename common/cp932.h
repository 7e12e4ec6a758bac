// Code page 932 (Japanese Shift-JIS as Windows has it) to and from UTF-8.
// Files keep code page 932 so that lists from older versions and other
// Japanese tools still read; everything in memory is UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zenka {

// Bytes that are not code page 932 (an unassigned code, a lead byte without
// its trail byte) become U+FFFD.
std::string Cp932ToUtf8(std::string_view bytes);

// Characters code page 932 lacks, and malformed UTF-8, become '?'.
std::string Utf8ToCp932(std::string_view utf8);

// The longest prefix of the text whose code page 932 form has at most
// maxBytes bytes; a character is never split.
std::string Cp932Prefix(std::string_view utf8, size_t maxBytes);

// Decodes one UTF-8 character at pos; sets length to the bytes it used.
// Malformed input yields U+FFFD with length 1.
char32_t DecodeUtf8(std::string_view utf8, size_t pos, size_t& length);
void AppendUtf8(std::string& out, char32_t cp);

}  // namespace zenka

namespace zenka {

// Whether the bytes are code page 932 throughout: no byte that starts a
// character without its second byte or with one that makes no character.
bool IsCp932Text(std::string_view bytes);

// Whether the bytes are well-formed UTF-8 throughout.
bool IsUtf8Text(std::string_view bytes);

// Whether code page 932 holds every character of the text, so that its
// code page 932 form reads back as the same text.
bool Cp932CanHold(std::string_view utf8);

}  // namespace zenka
