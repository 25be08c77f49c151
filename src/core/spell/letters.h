#pragma once
// Letters of the single-byte Western code page the program's texts are in:
// A to Z, the accented letters from 0xC0 up (without the multiplication and
// division signs) and the few letters the code page keeps in 0x80..0x9F.

#include <string>
#include <string_view>

namespace wordsnap::spell {

bool IsLetter(unsigned char c);
bool IsUpperLetter(unsigned char c);
bool IsLowerLetter(unsigned char c);
char ToLowerLetter(char c);
char ToUpperLetter(char c);
std::string ToLowerLetters(std::string_view word);

// How a word is capitalised, as far as suggestions should copy it.
enum class CasePattern { Lower, Title, Upper, Mixed };
CasePattern CaseOf(std::string_view word);

// The word (written in the case the list gives it) in the case pattern of a
// typed word: a plain lower-case list word takes the typed word's pattern,
// a list word with capitals of its own keeps them unless the typed word was
// all capitals.
std::string InCaseOf(std::string_view listWord, CasePattern typed);

}  // namespace wordsnap::spell
