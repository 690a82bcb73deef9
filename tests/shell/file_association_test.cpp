#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "shell/file_association.h"
#include "support/temp_folder.h"

namespace {

// Points HOME and XDG_DATA_HOME at a temporary folder for the test's duration.
class FileAssociationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Keep("HOME", &home_);
    Keep("XDG_DATA_HOME", &xdg_);
    setenv("HOME", dir_.File("home").c_str(), 1);
    setenv("XDG_DATA_HOME", dir_.File("data").c_str(), 1);
  }
  void TearDown() override {
    Restore("HOME", home_);
    Restore("XDG_DATA_HOME", xdg_);
  }
  struct Saved {
    bool set = false;
    std::string value;
  };
  static void Keep(const char* name, Saved* s) {
    const char* v = getenv(name);
    s->set = v != nullptr;
    s->value = v ? v : "";
  }
  static void Restore(const char* name, const Saved& s) {
    if (s.set)
      setenv(name, s.value.c_str(), 1);
    else
      unsetenv(name);
  }

  TempFolder dir_;
  Saved home_, xdg_;
};

TEST_F(FileAssociationTest, RegistersTheQuestFamilyInTheDataFolder) {
  ASSERT_TRUE(RegisterQuestFileType("/opt/games/dunmarrow", false));
  std::string mime = ReadText(dir_.File("data/mime/packages/dunmarrow.xml"));
  std::string desktop = ReadText(dir_.File("data/applications/dunmarrow.desktop"));

  EXPECT_NE(mime.find("<mime-type type=\"application/x-dunmarrow-quest\">"), std::string::npos);
  for (const char* ext : {"qst", "q02", "q09", "q10", "q20"})
    EXPECT_NE(mime.find(std::string("<glob pattern=\"*.") + ext + "\"/>"), std::string::npos)
        << ext;
  for (const char* ext : {"q01", "q21"})
    EXPECT_EQ(mime.find(std::string("*.") + ext), std::string::npos) << ext;

  EXPECT_EQ(desktop.rfind("[Desktop Entry]\n", 0), 0u);
  EXPECT_NE(desktop.find("\nExec=\"/opt/games/dunmarrow\" %f\n"), std::string::npos) << desktop;
  EXPECT_NE(desktop.find("\nMimeType=application/x-dunmarrow-quest;\n"), std::string::npos);
  EXPECT_NE(desktop.find("\nType=Application\n"), std::string::npos);
}

TEST_F(FileAssociationTest, ExecQuotesAwkwardPaths) {
  const struct {
    const char* path;
    const char* exec;
  } cases[] = {
      {"/home/a b/dunmarrow", "Exec=\"/home/a b/dunmarrow\" %f"},
      {"/x/$HOME/d", "Exec=\"/x/\\\\$HOME/d\" %f"},
      {"/x/\"q\"/d", "Exec=\"/x/\\\\\"q\\\\\"/d\" %f"},
      {"/x/back\\slash/d", "Exec=\"/x/back\\\\\\\\slash/d\" %f"},
      {"/x/100%/d", "Exec=\"/x/100%%/d\" %f"},
      {"/x/`cmd`/d", "Exec=\"/x/\\\\`cmd\\\\`/d\" %f"},
  };
  for (const auto& c : cases) {
    std::string d = QuestDesktopEntry(c.path);
    EXPECT_NE(d.find(std::string("\n") + c.exec + "\n"), std::string::npos) << c.path << "\n"
                                                                             << d;
  }
}

TEST_F(FileAssociationTest, PathThatCannotBeWrittenIntoAnEntryRegistersNothing) {
  EXPECT_FALSE(RegisterQuestFileType("/opt/odd\nname/dunmarrow", false));
  EXPECT_FALSE(FileExists(dir_.File("data/applications/dunmarrow.desktop")));
}

TEST_F(FileAssociationTest, WithoutXdgDataHomeTheHomeFolderIsUsed) {
  const char* unusable[] = {nullptr, "", "relative/share"};
  for (const char* xdg : unusable) {
    if (xdg)
      setenv("XDG_DATA_HOME", xdg, 1);
    else
      unsetenv("XDG_DATA_HOME");
    std::string folder;
    ASSERT_TRUE(UserDataFolder(&folder));
    EXPECT_EQ(folder, dir_.File("home") + "/.local/share") << (xdg ? xdg : "unset");
  }
  ASSERT_TRUE(RegisterQuestFileType("/g/dunmarrow", false));
  EXPECT_TRUE(FileExists(dir_.File("home/.local/share/applications/dunmarrow.desktop")));

  unsetenv("HOME");
  std::string folder;
  EXPECT_FALSE(UserDataFolder(&folder));
  EXPECT_FALSE(RegisterQuestFileType("/g/dunmarrow", false));
}

TEST_F(FileAssociationTest, UnwritableDataFolderIsAQuietFailure) {
  WriteText(dir_.File("data"), "a file where the folder should be");
  EXPECT_FALSE(RegisterQuestFileType("/g/dunmarrow", false));
}

}  // namespace
