#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Parsed {
  CommandAction action;
  std::string quest, mistake;
};

Parsed Parse(std::vector<const char*> args) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>("dunmarrow"));
  for (const char* a : args) argv.push_back(const_cast<char*>(a));
  CommandLine c = ParseCommandLine(static_cast<int>(argv.size()), argv.data());
  return {c.action, c.questFile ? c.questFile : "", c.mistake ? c.mistake : ""};
}

TEST(CommandLine, TableOfArguments) {
  using A = CommandAction;
  struct Case {
    std::vector<const char*> args;
    A action;
    const char* quest;
    const char* mistake;
  } cases[] = {
      {{}, A::kRun, "", ""},
      {{"keep.qst"}, A::kRun, "keep.qst", ""},
      {{""}, A::kRun, "", ""},
      {{"--help"}, A::kHelp, "", ""},
      {{"-h"}, A::kHelp, "", ""},
      {{"keep.qst", "--help"}, A::kHelp, "", ""},
      {{"--version"}, A::kVersion, "", ""},
      {{"-V"}, A::kVersion, "", ""},
      {{"--desktop-entry"}, A::kDesktopEntry, "", ""},
      {{"--mime-package"}, A::kMimePackage, "", ""},
      {{"--desktop"}, A::kMistake, "", "--desktop"},
      {{"--fullscreen"}, A::kMistake, "", "--fullscreen"},
      {{"-"}, A::kMistake, "", "-"},
      {{"-x", "--help"}, A::kMistake, "", "-x"},
      {{"a.qst", "b.qst"}, A::kMistake, "a.qst", "b.qst"},
      {{"--", "-odd.qst"}, A::kRun, "-odd.qst", ""},
      {{"--", "--help"}, A::kRun, "--help", ""},
  };
  for (const Case& c : cases) {
    Parsed p = Parse(c.args);
    std::string shown;
    for (const char* a : c.args) shown += std::string(a) + " ";
    EXPECT_EQ(p.action, c.action) << shown;
    if (c.action == A::kRun) {
      EXPECT_EQ(p.quest, c.quest) << shown;
    }
    EXPECT_EQ(p.mistake, c.mistake) << shown;
  }
}

TEST(CommandLine, AnswersAndExitCodes) {
  struct Case {
    std::vector<const char*> args;
    int code;
    const char* out;  // a piece of the standard output
    const char* err;  // a piece of the error output
  } cases[] = {
      {{"--help"}, 0, "Usage: dunmarrow [OPTION] [QUESTFILE]", ""},
      {{"--version"}, 0, "Dunmarrow v2.07F", ""},
      {{"--desktop-entry"}, 0, "\nIcon=dunmarrow\n", ""},
      {{"--desktop-entry"}, 0, "MimeType=application/x-dunmarrow-quest;", ""},
      {{"--mime-package"}, 0, "<glob pattern=\"*.qst\"/>", ""},
      {{"--bogus"}, 2, "", "not understood: '--bogus'"},
      {{"--bogus"}, 2, "", "Usage: dunmarrow"},
      {{"keep.qst"}, -1, "", ""},
  };
  for (const Case& c : cases) {
    std::vector<char*> argv{const_cast<char*>("dunmarrow")};
    for (const char* a : c.args) argv.push_back(const_cast<char*>(a));
    const char* quest = "unset";
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    int code = HandleCommandLine(static_cast<int>(argv.size()), argv.data(), &quest);
    std::string out = testing::internal::GetCapturedStdout();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(code, c.code) << c.args[0];
    EXPECT_NE(out.find(c.out), std::string::npos) << out;
    EXPECT_NE(err.find(c.err), std::string::npos) << err;
    if (code == -1)
      EXPECT_STREQ(quest, "keep.qst");
    else
      EXPECT_EQ(quest, nullptr);
  }
}

}  // namespace
