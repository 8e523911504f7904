// End to end: a website added with Ctrl+V and one removed with Delete change the list file by
// exactly that line, in the file's own form (here UTF-16 with LF line ends and a last line
// without one); an address already there and Delete answered No write nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_layer/dialog_layer.h"
#include "e2e_session.h"
#include "support/clipboard.h"

namespace {

using Strings = std::vector<std::string>;

// Text of ASCII and Latin-1 letters as UTF-16 little-endian bytes after the mark.
std::string Utf16LittleEndian(const std::u16string& text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

// Answers the notice that contains the text and waits until the main dialog is usable again.
std::string Answer(Session& session, const std::string& textPart, int button) {
  HWND notice = WaitForNotice(session.quillet, textPart);
  if (!notice) return "no notice with: " + textPart;
  std::string text = NoticeText(notice);
  AnswerNotice(notice, button);
  WaitForWindowGone(notice);
  return text;
}

TEST(EndToEnd, PasteAddsOneLineAndDeleteRemovesOneInTheFilesOwnForm) {
  Session session;
  const std::wstring list = session.folder + L"myQuillet.txt";
  const std::u16string original =
      u"http://b.example, Bee\n# mine\nhttp://a.example, Ay\nwww.c.example";
  ASSERT_TRUE(session.WriteList(L"myQuillet.txt", Utf16LittleEndian(original)));
  ASSERT_TRUE(session.Start());
  ASSERT_TRUE(session.WaitForCounter(" Website: 1 of 3")) << session.Counter();
  HWND mainList = session.List();

  // Ctrl+V with an address and a name: one line at the end, after a line end for the last line.
  ASSERT_TRUE(PutOnClipboard(L"https://pasted.example/, Pasted \u00C9t\u00E9\r\n"));
  PressKeyWithControl(mainList, 'V');
  const std::u16string added = original + u"\nhttps://pasted.example/, Pasted \u00C9t\u00E9\n";
  ASSERT_TRUE(session.WaitForCounter("Website: 3 of 4")) << session.Counter();
  EXPECT_EQ(ReadFileBytes(list), Utf16LittleEndian(added));
  EXPECT_EQ(ListItems(mainList),
            (Strings{"Ay", "Bee", "Pasted \xC3\x89t\xC3\xA9", "www.c.example"}));

  // An address already there, in other letter case and with a "/": selected, nothing written.
  ASSERT_TRUE(PutOnClipboard(L"HTTP://A.EXAMPLE/"));
  PressKeyWithControl(mainList, 'V');
  EXPECT_EQ(Answer(session, "already in the list", IDOK),
            "This website is already in the list, and it is selected:\nHTTP://A.EXAMPLE/");
  EXPECT_TRUE(session.WaitForCounter("Website: 1 of 4")) << session.Counter();
  EXPECT_EQ(ReadFileBytes(list), Utf16LittleEndian(added));

  // Delete answered No keeps the file; answered Yes removes the selected website's line.
  PressKey(mainList, VK_DELETE);
  EXPECT_EQ(Answer(session, "Remove this website", IDNO),
            "Remove this website from the list?\n\nAy\nhttp://a.example");
  ASSERT_TRUE(WaitForWindowEnabled(session.main));
  EXPECT_EQ(ReadFileBytes(list), Utf16LittleEndian(added));
  PressKey(mainList, VK_DELETE);
  Answer(session, "Remove this website", IDYES);
  ASSERT_TRUE(session.WaitForCounter("Website: 1 of 3")) << session.Counter();
  EXPECT_EQ(ReadFileBytes(list),
            Utf16LittleEndian(u"http://b.example, Bee\n# mine\nwww.c.example\n"
                              u"https://pasted.example/, Pasted \u00C9t\u00E9\n"));
  EXPECT_EQ(ListItems(mainList), (Strings{"Bee", "Pasted \xC3\x89t\xC3\xA9", "www.c.example"}));
  EXPECT_EQ(ListSelection(mainList), 1) << "the next website is selected";
  EXPECT_TRUE(session.CloseAndExit());
}

}  // namespace
