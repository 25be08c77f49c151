#pragma once
// The one way texts are compared when case is ignored: the text and the text
// looked for both go through the same fold, byte for byte, and are then compared
// exactly. The editor and the Wordsnap tree fold only the ASCII letters a to z;
// the main window's list search passes the system's fold.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace wordsnap {

// Maps a text to the form in which it is compared; must keep every byte's place.
using CaseFold = std::function<std::string(std::string_view)>;

// Upper-cases a to z and keeps every other byte, letters above 127 included.
std::string FoldAsciiCase(std::string_view text);

// Where `wanted` first occurs in `text` at or after `from`, or npos. An empty
// `wanted` is never found. Linear in the text's length, whatever the texts hold.
std::size_t FindIgnoringCase(std::string_view text, std::string_view wanted, std::size_t from, const CaseFold& fold);

bool ContainsIgnoringCase(std::string_view text, std::string_view wanted, const CaseFold& fold);

// Every occurrence, from the start, each search resuming right after the last
// occurrence found (occurrences never overlap).
std::vector<std::size_t> FindAllIgnoringCase(std::string_view text, std::string_view wanted, const CaseFold& fold);

}  // namespace wordsnap
