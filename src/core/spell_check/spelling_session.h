#pragma once
// One session of the spelling library for one piece of work: always closed, and
// the lists opened through it closed first, in the order they were opened.

#include <cstdint>
#include <string>
#include <vector>

#include "core/seam/spelling_host.h"

namespace wordsnap {

class SpellingSession {
 public:
  explicit SpellingSession(SpellingHost& host) : host_(host), session_(host.OpenSession()) {}
  ~SpellingSession() {
    if (session_ < 0) return;
    for (std::int16_t lexicon : lexicons_) host_.CloseLex(session_, lexicon);
    host_.CloseSession(session_);
  }
  SpellingSession(const SpellingSession&) = delete;
  SpellingSession& operator=(const SpellingSession&) = delete;

  bool Open() const { return session_ >= 0; }
  std::int16_t Handle() const { return session_; }
  // Opens a list for reading, to be closed with the session; negative when it could not be opened.
  std::int16_t OpenList(const std::string& path) {
    const std::int16_t lexicon = host_.OpenLex(session_, path.c_str(), -1);
    if (lexicon >= 0) lexicons_.push_back(lexicon);
    return lexicon;
  }

 private:
  SpellingHost& host_;
  std::int16_t session_;
  std::vector<std::int16_t> lexicons_;
};

}  // namespace wordsnap
