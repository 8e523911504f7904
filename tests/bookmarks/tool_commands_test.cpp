// The commands on real files in a scratch folder: the round trip, the drops, and every
// refusal, after which no file has changed and none has been made.
#include "bookmarks/tool_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "export_shapes.h"
#include "list_entries.h"

namespace {

namespace fs = std::filesystem;

// A folder of its own below the temporary folder, removed with everything in it at the end.
struct ScratchFolder {
  ScratchFolder() {
    fs::path base = fs::temp_directory_path();
    for (int n = 0;
         !fs::create_directory(folder = base / ("quillet-bookmarks-" + std::to_string(n)));)
      ++n;
  }
  ~ScratchFolder() {
    for (const auto& file : fs::directory_iterator(folder)) {
      fs::permissions(file.path(), fs::perms::owner_write, fs::perm_options::add);
    }
    fs::remove_all(folder);
  }
  std::string Path(const std::string& name) const { return (folder / name).u8string(); }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(folder / name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream file(folder / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }
  // Every file's name and bytes; a folder's name and "/".
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    for (const auto& file : fs::directory_iterator(folder)) {
      const std::string name = file.path().filename().u8string();
      files[name] = file.is_directory() ? "/" : Read(name);
    }
    return files;
  }
  fs::path folder;
};

const ShapedFolder kExportFolders = {
    "",
    {{"https://news.example/", "News"}, {"place:sort=8", "Most Visited"}},
    {{"Toolbar",
      {{"https://mail.example/inbox", "Mail"}},
      {{"Work", {{"http://wiki.example/", ""}}, {}}}}}};

TEST(ToolCommands, ListExportedAndImportedIntoAnEmptyListGivesTheSameEntries) {
  ScratchFolder scratch;
  const std::string list =
      "http://a.example/?x=1&y=2, Ampersand & <tags> \"quoted\"\r\n"
      "# a comment line\r\n"
      "https://b.example/caf%C3%A9, Caf\xC3\xA9, with a comma\r\n"
      "http://c.example/\r\n"
      "HTTPS://D.example/, 'Upper'\r\n"
      "www.e.example, Without a scheme\r\n";
  scratch.Write("mine.txt", list);
  ToolOutcome exported = RunTool({"export", scratch.Path("mine.txt"), scratch.Path("mine.html")});
  EXPECT_EQ(exported.exitCode, kExitDone) << exported.text;
  EXPECT_EQ(exported.text, "Exported " + scratch.Path("mine.txt") + " to " +
                               scratch.Path("mine.html") +
                               ": 5 bookmarks written (1 www. given http://), 0 skipped.");
  EXPECT_NE(scratch.Read("mine.html")
                .find("<META HTTP-EQUIV=\"Content-Type\" "
                      "CONTENT=\"text/html; charset=UTF-8\">"),
            std::string::npos);

  ToolOutcome imported = RunTool({"import", scratch.Path("mine.html"), scratch.Path("back.txt")});
  EXPECT_EQ(imported.exitCode, kExitDone) << imported.text;
  std::vector<std::string> expected = EntriesOf(list);
  expected.back() = "http://www.e.example|Without a scheme";  // browsers need the scheme
  EXPECT_EQ(EntriesOf(scratch.Read("back.txt")), expected);
}

TEST(ToolCommands, DroppedFilesWorkBesideThemselvesAndNeverReplaceAFile) {
  ScratchFolder scratch;
  const std::string exportBytes = FirefoxShapedExport(kExportFolders);
  scratch.Write("Favourites.html", exportBytes);
  const std::string exportPath = scratch.Path("Favourites.html");
  const std::string listPath = scratch.Path("Favourites.txt");

  ToolOutcome first = OpenDroppedFile(exportPath);
  EXPECT_EQ(first.text, "Imported " + exportPath + " into " + listPath +
                            " (a new list): 3 websites added, 0 already in the list, 2 skipped "
                            "(2 not http or https).");
  EXPECT_EQ(EntriesOf(scratch.Read("Favourites.txt")),
            (std::vector<std::string>{"https://news.example/|News",
                                      "https://mail.example/inbox|Mail", "http://wiki.example/|"}));
  ToolOutcome again = RunTool({exportPath});
  EXPECT_EQ(again.text, "Imported " + exportPath + " into " + listPath +
                            ": 0 websites added, 3 already in the list, 2 skipped "
                            "(2 not http or https).");

  // The list's bookmark file would be Favourites.html, the export itself: it gets a name of
  // its own.
  for (const char* name : {"Favourites (2).html", "Favourites (3).html"}) {
    ToolOutcome exported = OpenDroppedFile(listPath);
    EXPECT_EQ(exported.exitCode, kExitDone) << exported.text;
    EXPECT_NE(exported.text.find(scratch.Path(name)), std::string::npos) << exported.text;
  }
  EXPECT_EQ(scratch.Read("Favourites.html"), exportBytes);
}

// Exports of every shape a browser imports, each into a new list: the entries and the summary.
TEST(ToolCommands, ExportsOfEveryShapeGiveTheWebsitesABrowserImports) {
  using namespace std::string_literals;
  constexpr char kDoctype[] = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n";
  const std::string cafe = "<DT><A HREF=\"http://cafe.example/\">caf\xC3\xA9</A>\n";
  std::string utf16;
  for (char c : std::string(kDoctype) + "<DL><DT><A HREF=\"http://u.example/\">U</A></DL>") {
    utf16 += c + "\0"s;
  }
  struct Case {
    std::string html;
    std::vector<std::string> entries;
    std::string summary;  // what the summary says after the list's name
  };
  const Case cases[] = {
      {kDoctype + "<DL><DT><A HREF=\"http://a.example/\">one\x1Atwo</A>\n"s +
           "<DT><A HREF=\"http://b.example/\">b</A></DL>",
       {"http://a.example/|one two", "http://b.example/|b"},
       " (a new list): 2 websites added, 0 already in the list, 0 skipped."},
      {kDoctype + cafe + "<DT><A HREF=\"http://stray.example/\">caf\xE9</A>\n" +
           "<DT><A HREF=\"http://s2.example/\">s\xFF\xFE</A>\n<DT><A HREF=\"javascript:\">\xE9</A>",
       {"http://cafe.example/|caf\xC3\xA9", "http://stray.example/|caf\xEF\xBF\xBD",
        "http://s2.example/|s\xEF\xBF\xBD\xEF\xBF\xBD"},
       " (a new list): 3 websites added, 0 already in the list, 1 skipped (1 not http or https). "
       "2 names hold bytes that are no UTF-8 text, shown as \xEF\xBF\xBD."},
      {kDoctype +
           "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1251\">\n"s +
           "<DL><DT><A HREF=\"http://r.example/\">\xCF\xF0\xE8\xE2\xE5\xF2</A></DL>",
       {"http://r.example/|\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"},
       " (a new list): 1 website added, 0 already in the list, 0 skipped."},
      // Without the doctype: a service's export, and an old browser's that begins with <HTML>.
      {"<HTML><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">"
       "<TITLE>Bookmarks</TITLE><H1>Bookmarks</H1><DL><p><DT><H3>Label</H3><DL><p>"
       "<DT><A HREF=\"https://g.example/\" ADD_DATE=\"1\">G &amp; "
       "<b>bold</b></A></DL><p></DL><p></HTML>",
       {"https://g.example/|G & bold"},
       " (a new list): 1 website added, 0 already in the list, 0 skipped."},
      {"<HTML>\r<TITLE>Favorites</TITLE>\r<BODY>\r<H1>Favorites</H1>\r<DL>\r<DT><A "
       "HREF=\"http://m.example/\">M&nbsp;&nbsp;</A>\r<DT><A "
       "HREF=\"http://n.example/\">&nbsp;</A>\r"
       "</DL>\r</BODY>\r</HTML>",
       {"http://m.example/|M", "http://n.example/|"},
       " (a new list): 2 websites added, 0 already in the list, 0 skipped."},
      {kDoctype + "<DL><DT><A HREF=\"http:\">a</A><DT><A HREF=\"https://\">b</A>"s +
           "<DT><A HREF=\"http:///path\">c</A><script>'<DT><A HREF=\"http://s.example/\">'</script>"
           "<textarea><A HREF=\"http://t.example/\"></textarea></DL>",
       {},
       " (a new list): 0 websites added, 0 already in the list, 3 skipped (3 without a host)."},
      {kDoctype + "<DL><p>\n</DL><p>\n"s,
       {},
       " (a new list): 0 websites added, 0 already in the list, 0 skipped."},
      {utf16,
       {"http://u.example/|U"},
       " (a new list): 1 website added, 0 already in the list, 0 skipped."},
  };
  ScratchFolder scratch;
  int number = 0;
  for (const Case& c : cases) {
    const std::string name = "shape" + std::to_string(++number);
    SCOPED_TRACE(name);
    scratch.Write(name + ".html", c.html);
    ToolOutcome outcome = OpenDroppedFile(scratch.Path(name + ".html"));
    EXPECT_EQ(outcome.exitCode, kExitDone) << outcome.text;
    EXPECT_EQ(outcome.text, "Imported " + scratch.Path(name + ".html") + " into " +
                                scratch.Path(name + ".txt") + c.summary);
    EXPECT_EQ(EntriesOf(scratch.Read(name + ".txt")), c.entries);
  }
}

TEST(ToolCommands, RefusalsSayWhyAndChangeNoFile) {
  ScratchFolder scratch;
  scratch.Write("export.html", ChromeShapedExport(kExportFolders));
  scratch.Write("list.txt", "http://mine.example/, Mine\r\n");
  scratch.Write("notes.html", "<!DOCTYPE html><A HREF=\"http://x.example/\">x</A>");
  scratch.Write("unreadable.txt", "\xEF\xBB\xBFhttp://x.example/, \xFF\r\n");
  scratch.Write("taken.html", "mine");
  scratch.Write("korean.html",
                "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<META CHARSET=\"ISO-2022-KR\">\n<DL><p>\n"
                "<DT><A HREF=\"http://k.example/\">k</A>\n</DL><p>\n");
  fs::create_directory(scratch.folder / "folder.txt");
  scratch.Write("locked.txt", "http://locked.example/\r\n");
  fs::permissions(scratch.folder / "locked.txt",
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const std::map<std::string, std::string> before = scratch.Files();
  struct Case {
    std::vector<std::string> arguments;  // names in the scratch folder, after the command
    int exitCode;
    std::string says;
  };
  const Case cases[] = {
      {{"import", "notes.html", "list.txt"},
       kExitBadInput,
       "is not a browser's bookmark export: it neither begins with "
       "<!DOCTYPE NETSCAPE-Bookmark-file-1> nor holds a bookmark list"},
      {{"import", "notes.html", "new.txt"}, kExitBadInput, "Nothing was written."},
      {{"import", "missing.html", "new.txt"}, kExitBadInput, "There is no file"},
      {{"import", "korean.html", "new.txt"},
       kExitBadInput,
       "declares a character set that browsers do not read (such as ISO-2022-KR"},
      {{"import", "export.html", "list.doc"}, kExitBadInput, "is not a list"},
      {{"import", "export.html", "unreadable.txt"}, kExitBadInput, "cannot keep as they are"},
      {{"import", "export.html", "locked.txt"}, kExitBadInput, "is read-only"},
      {{"export", "list.txt", "taken.html"}, kExitBadInput, "already exists"},
      {{"export", "missing.txt", "new.html"}, kExitBadInput, "There is no file"},
      {{"export", "export.html", "new.html"}, kExitBadInput, "is not a list"},
      {{"export", "unreadable.txt", "new.html"}, kExitBadInput, "cannot read as they are"},
      {{"import", "export.html", "folder.txt"}, kExitBadInput, "is a folder, not a list file."},
      {{"export", "folder.txt", "new.html"}, kExitBadInput, "folder.txt is a folder, not a file."},
      {{"folder.txt"}, kExitBadInput, "folder.txt is a folder, not a file."},
      {{}, kExitUsage, "Usage: quillet-bookmarks import"},
      {{"import", "export.html"}, kExitUsage, "takes two files"},
      {{"import", "list.txt", "list.txt"}, kExitBadInput, "the same file"},
      {{"merge", "export.html", "list.txt"}, kExitUsage, "Unknown command: merge"},
      {{"export.html", "notes.html"}, kExitUsage, "One file at a time"},
      {{"missing.html"}, kExitBadInput, "There is no file"},
      {{"--help", "export.html"}, kExitUsage, "Usage:"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> arguments = c.arguments;
    for (std::string& argument : arguments) {
      if (argument.find('.') != std::string::npos) argument = scratch.Path(argument);
    }
    std::ostringstream name;
    for (const std::string& argument : c.arguments) name << argument << " ";
    SCOPED_TRACE(name.str());
    ToolOutcome outcome = RunTool(arguments);
    EXPECT_EQ(outcome.exitCode, c.exitCode) << outcome.text;
    EXPECT_NE(outcome.text.find(c.says), std::string::npos) << outcome.text;
    EXPECT_EQ(scratch.Files(), before);
  }
  ToolOutcome help = RunTool({"--help"});
  EXPECT_EQ(help.exitCode, kExitDone);
  EXPECT_NE(help.text.find("Exit codes"), std::string::npos);
}

}  // namespace
