// The spelling library as the program loads it: ssce4332.dll from the test's
// folder with the word lists built beside it, every export found by its plain
// name and called through stdcall pointers of the contract's types.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace wordsnap::win_test {
namespace {

using OpenSessionFn = std::int16_t(__stdcall*)();
using CloseSessionFn = std::int16_t(__stdcall*)(std::int16_t);
using OpenLexFn = std::int16_t(__stdcall*)(std::int16_t, const char*, std::int32_t);
using CreateLexFn = std::int16_t(__stdcall*)(std::int16_t, const char*, std::int16_t, std::int16_t);
using AddToLexFn = std::int16_t(__stdcall*)(std::int16_t, std::int16_t, const char*, const char*);
using CloseLexFn = std::int16_t(__stdcall*)(std::int16_t, std::int16_t);
using GetLexInfoFn = std::int16_t(__stdcall*)(std::int16_t, std::int16_t, std::int32_t*, std::int16_t*, std::int16_t*,
                                              std::int16_t*);
using GetLexFn = std::int32_t(__stdcall*)(std::int16_t, std::int16_t, char*, std::int32_t);
using OpenBlockFn = std::int16_t(__stdcall*)(std::int16_t, char*, std::int32_t, std::int32_t, std::int16_t);
using CheckBlockFn = std::int16_t(__stdcall*)(std::int16_t, std::int16_t, std::int32_t, char*, std::int16_t, char*,
                                              std::int16_t);
using SuggestFn = std::int16_t(__stdcall*)(std::int16_t, const char*, std::int16_t, char*, std::int32_t, std::int16_t*,
                                           std::int16_t);
using ReplaceBlockWordFn = std::int16_t(__stdcall*)(std::int16_t, std::int16_t, const char*);
using NextBlockWordFn = std::int16_t(__stdcall*)(std::int16_t, std::int16_t);

std::string TestFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\'));
}

class SpellLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    library = LoadLibraryA((TestFolder() + "\\ssce4332.dll").c_str());
    ASSERT_NE(library, nullptr);
  }
  void TearDown() override {
    if (library != nullptr) FreeLibrary(library);
  }

  template <typename Fn>
  Fn Get(const char* name) {
    const FARPROC p = GetProcAddress(library, name);
    EXPECT_NE(p, nullptr) << name;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(p));
  }

  HMODULE library = nullptr;
};

TEST_F(SpellLibraryTest, ChecksAndCorrectsATextThroughTheExports) {
  const auto openSession = Get<OpenSessionFn>("SSCE_OpenSession");
  const auto closeSession = Get<CloseSessionFn>("SSCE_CloseSession");
  const auto openLex = Get<OpenLexFn>("SSCE_OpenLex");
  const auto openBlock = Get<OpenBlockFn>("SSCE_OpenBlock");
  const auto checkBlock = Get<CheckBlockFn>("SSCE_CheckBlock");
  const auto suggest = Get<SuggestFn>("SSCE_Suggest");
  const auto replace = Get<ReplaceBlockWordFn>("SSCE_ReplaceBlockWord");
  const auto next = Get<NextBlockWordFn>("SSCE_NextBlockWord");
  const auto closeLex = Get<CloseLexFn>("SSCE_CloseLex");

  const std::int16_t session = openSession();
  ASSERT_GT(session, 0);
  EXPECT_LT(openLex(session, (TestFolder() + "\\nosuch.tlx").c_str(), -1), 0);
  const std::int16_t main = openLex(session, (TestFolder() + "\\ssceam.tlx").c_str(), -1);
  const std::int16_t changes = openLex(session, (TestFolder() + "\\ssceam1.clx").c_str(), -1);
  ASSERT_GT(main, 0);
  ASSERT_GT(changes, 0);

  const std::string text = "Thier letter was recieved on <MM/DD/YY{NP007}>. Don't wory.";
  char buffer[200] = {};
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  const auto length = static_cast<std::int32_t>(text.size() + 1);
  const std::int16_t block = openBlock(session, buffer, length, length + 100, 0);
  ASSERT_GT(block, 0);
  char word[50];
  char other[50];

  ASSERT_EQ(checkBlock(session, block, 128, word, 50, other, 50), 2);  // a known misspelling: changed unasked
  EXPECT_STREQ(other, "Their");  // in the case of the word
  ASSERT_EQ(replace(session, block, other), 0);
  ASSERT_EQ(checkBlock(session, block, 128, word, 50, other, 50), 2);
  EXPECT_STREQ(other, "received");
  ASSERT_EQ(replace(session, block, other), 0);
  ASSERT_EQ(checkBlock(session, block, 128, word, 50, other, 50), 1);
  EXPECT_STREQ(word, "wory");
  char list[500];
  std::int16_t scores[30];
  ASSERT_GT(suggest(session, word, -1, list, 500, scores, 30), 0);
  EXPECT_STREQ(list, "worry");
  ASSERT_EQ(next(session, block), 0);
  EXPECT_EQ(checkBlock(session, block, 128, word, 50, other, 50), 64);
  EXPECT_STREQ(buffer, "Their letter was received on <MM/DD/YY{NP007}>. Don't wory.");

  EXPECT_EQ(closeLex(session, main), 0);
  EXPECT_EQ(closeSession(session), 0);
}

TEST_F(SpellLibraryTest, UserListIsCreatedFilledAndReadBack) {
  const auto openSession = Get<OpenSessionFn>("SSCE_OpenSession");
  const auto closeSession = Get<CloseSessionFn>("SSCE_CloseSession");
  const auto openLex = Get<OpenLexFn>("SSCE_OpenLex");
  const auto createLex = Get<CreateLexFn>("SSCE_CreateLex");
  const auto addToLex = Get<AddToLexFn>("SSCE_AddToLex");
  const auto closeLex = Get<CloseLexFn>("SSCE_CloseLex");
  const auto getLexInfo = Get<GetLexInfoFn>("SSCE_GetLexInfo");
  const auto getLex = Get<GetLexFn>("SSCE_GetLex");

  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "wordsnap-spell-test.tlx";
  DeleteFileA(path.c_str());

  std::int16_t session = openSession();
  const std::int16_t made = createLex(session, path.c_str(), 1, 2057);
  ASSERT_GT(made, 0);
  ASSERT_EQ(addToLex(session, made, "Wordsnap", ""), 0);
  ASSERT_EQ(addToLex(session, made, "zorp", ""), 0);
  ASSERT_EQ(closeLex(session, made), 0);
  ASSERT_EQ(closeSession(session), 0);

  session = openSession();
  const std::int16_t lex = openLex(session, path.c_str(), -1);
  ASSERT_GT(lex, 0);
  std::int32_t size = 0;
  std::int16_t format = 0, kind = 0, language = 0;
  ASSERT_EQ(getLexInfo(session, lex, &size, &format, &kind, &language), 0);
  ASSERT_EQ(size, 14);
  EXPECT_EQ(language, 2057);
  char words[14];
  EXPECT_EQ(getLex(session, lex, words, size), 14);
  EXPECT_EQ(std::string(words, 14), std::string("Wordsnap\0zorp\0", 14));
  closeSession(session);
  DeleteFileA(path.c_str());
}

}  // namespace
}  // namespace wordsnap::win_test
