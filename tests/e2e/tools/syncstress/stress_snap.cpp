#include "stress_snap.h"

#include <string>

namespace wordsnap::stress {

WordsnapRecord StressSnap(int worker, int number) {
  WordsnapRecord record;
  std::string name = std::to_string(number);
  name = "W" + std::to_string(worker) + "N" + std::string(name.size() < 4 ? 4 - name.size() : 0, '0') + name;
  record.Name = name;
  record.Active = 1;

  const std::size_t length = 50 + static_cast<std::size_t>(worker * 7919 + number * 104729) % 2950;
  const std::string piece = "worker " + std::to_string(worker) + " snap " + std::to_string(number) + " ";
  std::string text;
  while (text.size() < length) text += piece;
  text.resize(length);
  record.ReplacementText = text;

  record.ViaClipboard = static_cast<std::uint8_t>(number % 2);
  record.CaseRule = static_cast<std::int16_t>(1 + number % 3);
  record.KeyDelay = static_cast<std::uint16_t>((worker * 100 + number) % 10001);
  return record;
}

}  // namespace wordsnap::stress
