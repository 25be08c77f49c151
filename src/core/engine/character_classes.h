#pragma once
// The classes of typed characters the keystroke monitor tells apart.

#include <string_view>

namespace wordsnap {

// The 21 characters besides letters and digits that names and prefix keys may hold.
inline constexpr std::string_view kNamePunctuation = "!@#$%^&_=<>?.;,*-'/\\+";

// Letters, digits and kNamePunctuation: what the typed buffer collects.
bool IsNameCharacter(char c);

// Whether `c` ends a word in suffix mode when punctuation counts as a suffix key.
// Among name characters these are . , ' ; ? ! - ; among the others only ":".
bool IsSuffixPunctuation(char c);

}  // namespace wordsnap
