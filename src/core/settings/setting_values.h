#pragma once
// How single values are encoded in the settings file, and how much of each
// stored value is read back.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wordsnap {

// Read buffer sizes, counted with the terminating NUL: a stored value keeps at
// most (size - 1) characters when read.
inline constexpr std::size_t kCurrentFileReadBuffer = 250;  // keeps 249 characters
inline constexpr std::size_t kRecentFileReadBuffer = 255;   // keeps 254 characters
inline constexpr std::size_t kValueReadBuffer = 14;         // numbers and booleans: 13
inline constexpr std::size_t kFontValueReadBuffer = 149;    // font colour, name, size: 148

// The longest data-file path that can be the current file: the settings give back
// no more at the next start, and a cut path would name another file.
inline constexpr std::size_t kCurrentFileMaxLength = kCurrentFileReadBuffer - 1;

// What remains of a stored value read through a buffer of bufferSize bytes.
std::string CutToReadBuffer(std::string_view value, std::size_t bufferSize);

// True only for "YES" in any letter case.
bool ReadBoolValue(std::string_view text);
// "Yes" or "No".
std::string WriteBoolValue(bool value);

// An optionally signed decimal number, taken up to its first non-digit; 0 when
// no digit follows the sign. Values beyond the int32 range are clamped.
std::int32_t ReadIntegerValue(std::string_view text);
// Plain decimal, a minus sign where negative.
std::string WriteIntegerValue(std::int64_t value);

// A real number in plain or exponent form, taken up to the first character that
// does not belong to it; 0 when none is there or it is not finite.
double ReadRealValue(std::string_view text);
// Fixed point with exactly two decimals: 0 -> "0.00", 1.5 -> "1.50".
// A value that is not finite is written as "0.00".
std::string WriteDelaySecondsValue(double value);

// The case rule: the exact text "Yes" gives 2 (exact case), otherwise the
// number is taken and 0 (also any non-numeric text) gives 3 (no case rule).
std::int32_t ReadCaseSensativeValue(std::string_view text);

// Sync minutes are kept in 16 bits: numbers outside 0..65535 are clamped.
std::uint16_t ReadSyncMinutesValue(std::string_view text);

}  // namespace wordsnap
