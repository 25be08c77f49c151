#pragma once
// Takes typed values off the front of a fuzzer's input, so one input can choose
// both the bytes a reader sees and the operations run on them. Past the end, every
// value reads as zero or empty.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace wordsnap::fuzz {

// Stops the run on a broken promise, saying which, so the fuzzer keeps the input.
inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "fuzz: broken: %s\n", what);
  std::abort();
}

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool Empty() const { return at_ >= size_; }

  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }

  template <typename T>
  T Integer() {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) value |= static_cast<std::uint64_t>(Byte()) << (8 * i);
    return static_cast<T>(value);
  }

  // A string of at most maxLength bytes, its length taken from the input first.
  std::string Text(std::size_t maxLength) {
    const std::size_t length = Integer<std::uint16_t>() % (maxLength + 1);
    return Bytes(length);
  }

  std::string Bytes(std::size_t length) {
    const std::size_t taken = length < size_ - at_ ? length : size_ - at_;
    std::string text(reinterpret_cast<const char*>(data_ + at_), taken);
    at_ += taken;
    return text;
  }

  std::string Rest() { return Bytes(size_ - at_); }
  std::vector<std::uint8_t> RestBytes() {
    std::vector<std::uint8_t> rest(data_ + at_, data_ + size_);
    at_ = size_;
    return rest;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

}  // namespace wordsnap::fuzz
