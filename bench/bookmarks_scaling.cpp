// How quillet-bookmarks grows with the export: importing a Chrome-shaped export of 1k, 10k,
// 100k and 1M bookmarks into a missing list, importing it again into the list it made (every
// website already there), and exporting that list. Native; each run is the whole command, from
// reading the files to the list or bookmark file replaced on disk, in a scratch folder.
//   bookmarks_scaling [SIZE...]
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_table.h"
#include "bookmarks/tool_commands.h"
#include "export_shapes.h"

namespace {

namespace fs = std::filesystem;

double Now() {
  using Clock = std::chrono::steady_clock;
  return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

// Folders of 100 links, each with a folder of 25 more inside; titles with characters to
// escape, a URL now and then that an earlier link has too, and a bookmarklet every 500 links.
ShapedFolder BookmarksOf(int32_t count) {
  ShapedFolder root;
  for (int32_t made = 0; made < count;) {
    ShapedFolder folder{"Folder " + std::to_string(made / 125), {}, {{"Inner", {}, {}}}};
    for (int32_t i = 0; i < 125 && made < count; ++i, ++made) {
      std::string href = made % 500 == 499 ? "javascript:void(" + std::to_string(made) + ")"
                         : made % 200 == 199
                             ? "https://site" + std::to_string(made / 2) + ".example/"
                             : "https://site" + std::to_string(made) + ".example/";
      ShapedLink link{href + "page?id=" + std::to_string(made % 7) + "&lang=en",
                      "Page " + std::to_string(made) + " & \"notes\" <daily>"};
      (i < 100 ? folder.links : folder.folders[0].links).push_back(link);
    }
    root.folders.push_back(folder);
  }
  return root;
}

void Report(const ToolOutcome& outcome) {
  if (outcome.exitCode != kExitDone)
    std::fprintf(stderr, "bookmarks_scaling: %s\n", outcome.text.c_str());
}

double TimeImport(const std::string& exportPath, const std::string& listPath, bool fresh) {
  if (fresh) fs::remove(listPath);
  double start = Now();
  Report(ImportBookmarks(exportPath, listPath));
  return Now() - start;
}

double TimeExport(const std::string& listPath, const std::string& htmlPath) {
  fs::remove(htmlPath);
  double start = Now();
  Report(ExportList(listPath, htmlPath));
  return Now() - start;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int32_t> sizes = ListSizesFromArguments(argc, argv);
  fs::path folder = fs::temp_directory_path() / "quillet-bookmarks-scaling";
  fs::create_directories(folder);
  const std::string exportPath = (folder / "bookmarks.html").u8string();
  const std::string listPath = (folder / "bookmarks.txt").u8string();
  const std::string htmlPath = (folder / "exported.html").u8string();
  std::vector<TimedOperation> operations = {
      {"import into a missing list", {}},
      {"import again (every website already in the list)", {}},
      {"export the list", {}}};
  for (int32_t count : sizes) {
    std::ofstream(exportPath, std::ios::binary) << ChromeShapedExport(BookmarksOf(count));
    std::vector<double> fresh, again, exported;
    for (int run = 0; run < RepeatsFor(count) + 2; ++run) {
      fresh.push_back(TimeImport(exportPath, listPath, true));
      again.push_back(TimeImport(exportPath, listPath, false));
      exported.push_back(TimeExport(listPath, htmlPath));
    }
    operations[0].seconds.push_back(Median(fresh));
    operations[1].seconds.push_back(Median(again));
    operations[2].seconds.push_back(Median(exported));
    std::printf("%s bookmarks: export file %.1f MB\n", SizeLabel(count).c_str(),
                static_cast<double>(fs::file_size(exportPath)) / 1e6);
  }
  std::printf("\n");
  PrintScalingTable(sizes, operations);
  fs::remove_all(folder);
  return 0;
}
