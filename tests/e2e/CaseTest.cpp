#include <gtest/gtest.h>

#include "Harness.h"

using namespace e2e;

namespace {

using Lines = std::vector<std::string>;

const char UpperQuestion[] = "ファイル名も大文字にしますか？";
const char LowerQuestion[] = "ファイル名も小文字にしますか？";

class Case : public ::testing::Test {
 protected:
  // Clicks a case button and answers its question.
  void Convert(const char* button, const std::function<void(const Box&)>& answer) {
    program.Click(button);
    Box question = WaitForBox(program.Pid());
    ASSERT_NE(question.window, nullptr);
    answer(question);
    ASSERT_TRUE(WaitFor([&]() { return !IsWindow(question.window); })) << "the question did not close";
    program.Sync();
  }
  static std::function<void(const Box&)> Key(UINT key) {
    return [key](const Box& box) { PressKey(box.window, key); };
  }
  void TickOption() { Send(program.Control("CBox1"), BM_CLICK); }

  TempFolder folder;
  Program program;
};

}  // namespace

TEST_F(Case, UpperWithYesRenamesTheFileAndItsFolderKeepsItsName) {
  folder.MakeFolder("Data");
  std::string report = folder.Make("Data\\Report.txt", "content");
  program.Drop({report});
  Convert("mojiAA", Key('Y'));
  EXPECT_EQ(program.Lines(), (Lines{"REPORT.TXT"}));
  EXPECT_EQ(ListedName(folder.Path() + "Data\\REPORT.TXT"), "REPORT.TXT");
  EXPECT_EQ(ListedName(folder.Path() + "Data"), "Data");
  EXPECT_EQ(ReadFile(folder.Path() + "Data\\REPORT.TXT"), "content");
}

TEST_F(Case, WithTheOptionTheShownFullPathIsConvertedWhole) {
  folder.MakeFolder("Data");
  std::string report = folder.Make("Data\\Report.txt");
  TickOption();
  program.Drop({report});
  Convert("mojiAA", Key('Y'));
  std::string upper = report;
  CharUpperBuffA(&upper[0], static_cast<DWORD>(upper.size()));
  EXPECT_EQ(program.Lines(), (Lines{upper}));
  EXPECT_EQ(ListedName(report), "REPORT.TXT");
  EXPECT_EQ(ListedName(folder.Path() + "Data"), "Data");
}

TEST_F(Case, TheShownListIsConvertedBeforeTheQuestionOpens) {
  std::string file = folder.Make("Mixed.Txt");
  program.Drop({file});
  program.Click("mojiA");
  Box question = WaitForBox(program.Pid());
  EXPECT_EQ(program.Lines(), (Lines{"mixed.txt"}));
  EXPECT_EQ(question.text, LowerQuestion);
  PressKey(question.window, 'N');
  WaitFor([&]() { return !IsWindow(question.window); });
}

// Only Yes renames; a box closed without an answer renames nothing.
TEST_F(Case, EachAnswerToTheQuestion) {
  struct Answer {
    const char* name;
    std::function<void(const Box&)> give;
    bool renames;
  };
  const Answer answers[] = {
      {"Y key", Key('Y'), true},
      {"Enter", Key(VK_RETURN), true},
      {"Yes clicked", [](const Box& box) { ClickButton(box, "はい(&Y)"); }, true},
      {"N key", Key('N'), false},
      {"Esc", Key(VK_ESCAPE), false},
      {"No clicked", [](const Box& box) { ClickButton(box, "いいえ(&N)"); }, false},
      {"close box", [](const Box& box) { PostMessageA(box.window, WM_CLOSE, 0, 0); }, false},
      {"system menu", [](const Box& box) { CloseBySystemMenu(box.window); }, false},
  };
  int n = 0;
  for (const Answer& answer : answers) {
    program.Click("NewBtn");
    std::string name = "answer" + std::to_string(n++) + ".txt";
    std::string file = folder.Make(name, "kept");
    program.Drop({file});
    Convert("mojiAA", answer.give);
    std::string upper = name;
    CharUpperBuffA(&upper[0], static_cast<DWORD>(upper.size()));
    EXPECT_EQ(program.Lines(), (Lines{upper})) << answer.name << ": the shown list is converted whatever the answer";
    EXPECT_EQ(ListedName(file), answer.renames ? upper : name) << answer.name;
    EXPECT_EQ(ReadFile(file), "kept") << answer.name;
  }
}

TEST_F(Case, AnEmptyListShowsOnlyThePlainBox) {
  for (const char* button : {"mojiAA", "mojiA"}) {
    program.Click(button);
    Box box = WaitForBox(program.Pid());
    EXPECT_EQ(box.caption, "Tamberlo") << button;
    EXPECT_EQ(box.text, "変換するファイル名がありません") << button;
    EXPECT_EQ(box.buttons, (Lines{"OK"})) << button;
    EXPECT_EQ(box.icon, nullptr) << button;
    PressKey(box.window, VK_RETURN);
    ASSERT_TRUE(WaitFor([&]() { return !IsWindow(box.window); }));
    program.Sync();
    EXPECT_TRUE(NoWindowOf(program.Pid(), "TMessageForm", 500)) << button << ": a question followed";
    EXPECT_EQ(program.Text(), "");
  }
}

TEST_F(Case, DoubleByteCharactersStayAndTheLettersAroundThemChange) {
  struct Name {
    const char* name;
    const char* upper;
  };
  // ヂ is 83 61: its second byte is "a". ソ and 表 end in 5C. ｱ is half-width.
  const Name names[] = {
      {"aヂb.txt", "AヂB.TXT"},
      {"xソy表z.txt", "XソY表Z.TXT"},
      {"ｱｲｳabc.txt", "ｱｲｳABC.TXT"},
      {"ａｂｃ.txt", "ＡＢＣ.TXT"},  // full-width letters follow the system's mapping
      {"abｃ", "ABＣ"},            // the name ends in a double-byte letter
      {"ab表", "AB表"},            // and in a second byte 5C
  };
  std::vector<std::string> paths;
  for (const Name& n : names) paths.push_back(folder.Make(n.name));
  program.Drop(paths);
  Convert("mojiAA", Key('Y'));
  Lines expected;
  for (const Name& n : names) expected.push_back(n.upper);
  EXPECT_EQ(program.Lines(), expected);
  for (const Name& n : names) EXPECT_EQ(ListedName(folder.Path() + n.upper), n.upper) << n.name;
}

TEST_F(Case, AFolderChangesCaseButItsContentsDoNot) {
  std::string sub = folder.MakeFolder("Sub");
  folder.Make("Sub\\Inner.txt");
  program.Drop({sub});
  Convert("mojiAA", Key('Y'));
  EXPECT_EQ(ListedName(folder.Path() + "Sub"), "SUB");
  EXPECT_EQ(ListedName(folder.Path() + "SUB\\Inner.txt"), "Inner.txt");
}

TEST_F(Case, TheSameItemDroppedTwiceIsConvertedInBothPlaces) {
  std::string file = folder.Make("Twice.txt");
  program.Drop({file, file});
  Convert("mojiAA", Key('Y'));
  EXPECT_EQ(program.Lines(), (Lines{"TWICE.TXT", "TWICE.TXT"}));
  EXPECT_EQ(ListedName(file), "TWICE.TXT");
}

TEST_F(Case, UpperThenLowerLeavesLowerCaseNames) {
  std::string a = folder.Make("Alpha.txt"), b = folder.MakeFolder("Beta");
  program.Drop({a, b});
  Convert("mojiAA", Key('Y'));
  Convert("mojiA", Key('Y'));
  EXPECT_EQ(program.Lines(), (Lines{"alpha.txt", "beta"}));
  EXPECT_EQ(ListedName(a), "alpha.txt");
  EXPECT_EQ(ListedName(b), "beta");
}

TEST_F(Case, ItemsGoneOrHeldOpenAreSkippedSilently) {
  std::string gone = folder.Make("gone.txt"), held = folder.Make("held.txt"), free = folder.Make("free.txt");
  program.Drop({gone, held, free});
  DeleteFileA(gone.c_str());
  HANDLE open = CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            0, nullptr);
  ASSERT_NE(open, INVALID_HANDLE_VALUE);
  Convert("mojiAA", Key('Y'));
  CloseHandle(open);
  EXPECT_TRUE(NoWindowOf(program.Pid(), "#32770", 300)) << "a failed rename is silent";
  EXPECT_EQ(ListedName(held), "held.txt") << "an item in use keeps its name";
  EXPECT_EQ(ListedName(free), "FREE.TXT") << "the pass goes on after a failure";
  EXPECT_FALSE(Exists(gone));
  EXPECT_EQ(program.Lines(), (Lines{"GONE.TXT", "HELD.TXT", "FREE.TXT"}));
}

TEST_F(Case, AnotherFileAlreadyHavingTheNewNameIsNeverTouched) {
  std::string mixed = folder.Make("Report.txt", "mine");
  // Beside it, written on the host, a different file whose name differs only in case.
  ASSERT_TRUE(RunUnix("printf other > '" + UnixPath(folder.Path()) + "/REPORT.TXT'"));
  program.Drop({mixed});
  Convert("mojiAA", Key('Y'));
  // An exact name is found before one that differs only in case.
  EXPECT_EQ(ReadFile(folder.Path() + "Report.txt"), "mine");
  EXPECT_EQ(ReadFile(folder.Path() + "REPORT.TXT"), "other");
  EXPECT_EQ(program.Lines(), (Lines{"REPORT.TXT"}));
}

TEST_F(Case, TwoNamesThatDifferOnlyInCaseAreBothLeftAlone) {
  std::string dropped = folder.Make("Report.txt", "mine");
  // Beside it, written on the host, another file of the same name in other case.
  std::string unixFolder = UnixPath(folder.Path());
  ASSERT_TRUE(RunUnix("printf other > '" + unixFolder + "/report.TXT'"));
  program.Drop({dropped});
  Convert("mojiAA", Key('Y'));
  EXPECT_TRUE(RunUnix("grep -qx mine '" + unixFolder + "/Report.txt' && grep -qx other '" + unixFolder +
                      "/report.TXT' && test $(ls -A '" + unixFolder + "' | wc -l) -eq 2"))
      << "each keeps its name and bytes, and no temporary name is left";
  EXPECT_EQ(program.Lines(), (Lines{"REPORT.TXT"}));
}

TEST_F(Case, ANameMadeBetweenTwoCommandsIsSeenByTheSecond) {
  std::string dropped = folder.Make("Report.txt", "mine");
  std::string unixFolder = UnixPath(folder.Path());
  program.Drop({dropped});
  Convert("mojiA", Key('Y'));
  ASSERT_EQ(ListedName(folder.Path() + "report.txt"), "report.txt");
  // What the first command read of the folder must not stand for it now.
  ASSERT_TRUE(RunUnix("printf other > '" + unixFolder + "/REPORT.TXT'"));
  Convert("mojiAA", Key('Y'));
  EXPECT_TRUE(RunUnix("grep -qx mine '" + unixFolder + "/report.txt' && grep -qx other '" + unixFolder +
                      "/REPORT.TXT' && test $(ls -A '" + unixFolder + "' | wc -l) -eq 2"))
      << "each keeps its name and bytes, and no temporary name is left";
}

TEST_F(Case, AfterAnInsertionFailureTheExtraEntryIsNeitherConvertedNorRenamed) {
  std::string fits = folder.Make("fits.txt"), extra = folder.Make("extra.txt");
  program.SetCapacity(10);  // "fits.txt" and its break, and no more
  program.Drop({fits, extra});
  HWND error = WaitForWindowOf(program.Pid(), "#32770");
  ASSERT_NE(error, nullptr);
  PressKey(error, VK_RETURN);
  WaitFor([&]() { return !IsWindow(error); });
  program.Sync();
  Convert("mojiAA", Key('Y'));
  EXPECT_EQ(program.Lines(), (Lines{"FITS.TXT"}));
  EXPECT_EQ(ListedName(fits), "FITS.TXT");
  EXPECT_EQ(ListedName(extra), "extra.txt");
}

TEST_F(Case, ALongPathIsRenamedWhole) {
  std::string name = std::string(200, 'N') + ".TXT";
  std::string sub = folder.MakeFolder(std::string(258 - folder.Path().size() - name.size() - 1, 'd'));
  std::string path = folder.Make(sub.substr(folder.Path().size()) + "\\" + name);
  ASSERT_EQ(path.size(), 258u);
  program.Drop({path});
  Convert("mojiA", Key('Y'));
  std::string lower = name;
  CharLowerBuffA(&lower[0], static_cast<DWORD>(lower.size()));
  EXPECT_EQ(ListedName(path), lower);
  EXPECT_EQ(program.Lines(), (Lines{lower}));
}
