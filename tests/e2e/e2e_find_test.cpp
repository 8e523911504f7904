// End to end: finding a website as a user does, from outside the program. Ctrl+F opens the
// field, a query leaves only the matching websites of a list named in several
// scripts, Down and Enter open the second match in the browser, and Escape brings back the
// whole list with that website still selected.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e_session.h"
#include "support/wait.h"

namespace {

constexpr int kFindFieldId = 222;

using Texts = std::vector<std::string>;

TEST(EndToEnd, FindingAWebsiteAsYouType) {
  Session session;
  ASSERT_TRUE(session.WriteList(
      L"myQuillet.txt",
      "http://cafe.example, Caf\xC3\xA9 M\xC3\xBCller\r\n"
      "http://athens.example, \xCE\xB1\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1 black\r\n"
      "http://mir.example, \xD0\xBF\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 "
      "\xD0\xBC\xD0\xB8\xD1\x80\r\n"
      "http://house.example/, House in Black\r\n"
      "http://tokyo.example, \xE6\x9D\xB1\xE4\xBA\xAC\xE3\x81\xAE\xE5\xA4\xA9\xE6\xB0\x97\r\n"
      "http://www.blackhouse.example/, Zwart huis\r\n"
      "https://www.metoffice.gov.uk/, Met Office\r\n"));
  ASSERT_TRUE(session.Start());
  ASSERT_TRUE(session.WaitForCounter(" Website: 1 of 7")) << session.Counter();
  const Texts whole = ListItems(session.List());

  PressKeyWithControl(session.main, 'F');
  HWND field = GetDlgItem(session.main, kFindFieldId);
  ASSERT_TRUE(WaitUntil([&] {
    field = GetDlgItem(session.main, kFindFieldId);
    return field && IsWindowVisible(field);
  })) << "Ctrl+F opens the find field";

  TypeText(field, "BLACK h\xC3\x94use");  // any letter case and accent, words in any order
  const Texts matches = {"House in Black", "Zwart huis"};
  ASSERT_TRUE(WaitUntil([&] { return ListItems(session.List()) == matches; }))
      << ListItems(session.List()).size() << " items";
  EXPECT_TRUE(session.WaitForCounter("Website: 1 of 2")) << session.Counter();

  PressKey(field, VK_DOWN);
  ASSERT_TRUE(session.WaitForCounter("Website: 2 of 2")) << session.Counter();
  PressKey(field, VK_RETURN);
  ASSERT_TRUE(WaitForLaunches(session.launchLog, 1));
  EXPECT_EQ(CapturedLaunches(session.launchLog), Texts{"http://www.blackhouse.example/"});

  PressKey(field, VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(field); })) << "Escape closes the field";
  EXPECT_EQ(ListItems(session.List()), whole);
  int selected = ListSelection(session.List());
  ASSERT_GT(selected, 0);
  EXPECT_EQ(whole[static_cast<size_t>(selected - 1)], "Zwart huis");
  EXPECT_TRUE(session.WaitForCounter("Website: " + std::to_string(selected) + " of 7"))
      << session.Counter();
  EXPECT_TRUE(session.CloseAndExit());
}

}  // namespace
