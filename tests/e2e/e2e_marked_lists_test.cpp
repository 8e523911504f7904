// End to end: list files that begin with a byte-order mark, as Notepad and PowerShell write
// them: UTF-8, and UTF-16 in either byte order, every character shown and kept.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_layer/dialog_layer.h"
#include "e2e_session.h"
#include "list/list_file_form.h"

namespace {

using Strings = std::vector<std::string>;

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

// A UTF-16 file with its mark, unit by unit: it may hold what UTF-8 cannot (half a pair).
std::string Utf16(const std::u16string& text, TextEncoding encoding) {
  const bool highFirst = encoding == TextEncoding::kUtf16BigEndian;
  std::string bytes(ByteOrderMark(encoding));
  for (char16_t unit : text) {
    char high = static_cast<char>(unit >> 8);
    char low = static_cast<char>(unit & 0xFF);
    bytes.append({highFirst ? high : low, highFirst ? low : high});
  }
  return bytes;
}

TEST(EndToEnd, Utf8MarkedListShowsEveryWebsiteAndKeepsItsMark) {
  Session session;
  const std::wstring list = session.folder + L"myQuillet.txt";
  ASSERT_TRUE(session.WriteList(
      L"myQuillet.txt", std::string(kUtf8Mark) + "http://b.example, Bee\r\nwww.a.example\r\n"));
  ASSERT_TRUE(session.Start());
  ASSERT_TRUE(session.WaitForCounter(" Website: 1 of 2")) << session.Counter();
  EXPECT_EQ(ListItems(session.List()), (Strings{"Bee", "www.a.example"}));

  HWND editor = AddLineAndSave(session, "http://c.example, Cee\r\n");
  ASSERT_TRUE(editor) << "the editor did not open";
  ASSERT_TRUE(WaitForWindowGone(editor));
  EXPECT_EQ(ReadFileBytes(list), std::string(kUtf8Mark) +
                                     "http://c.example, Cee\r\nhttp://b.example, Bee\r\n"
                                     "www.a.example\r\n\r\n\r\n");
  EXPECT_EQ(ListItems(session.List()), (Strings{"Bee", "Cee", "www.a.example"}));
  EXPECT_TRUE(session.CloseAndExit());
}

TEST(EndToEnd, Utf16ListShowsEveryWebsiteAndIsSavedAsUtf16) {
  for (TextEncoding form : {TextEncoding::kUtf16LittleEndian, TextEncoding::kUtf16BigEndian}) {
    SCOPED_TRACE(form == TextEncoding::kUtf16BigEndian ? "big-endian" : "little-endian");
    Session session;
    const std::wstring list = session.folder + L"myQuillet.txt";
    ASSERT_TRUE(session.WriteList(
        L"myQuillet.txt", Utf16(u"http://b.example, B\u00E9e \u4E2D\r\nwww.a.example\r\n", form)));
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(session.WaitForCounter(" Website: 1 of 2")) << session.Counter();
    EXPECT_EQ(ListItems(session.List()), (Strings{"B\xC3\xA9"
                                                  "e \xE4\xB8\xAD",
                                                  "www.a.example"}));

    HWND editor = AddLineAndSave(session, "http://c.example, Cee\r\n");
    ASSERT_TRUE(editor) << "the editor did not open";
    ASSERT_TRUE(WaitForWindowGone(editor));
    EXPECT_EQ(ReadFileBytes(list),
              Utf16(u"http://c.example, Cee\r\nhttp://b.example, B\u00E9e \u4E2D\r\n"
                    u"www.a.example\r\n\r\n\r\n",
                    form));
    EXPECT_EQ(ListItems(session.List()), (Strings{"B\xC3\xA9"
                                                  "e \xE4\xB8\xAD",
                                                  "Cee", "www.a.example"}));
    EXPECT_TRUE(session.CloseAndExit());
  }
}

// Half a surrogate pair is no character: the list is shown as far as it goes and kept as it is.
TEST(EndToEnd, Utf16ListThatIsNoTextIsNeverWrittenOver) {
  Session session;
  const std::wstring list = session.folder + L"myQuillet.txt";
  const std::string file = Utf16(u"http://b.example, \xD800\u6587\r\nwww.a.example\r\n",
                                 TextEncoding::kUtf16LittleEndian);
  ASSERT_TRUE(session.WriteList(L"myQuillet.txt", file));
  ASSERT_TRUE(session.Start());

  HWND notice = WaitForNotice(session.quillet, "cannot show");
  ASSERT_TRUE(notice) << "the characters that cannot be shown were not reported";
  EXPECT_NE(NoticeText(notice).find(ToUtf8(list)), std::string::npos) << NoticeText(notice);
  AnswerNotice(notice, IDOK);
  ASSERT_TRUE(session.WaitForCounter(" Website: 1 of 2")) << "what can be shown is shown";

  HWND editor = AddLineAndSave(session, "http://c.example, Cee\r\n");
  ASSERT_TRUE(editor) << "the editor did not open";
  HWND refusal = WaitForNotice(session.quillet, "The list was not saved");
  ASSERT_TRUE(refusal) << "the save was not refused";
  EXPECT_NE(NoticeText(refusal).find("characters"), std::string::npos) << NoticeText(refusal);
  AnswerNotice(refusal, IDOK);
  ASSERT_TRUE(WaitForWindowGone(refusal));

  // The editor keeps the edits; leaving it without saving ends it.
  CloseWithCloseBox(editor);
  HWND question = WaitForNotice(session.quillet, kSaveQuestion);
  ASSERT_TRUE(question);
  AnswerNotice(question, IDNO);
  ASSERT_TRUE(WaitForWindowGone(editor));
  ASSERT_TRUE(WaitForWindowEnabled(session.main));
  EXPECT_TRUE(session.CloseAndExit());
  EXPECT_EQ(ReadFileBytes(list), file) << "the list file was changed";
}

}  // namespace
