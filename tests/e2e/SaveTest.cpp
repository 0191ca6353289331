#include <gtest/gtest.h>

#include "Harness.h"

using namespace e2e;

namespace {

using Lines = std::vector<std::string>;

constexpr int FileNameBox = 0x47C;
constexpr int FileTypeBox = 0x470;

// The system's save dialog of the program, and its file name field.
struct SaveDialog {
  HWND window = nullptr;
  HWND name = nullptr;
};

HWND ChildOf(HWND parent, const char* className, int id) {
  struct Search {
    const char* className;
    int id;
    HWND found;
  } search{className, id, nullptr};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        if (GetDlgCtrlID(child) == s->id && ClassOf(child) == s->className) {
          s->found = child;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

class Save : public ::testing::Test {
 protected:
  SaveDialog OpenDialog() {
    program.Click("saveBtn");
    SaveDialog dialog;
    WaitFor([&]() {
      dialog.window = FindWindowOf(program.Pid(), "#32770");
      dialog.name = dialog.window != nullptr ? ChildOf(dialog.window, "Edit", FileNameBox) : nullptr;
      return dialog.name != nullptr && IsWindowVisible(dialog.window);
    });
    EXPECT_NE(dialog.name, nullptr) << "the save dialog did not open";
    return dialog;
  }
  void Confirm(const SaveDialog& dialog, const std::string& path) {
    Send(dialog.name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(dialog.window, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&]() { return !IsWindow(dialog.window); })) << "the dialog did not take " << path;
    program.Sync();
  }
  void Cancel(const SaveDialog& dialog) {
    PostMessageA(dialog.window, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitFor([&]() { return !IsWindow(dialog.window); }));
    program.Sync();
  }
  // Saves to a path not yet there.
  void SaveAs(const std::string& path) { Confirm(OpenDialog(), path); }
  // The warning over an existing file, checked as described.
  Box Warning() {
    Box box = WaitForBox(program.Pid());
    EXPECT_EQ(box.caption, "警告");
    EXPECT_EQ(box.text, "同じ名前のﾌｧｲﾙがありますが\r\nﾃｷｽﾄを上書セーブしますか？");
    EXPECT_EQ(box.buttons, (Lines{"OK", "ｷｬﾝｾﾙ"}));
    return box;
  }
  void Answer(const Box& box, const std::function<void()>& answer) {
    answer();
    ASSERT_TRUE(WaitFor([&]() { return !IsWindow(box.window); }));
    program.Sync();
  }
  std::string ErrorBoxText() {
    HWND error = WaitForWindowOf(program.Pid(), "#32770");
    if (error == nullptr) return "<no error box>";
    Box box = ReadBox(error);
    PressKey(error, VK_RETURN);
    WaitFor([&]() { return !IsWindow(error); });
    program.Sync();
    return box.text;
  }
  void TickOption() { Send(program.Control("CBox1"), BM_CLICK); }

  TempFolder folder;
  Program program;
};

}  // namespace

TEST_F(Save, TheSavedBytesAreTheShownLinesEachWithCrLf) {
  struct Case {
    const char* name;
    std::function<void()> fill;
    const char* file;
    std::string bytes;
  };
  std::string longName = std::string(300, 'w') + ".txt";
  const Case cases[] = {
      {"double-byte names", [&]() { program.Drop({"C:\\ソ表.txt", "C:\\ｷｬﾝｾﾙ", "C:\\"}); }, "names.txt",
       "ソ表.txt\r\nｷｬﾝｾﾙ\r\n\r\n"},
      {"an empty list", []() {}, "empty.txt", ""},
      {"a name without extension", [&]() { program.Drop({"C:\\a"}); }, "list", "a\r\n"},
      {"a name ending in .rtf", [&]() { program.Drop({"C:\\{rtf1 plain}"}); }, "list.rtf", "{rtf1 plain}\r\n"},
      {"a long wrapped entry", [&]() { program.Drop({"C:\\" + longName}); }, "long.txt", longName + "\r\n"},
      {"full paths and bare names",
       [&]() {
         program.Drop({"C:\\d\\bare"});
         TickOption();
         program.Drop({"C:\\d\\full"});
         TickOption();
       },
       "mixed.txt", "bare\r\nC:\\d\\full\r\n"},
  };
  for (const Case& c : cases) {
    program.Click("NewBtn");
    c.fill();
    std::string path = folder.Path() + c.file;
    SaveAs(path);
    EXPECT_TRUE(NoWindowOf(program.Pid(), "TMessageForm", 100)) << c.name << ": a new file asks nothing";
    EXPECT_EQ(ReadFile(path), c.bytes) << c.name;
  }
  EXPECT_FALSE(Exists(folder.Path() + "list.txt")) << "no extension is added";
}

TEST_F(Save, TheTextAfterCaseConversionIsSaved) {
  program.Drop({"Z:\\no\\Mixed.Case"});
  AnswerCaseQuestion(program, "mojiAA", 'N');
  std::string path = folder.Path() + "converted.txt";
  SaveAs(path);
  EXPECT_EQ(ReadFile(path), "MIXED.CASE\r\n");
}

TEST_F(Save, TheDialogStartsWithItsNameFilterAndPlace) {
  SaveDialog dialog = OpenDialog();
  EXPECT_EQ(WindowText(dialog.name), "新規.txt");
  HWND types = ChildOf(dialog.window, "ComboBox", FileTypeBox);
  ASSERT_NE(types, nullptr);
  EXPECT_EQ(WindowText(types), "テキストファイル(*.txt)");
  EXPECT_EQ(Send(types, CB_GETCOUNT), 1);
  EXPECT_FALSE(IsWindowVisible(ChildOf(dialog.window, "Button", 0x410))) << "the read-only box is hidden";
  RECT r = ScreenRect(dialog.window);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 3);
  EXPECT_FALSE(IsWindowEnabled(program.Form())) << "the window takes no input under the dialog";
  Cancel(dialog);
  EXPECT_TRUE(IsWindowEnabled(program.Form()));
  EXPECT_TRUE(NoWindowOf(program.Pid(), "#32770", 300)) << "a cancelled dialog saves nothing and says nothing";
}

// The system's dialog opens in the remembered path's folder with its name
// in the field: confirming it unchanged names that same file.
void ExpectRemembers(const std::string& name, HWND nameField) { EXPECT_EQ(WindowText(nameField), name); }

TEST_F(Save, TheNextDialogRemembersThePathEvenAfterClearing) {
  program.Drop({"C:\\x"});
  std::string path = folder.Path() + "first.txt";
  SaveAs(path);
  program.Click("NewBtn");
  SaveDialog dialog = OpenDialog();
  ExpectRemembers("first.txt", dialog.name);
  PostMessageA(dialog.window, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitFor([&]() { return !IsWindow(dialog.window); }));
  Box box = Warning();  // the remembered file exists now
  Answer(box, [&]() { PressKey(box.window, VK_RETURN); });
  EXPECT_EQ(ReadFile(path), "") << "the cleared list replaced it";
}

TEST_F(Save, DecliningTheWarningLeavesTheFileAsItWas) {
  std::string path = folder.Make("existing.txt", "precious\r\n");
  program.Drop({"C:\\new"});
  struct Decline {
    const char* name;
    std::function<void(const Box&)> give;
  };
  const Decline declines[] = {
      {"Cancel", [](const Box& box) { ClickButton(box, "ｷｬﾝｾﾙ"); }},
      {"Esc", [](const Box& box) { PressKey(box.window, VK_ESCAPE); }},
      {"close box", [](const Box& box) { PostMessageA(box.window, WM_CLOSE, 0, 0); }},
      {"system menu", [](const Box& box) { CloseBySystemMenu(box.window); }},
  };
  for (const Decline& decline : declines) {
    Confirm(OpenDialog(), path);
    Box box = Warning();
    EXPECT_TRUE(ShowsSystemIcon(box.icon, IDI_EXCLAMATION)) << decline.name;
    Answer(box, [&]() { decline.give(box); });
    EXPECT_EQ(ReadFile(path), "precious\r\n") << decline.name;
    SaveDialog again = OpenDialog();
    EXPECT_EQ(WindowText(again.name), "existing.txt") << decline.name << ": the dialog remembers the path";
    Cancel(again);
  }
}

TEST_F(Save, OkReplacesTheFileAndTwoSavesGiveTheSameBytes) {
  std::string path = folder.Make("replace.txt", "old content that is longer than the list\r\n");
  program.Drop({"C:\\one", "C:\\two"});
  for (int round = 0; round < 2; ++round) {
    Confirm(OpenDialog(), path);
    Box box = Warning();
    Answer(box, [&]() { PressKey(box.window, VK_RETURN); });  // Enter is OK
    EXPECT_EQ(ReadFile(path), "one\r\ntwo\r\n") << "round " << round;
  }
}

TEST_F(Save, AReadOnlyFileCannotBeCreatedAndStaysAsItWas) {
  std::string path = folder.Make("readonly.txt", "kept\r\n");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  program.Drop({"C:\\x"});
  Confirm(OpenDialog(), path);
  Box box = Warning();
  Answer(box, [&]() { ClickButton(box, "OK"); });
  EXPECT_EQ(ErrorBoxText(), "ﾌｧｲﾙ " + path + " を作成できません.");
  EXPECT_EQ(ReadFile(path), "kept\r\n");
  program.Drop({"C:\\y"});
  EXPECT_EQ(program.Lines(), (Lines{"x", "y"})) << "the program goes on";
}

TEST_F(Save, AFileHeldOpenByAnotherProgramCannotBeCreated) {
  std::string path = folder.Make("held.txt", "held\r\n");
  HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  program.Drop({"C:\\x"});
  Confirm(OpenDialog(), path);
  Box box = Warning();
  Answer(box, [&]() { ClickButton(box, "OK"); });
  EXPECT_EQ(ErrorBoxText(), "ﾌｧｲﾙ " + path + " を作成できません.");
  CloseHandle(held);
  EXPECT_EQ(ReadFile(path), "held\r\n");
}

TEST_F(Save, AFolderThatVanishedGivesTheCreateError) {
  std::string sub = folder.MakeFolder("vanishing");
  program.Drop({"C:\\x"});
  SaveDialog dialog = OpenDialog();
  RemoveDirectoryA(sub.c_str());
  Confirm(dialog, sub + "\\list.txt");
  EXPECT_EQ(ErrorBoxText(), "ﾌｧｲﾙ " + sub + "\\list.txt を作成できません.");
}

TEST_F(Save, AFolderThatCannotBeWrittenGivesTheCreateError) {
  std::string disk = HostFolder("TAMBERLO_READONLY_DISK");
  if (disk.empty()) GTEST_SKIP() << "scripts/test mounts a read-only disk for this";
  std::string path = disk + "list.txt";
  program.Drop({"C:\\x"});
  Confirm(OpenDialog(), path);
  EXPECT_EQ(ErrorBoxText(), "ﾌｧｲﾙ " + path + " を作成できません.");
  EXPECT_FALSE(Exists(path));
}

TEST_F(Save, AFullDiskGivesTheStreamError) {
  std::string disk = HostFolder("TAMBERLO_FULL_DISK");
  if (disk.empty()) GTEST_SKIP() << "scripts/test mounts a small disk for this";
  std::string path = disk + "full.txt";
  std::vector<std::string> items;
  for (int i = 0; i < 4000; ++i) items.push_back("C:\\" + std::string(60, 'f') + std::to_string(i));
  program.Drop(items);
  Confirm(OpenDialog(), path);
  EXPECT_EQ(ErrorBoxText(), "ｽﾄﾘｰﾑへの書き込みに失敗しました.");
  EXPECT_TRUE(Exists(path)) << "what was written stays";
  DeleteFileA(path.c_str());
  program.Click("NewBtn");
  program.Drop({"C:\\small"});
  SaveAs(path);
  EXPECT_EQ(ReadFile(path), "small\r\n") << "the program goes on and saves where there is room";
  DeleteFileA(path.c_str());
}

TEST_F(Save, APathTooLongForTheDialogCountsAsCancelled) {
  program.Drop({"C:\\x"});
  std::string path = folder.Path() + std::string(300 - folder.Path().size(), 'L') + ".txt";
  SaveDialog dialog = OpenDialog();
  Send(dialog.name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageA(dialog.window, WM_COMMAND, IDOK, 0);
  // The system may say so in a box of its own first; the program says nothing.
  WaitFor([&]() { return !IsWindow(dialog.window); }, 3000);
  for (HWND own = FindWindowOf(program.Pid(), "#32770"); own != nullptr && own != dialog.window;
       own = FindWindowOf(program.Pid(), "#32770")) {
    PressKey(own, VK_RETURN);
    Sleep(200);
  }
  if (IsWindow(dialog.window)) Cancel(dialog);
  program.Sync();
  EXPECT_FALSE(Exists(path));
  EXPECT_TRUE(NoWindowOf(program.Pid(), "#32770", 300));
  SaveDialog again = OpenDialog();
  EXPECT_EQ(WindowText(again.name), "新規.txt") << "a failed dialog changes no remembered path";
  Cancel(again);
}
