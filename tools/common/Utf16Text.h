#pragma once
// The engine reads its text files as UTF-16 little-endian with a byte-order
// mark; our sources are UTF-8. These helpers do the conversion for every tool.
#include <string>
#include <string_view>

namespace datakit {

// Strict: a malformed UTF-8 sequence, an overlong form or an encoded surrogate
// is an error (reported in `error` with its byte offset), because a silently
// mangled script would only fail much later inside the game.
bool Utf8ToUtf16(std::string_view utf8, std::u16string* out, std::string* error);

// Writes the mark 0xFF 0xFE followed by the text as UTF-16LE. The file is
// written to a temporary name first and renamed, so an interrupted build never
// leaves a truncated file that looks up to date.
bool WriteUtf16File(const std::string& path, std::string_view utf8, std::string* error);

// Plain byte output with the same write-then-rename rule.
bool WriteBinaryFile(const std::string& path, std::string_view bytes, std::string* error);

bool ReadWholeFile(const std::string& path, std::string* out, std::string* error);

}  // namespace datakit
