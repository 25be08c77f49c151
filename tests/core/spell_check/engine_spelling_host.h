#pragma once
// The spelling commands' host over the engine itself and an in-memory file store,
// and a scripted stand-in for the dialogs.

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "core/seam/spelling_host.h"
#include "core/spell/spell_engine.h"
#include "core/spell_check/spell_check_run.h"
#include "spell/spell_fixture.h"

namespace wordsnap {

class EngineSpellingHost final : public SpellingHost {
 public:
  std::int16_t OpenSession() override {
    const std::int16_t session = engine.OpenSession();
    if (session >= 0) ++openSessions;
    return session;
  }
  std::int16_t CloseSession(std::int16_t session) override {
    const std::int16_t result = engine.CloseSession(session);
    if (result >= 0) --openSessions;
    return result;
  }
  std::int16_t OpenLex(std::int16_t s, const char* path, std::int32_t budget) override {
    opened.emplace_back(path);
    return engine.OpenLex(s, path, budget);
  }
  std::int16_t CreateLex(std::int16_t s, const char* path, std::int16_t kind, std::int16_t language) override {
    return engine.CreateLex(s, path, kind, language);
  }
  std::int16_t AddToLex(std::int16_t s, std::int16_t lex, const char* word, const char* companion) override {
    return engine.AddToLex(s, lex, word, companion);
  }
  std::int16_t CloseLex(std::int16_t s, std::int16_t lex) override { return engine.CloseLex(s, lex); }
  std::int16_t GetLexInfo(std::int16_t s, std::int16_t lex, std::int32_t* size, std::int16_t* format,
                          std::int16_t* kind, std::int16_t* language) override {
    return engine.GetLexInfo(s, lex, size, format, kind, language);
  }
  std::int32_t GetLex(std::int16_t s, std::int16_t lex, char* buffer, std::int32_t size) override {
    return engine.GetLex(s, lex, buffer, size);
  }
  std::int16_t OpenBlock(std::int16_t s, char* text, std::int32_t length, std::int32_t capacity,
                         std::int16_t copy) override {
    return engine.OpenBlock(s, text, length, capacity, copy);
  }
  std::int16_t CheckBlock(std::int16_t s, std::int16_t block, std::int32_t options, char* word, std::int16_t wordSize,
                          char* replacement, std::int16_t replacementSize) override {
    return engine.CheckBlock(s, block, options, word, wordSize, replacement, replacementSize);
  }
  std::int16_t Suggest(std::int16_t s, const char* word, std::int16_t depth, char* buffer, std::int32_t size,
                       std::int16_t* scores, std::int16_t scoreCount) override {
    return engine.Suggest(s, word, depth, buffer, size, scores, scoreCount);
  }
  std::int16_t ReplaceBlockWord(std::int16_t s, std::int16_t block, const char* word) override {
    return engine.ReplaceBlockWord(s, block, word);
  }
  std::int16_t NextBlockWord(std::int16_t s, std::int16_t block) override { return engine.NextBlockWord(s, block); }
  bool FileExists(const std::string& path) override { return files.files.count(path) != 0; }
  bool RemoveFile(const std::string& path) override {
    if (files.readOnly) return false;
    files.files.erase(path);
    return true;
  }

  spell::MemorySpellFiles files;
  spell::SpellEngine engine{files};
  int openSessions = 0;
  std::vector<std::string> opened;  // every list path opened, in order
};

// Answers the suggestions dialog from a script and records what was shown.
class ScriptedSpellDialogs final : public SpellCheckDialogs {
 public:
  struct Asked {
    std::string word;
    std::vector<std::string> suggestions;
  };
  void ShowMessage(const std::string& text, const std::string& caption) override {
    messages.emplace_back(caption, text);
  }
  WordDecision AskAboutWord(const std::string& word, const std::vector<std::string>& suggestions) override {
    asked.push_back({word, suggestions});
    if (script.empty()) return {WordAction::Ignore, {}};
    WordDecision next = script.front();
    script.pop_front();
    return next;
  }

  std::deque<WordDecision> script;
  std::vector<Asked> asked;
  std::vector<std::pair<std::string, std::string>> messages;  // caption, text
};

}  // namespace wordsnap
