// The list editor loses nothing: long texts take typing and pasting, refused text is told,
// characters the list file cannot hold are asked about, another program's changes to the file
// are asked about, and the end of the session waits for the save question.
#include <gtest/gtest.h>

#include <functional>

#include "dialog_layer/dialog_layer.h"
#include "dialogs/list_editor.h"
#include "list/list_file.h"
#include "list/main_list.h"
#include "list_editor_fixture.h"
#include "support/long_list.h"

namespace {

// A list text of exactly `length` characters whose last line has no line break.
std::string TextOfLength(size_t length) {
  const std::string last = "http://last.example, ";
  std::string text;
  for (int i = 1; text.size() + 60 + last.size() + 1 <= length; ++i) {
    text += LongEntryLine(i) + "\r\n";
  }
  return text + last + std::string(length - text.size() - last.size(), 'z');
}

int LineStart(int line) {
  return static_cast<int>(SendMessageW(EditBox(), EM_LINEINDEX, line, 0));
}
void PlaceCaret(int index) {
  SendMessageW(EditBox(), EM_SETSEL, index, index);
}
// The caret at the end of a line (counted from 0), before its line break.
void PlaceCaretAtEndOfLine(int line) {
  int start = LineStart(line);
  PlaceCaret(start + static_cast<int>(SendMessageW(EditBox(), EM_LINELENGTH, start, 0)));
}

bool StartsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

// The list of the 1,000 entries (60,000 characters) after ten lines were moved from the top to
// the end and an entry typed and two pasted before the 500th line.
TEST_F(ListEditorTest, ALongTextTakesTypingPastingAndMovedLines) {
  UseList(LongList(1, 1000));
  NoticeWatcher watcher({IDYES});
  RunEditor(1,
            {{"editor open", EditorOpen, [] {
                ASSERT_GT(TextLength(EditBox()), 32767);
                SendMessageW(EditBox(), EM_SETSEL, 0, LineStart(10));
                SendMessageW(EditBox(), WM_CUT, 0, 0);
                PlaceCaret(TextLength(EditBox()));
                SendMessageW(EditBox(), WM_PASTE, 0, 0);
                PlaceCaret(LineStart(489));
                TypeCharacters(L"http://typed.example, Typed\r");
                PasteText(L"http://one.example, Pasted one\r\nhttp://two.example, Pasted two\r\n");
                EXPECT_EQ(TextLength(EditBox()), 60000 + 29 + 64);
                PostClose();
              }}});
  ASSERT_EQ(watcher.Notices().size(), 1u) << "the save question alone";
  std::string expected = LongList(11, 489) +
                         "http://typed.example, Typed\r\nhttp://one.example, Pasted one\r\n"
                         "http://two.example, Pasted two\r\n" +
                         LongList(500, 501) + LongList(1, 10);
  EXPECT_EQ(ReadFileBytes(file_), expected + "\r\n\r\n");
  EXPECT_EQ(ListCount(mainDialog_, kMainListId), 1003);
  EXPECT_EQ(ListItemText(mainDialog_, kMainListId, 1), "Pasted one");
}

TEST_F(ListEditorTest, ReplacingEverythingWithAPastedTextOfMoreThan100kSavesAllOfIt) {
  const std::string pasted = LongList(5001, 2000);  // 120,000 characters
  NoticeWatcher watcher({IDYES});
  RunEditor(1, {{"editor open", EditorOpen, [&] {
                   SendMessageW(EditBox(), EM_SETSEL, 0, -1);
                   PasteText(ToWide(pasted));
                   EXPECT_EQ(TextLength(EditBox()), static_cast<int>(pasted.size()));
                   PostClose();
                 }}});
  ASSERT_EQ(watcher.Notices().size(), 1u);
  EXPECT_EQ(ReadFileBytes(file_), pasted + "\r\n\r\n");
  EXPECT_EQ(ListCount(mainDialog_, kMainListId), 2000);
}

// Either side of the default limits: 30,000 characters (Wine) and 32,767 (Windows).
TEST_F(ListEditorTest, TypingAndPastingWorkEitherSideOfTheDefaultLimits) {
  const std::string pasted = "http://edge.example, Edge\r\n";
  for (size_t length : {29999u, 30001u, 32766u, 32768u}) {
    SCOPED_TRACE(length);
    UseList(original_);
    const std::string text = TextOfLength(length);
    NoticeWatcher watcher({IDYES});
    RunEditorWith(text, {{"editor open", EditorOpen, [&] {
                            ASSERT_EQ(TextLength(EditBox()), static_cast<int>(length));
                            PlaceCaret(TextLength(EditBox()));
                            TypeCharacters(L"x");
                            PlaceCaret(0);
                            PasteText(ToWide(pasted));
                            EXPECT_EQ(TextLength(EditBox()),
                                      static_cast<int>(length + 1 + pasted.size()));
                            PostClose();
                          }}});
    ASSERT_EQ(watcher.Notices().size(), 1u);
    EXPECT_EQ(ReadFileBytes(file_), pasted + text + "x\r\n\r\n\r\n");
  }
}

// The box is made nearly full on purpose: what it refuses must be told before the question.
TEST_F(ListEditorTest, TextTheEditBoxRefusesIsToldBeforeTheSaveQuestion) {
  for (bool paste : {true, false}) {
    SCOPED_TRACE(paste ? "pasted" : "typed");
    NoticeWatcher watcher({IDOK, IDNO});
    RunEditor(1, {{"editor open", EditorOpen, [&] {
                     int length = TextLength(EditBox());
                     SendMessageW(EditBox(), EM_SETLIMITTEXT, length + 5, 0);
                     PlaceCaret(0);
                     if (paste) PasteText(L"http://refused.example, Refused\r\n");
                     if (!paste) TypeCharacters(L"http://refused.example");
                     EXPECT_EQ(TextLength(EditBox()), length + 5) << "the box took what fitted";
                     PostClose();
                   }}});
    std::vector<SeenNotice> notices = watcher.Notices();
    ASSERT_EQ(notices.size(), 2u);
    ExpectNotice(notices[0], kTextRefusedNotice, MB_ICONWARNING);
    ExpectNotice(notices[1], kSaveQuestion, MB_ICONQUESTION);
    ExpectListUntouched(1);
  }
}

// Chinese characters on a Western system, where the list file is 8-bit text in code page 1252,
// and a letter that code page holds only as a look-alike (a with macron): Yes saves the list as
// UTF-8 with a byte-order mark, whole.
TEST_F(ListEditorTest, CharactersTheListFileCannotHoldAreAskedAbout) {
  if (GetACP() != 1252) GTEST_SKIP() << "written for code page 1252";
  struct Case {
    const wchar_t* characters;
    bool paste;
    int answer;  // to the question: IDYES saves as UTF-8, IDNO goes back to the editor
    const char* saved;
  };
  const Case cases[] = {
      {L" \x4E2D\x6587", false, IDYES, " \xE4\xB8\xAD\xE6\x96\x87"},
      {L" \x4E2D\x6587", true, IDYES, " \xE4\xB8\xAD\xE6\x96\x87"},
      {L" \x4E2D\x6587", false, IDNO, ""},
      {L" \x4E2D\x6587", true, IDNO, ""},
      {L" \x0101", true, IDYES, " \xC4\x81"},
  };
  for (const Case& c : cases) {
    const std::wstring characters = c.characters;
    SCOPED_TRACE(std::string(c.paste ? "pasted" : "typed") +
                 (c.answer == IDYES ? ", Yes" : ", No"));
    UseList(original_);
    NoticeWatcher watcher({IDYES, c.answer, IDNO});
    std::vector<ScriptStep> steps = {{"editor open", EditorOpen, [&] {
                                        PlaceCaretAtEndOfLine(2);
                                        if (c.paste) PasteText(characters);
                                        if (!c.paste) TypeCharacters(characters);
                                        PostClose();
                                      }}};
    if (c.answer == IDNO) {
      steps.push_back(BackInTheEditor(
          watcher, 2, [&] { EXPECT_NE(EditWideText().find(characters), std::wstring::npos); }));
    }
    RunEditor(1, steps);
    std::vector<SeenNotice> notices = watcher.Notices();
    ASSERT_GE(notices.size(), 2u);
    ExpectNotice(notices[1], UnfitTextQuestion(3), MB_ICONWARNING);
    if (c.answer == IDYES) {
      std::string saved = ReadFileBytes(file_);
      EXPECT_TRUE(StartsWith(saved, "\xEF\xBB\xBF")) << "a UTF-8 mark";
      EXPECT_NE(saved.find(EntryLine(3) + c.saved + "\r\n"), std::string::npos);
      EXPECT_EQ(ListCount(mainDialog_, kMainListId), kEntries);
    } else {
      EXPECT_EQ(notices.size(), 3u) << "asked again on the next close";
      ExpectListUntouched(1);
    }
  }
}

TEST_F(ListEditorTest, AccentedLettersAndTheEuroSignAreSavedUnchangedWithoutAsking) {
  if (GetACP() != 1252) GTEST_SKIP() << "written for code page 1252";
  NoticeWatcher watcher({IDYES});
  RunEditor(1, {{"editor open", EditorOpen, [] {
                   PlaceCaretAtEndOfLine(2);
                   TypeCharacters(L" caf\xE9 \x20AC");
                   PlaceCaret(0);
                   PasteText(
                       L"http://accents.example, \xC0 la cr\xE8me br\xFBl\xE9"
                       L"e \x20AC 5\r\n");
                   PostClose();
                 }}});
  ASSERT_EQ(watcher.Notices().size(), 1u) << "the save question alone";
  std::string saved = ReadFileBytes(file_);
  EXPECT_TRUE(StartsWith(saved,
                         "http://accents.example, \xC0 la cr\xE8me br\xFBl\xE9"
                         "e \x80 5\r\n"))
      << "still code page 1252";
  EXPECT_NE(saved.find(EntryLine(3) + " caf\xE9 \x80\r\n"), std::string::npos);
}

// A NUL character in an 8-bit, a UTF-8 and a UTF-16 list: the load says what becomes of it,
// the main list and the editor show a blank in its place, and an edit saved changes that
// character alone, the file keeping its form.
TEST_F(ListEditorTest, ANulCharacterBecomesABlankThatTheListCanBeEditedAndSavedWith) {
  using namespace std::string_literals;
  const std::string lines = "http://a.example, Al\0pha\r\nhttp://b.example, Beta caf\xC3\xA9\r\n"s;
  auto utf16 = [](const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    for (char c : ascii) bytes += c + "\0"s;
    return bytes;
  };
  struct Case {
    const char* form;
    std::string before, after;  // the file's bytes
  };
  const std::string ascii = "http://a.example, Al\0pha\r\nhttp://b.example, Beta\r\n\r\n\r\n"s;
  std::string asciiAfter = ascii;
  asciiAfter[asciiAfter.find('\0')] = ' ';
  std::string utf8After = lines + "\r\n\r\n";
  utf8After[utf8After.find('\0')] = ' ';
  const Case cases[] = {
      {"8-bit", ascii, asciiAfter},
      {"UTF-8", lines + "\r\n\r\n", utf8After},
      {"UTF-16", utf16(ascii), utf16(asciiAfter)},
  };
  const std::string notice =
      "The list file holds NUL characters (code 0), which a list cannot "
      "show:\n" +
      path_ +
      "\nEach is shown as a blank, and saving the "
      "list writes a blank in its place.";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.form);
    NoticeWatcher watcher({IDOK, IDYES});
    UseList(c.before);
    ASSERT_EQ(watcher.Notices().size(), 1u);
    ExpectNotice(watcher.Notices()[0], notice, MB_ICONWARNING);
    EXPECT_EQ(ListItemText(mainDialog_, kMainListId, 1), "Al pha");
    RunEditor(1, {{"editor open", EditorOpen, [] {
                     EXPECT_EQ(EditText().substr(0, 27), "http://a.example, Al pha\r\nh");
                     PlaceCaretAtEndOfLine(1);
                     TypeCharacters(L"x\b");  // an edit undone: the text is the list's own
                     PostClose();
                   }}});
    ASSERT_EQ(watcher.Notices().size(), 2u) << "the save question, and no notice after the save";
    EXPECT_EQ(ReadFileBytes(file_), c.after);
  }
}

void SetWriteTime(const std::wstring& path, FILETIME time) {
  HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  SetFileTime(file, nullptr, nullptr, &time);
  CloseHandle(file);
}

FILETIME Later(FILETIME time) {
  ULARGE_INTEGER value = {{time.dwLowDateTime, time.dwHighDateTime}};
  value.QuadPart += 10 * 10'000'000ull;  // ten seconds
  return {value.LowPart, value.HighPart};
}

TEST_F(ListEditorTest, AListFileChangedByAnotherProgramIsAskedAbout) {
  const std::string mine = "http://mine.example, Mine\r\n";
  struct Case {
    const char* what;
    std::function<void(const std::wstring& path)> change;
    bool asks;
    int answer;  // to the question: IDYES saves anyway, IDNO goes back to the editor
  };
  auto addEntry = [](const std::wstring& path) {
    WriteFileBytes(path, ReadFileBytes(path) + "http://other.example, Other\r\n");
  };
  // The same size and last-write time: only the bytes tell.
  auto changeBytesOnly = [](const std::wstring& path) {
    FILETIME written = WriteTime(path);
    std::string bytes = ReadFileBytes(path);
    bytes[bytes.find("Site 07")] = 'X';
    WriteFileBytes(path, bytes);
    SetWriteTime(path, written);
  };
  auto remove = [](const std::wstring& path) { DeleteFileW(path.c_str()); };
  auto saveAgain = [](const std::wstring& path) {
    FILETIME written = WriteTime(path);
    WriteFileBytes(path, ReadFileBytes(path));
    SetWriteTime(path, Later(written));
  };
  const Case cases[] = {
      {"an entry added, Yes", addEntry, true, IDYES},
      {"an entry added, No", addEntry, true, IDNO},
      {"other bytes of the same size, Yes", changeBytesOnly, true, IDYES},
      {"other bytes of the same size, No", changeBytesOnly, true, IDNO},
      {"removed, Yes", remove, true, IDYES},
      {"removed, No", remove, true, IDNO},
      {"saved again unchanged", saveAgain, false, IDYES},
      {"no change", [](const std::wstring&) {}, false, IDYES},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    UseList(original_);
    NoticeWatcher watcher({IDYES, c.answer, IDNO});
    std::string other;
    std::vector<ScriptStep> steps = {{"editor open", EditorOpen, [&] {
                                        c.change(file_);
                                        other = ReadFileBytes(file_);
                                        PlaceCaret(0);
                                        ReplaceSelection(mine.c_str());
                                        PostClose();
                                      }}};
    if (c.answer == IDNO) {
      steps.push_back(BackInTheEditor(watcher, 2, [&] {
        EXPECT_TRUE(StartsWith(EditText(), mine));
        EXPECT_EQ(ReadFileBytes(file_), other) << "the other program's file kept";
      }));
    }
    RunEditor(1, steps);
    std::vector<SeenNotice> notices = watcher.Notices();
    ASSERT_EQ(notices.size(), c.asks ? (c.answer == IDNO ? 3u : 2u) : 1u);
    if (c.asks) ExpectNotice(notices[1], ChangedFileQuestion(path_), MB_ICONWARNING);
    if (c.answer == IDYES) {
      EXPECT_TRUE(StartsWith(ReadFileBytes(file_), mine + EntryLine(1) + "\r\n"));
      EXPECT_EQ(ListCount(mainDialog_, kMainListId), kEntries + 1);
    } else {
      EXPECT_EQ(ReadFileBytes(file_), other);
      EXPECT_EQ(ListCount(mainDialog_, kMainListId), kEntries) << "the main list as it was";
    }
  }
}

// WM_QUERYENDSESSION as the system sends it; its result lets the session end (TRUE) or not.
TEST_F(ListEditorTest, TheEndOfTheSessionWaitsForTheSaveQuestion) {
  const std::string mine = "http://mine.example, Mine\r\n";
  struct Case {
    const char* what;
    bool changed;
    int answer;
    LRESULT endAllowed;
  };
  const Case cases[] = {
      {"no change", false, IDYES, TRUE},
      {"Yes", true, IDYES, TRUE},
      {"No", true, IDNO, TRUE},
      {"Cancel", true, IDCANCEL, FALSE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    UseList(original_);
    NoticeWatcher watcher({c.answer, IDNO});
    LRESULT result = -1;
    RunEditor(1, {{"editor open", EditorOpen, [&] {
                     if (c.changed) ReplaceSelection(mine.c_str());
                     result = SendMessageW(gListEditor.dialog, WM_QUERYENDSESSION, 0, 0);
                     EXPECT_TRUE(EditorOpen());
                     EXPECT_EQ(EditModified(), c.changed && c.answer != IDYES);
                     PostClose();
                   }}});
    EXPECT_EQ(result, c.endAllowed);
    std::vector<SeenNotice> notices = watcher.Notices();
    size_t asked = !c.changed ? 0u : c.answer == IDYES ? 1u : 2u;
    ASSERT_EQ(notices.size(), asked) << "the session's question, then the close's";
    if (asked > 0) ExpectNotice(notices[0], kSaveQuestion, MB_ICONQUESTION);
    if (c.changed && c.answer == IDYES) {
      EXPECT_TRUE(StartsWith(ReadFileBytes(file_), mine));
    } else {
      EXPECT_EQ(ReadFileBytes(file_), original_);
    }
  }
}

}  // namespace
