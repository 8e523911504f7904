// Running out of memory while loading or saving a list: a clear notice, a consistent state and
// no file lost, never a crash. Memory runs out on demand: this program replaces the global
// allocation functions, so that a test can make exactly the k-th allocation of its own thread
// fail, and the main list can be made to answer that it has no room.
#include <gtest/gtest.h>

#include <atomic>
#include <new>
#include <string>
#include <vector>

#include "dialog_layer/dialog_layer.h"
#include "list/list_file.h"
#include "list/main_list.h"
#include "list/website_list.h"
#include "main_list_fixture.h"
#include "support/dialog_script.h"

namespace {

std::atomic<DWORD> gFailingThread{0};
std::atomic<long> gAllocationsBeforeFailure{0};
std::atomic<bool> gAllocationFailed{false};

// Makes the k-th allocation of this thread from now on fail, once. The notice watcher runs on
// this thread too, but only inside a notice's loop, and the notices here come after the
// failure, when counting has stopped: its allocations are never counted.
void FailAllocation(long k) {
  gAllocationFailed = false;
  gAllocationsBeforeFailure = k;
  gFailingThread = GetCurrentThreadId();
}

// Stops counting; true when the failure happened.
bool StopFailing() {
  gFailingThread = 0;
  return gAllocationFailed;
}

}  // namespace

void* operator new(std::size_t size) {
  if (gFailingThread == GetCurrentThreadId() && --gAllocationsBeforeFailure == 0) {
    gFailingThread = 0;
    gAllocationFailed = true;
    throw std::bad_alloc();
  }
  void* memory = HeapAlloc(GetProcessHeap(), 0, size == 0 ? 1 : size);
  if (!memory) throw std::bad_alloc();
  return memory;
}

void operator delete(void* memory) noexcept {
  if (memory) HeapFree(GetProcessHeap(), 0, memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  operator delete(memory);
}

namespace {

constexpr char kSaveNotice[] = "There is not enough memory to save the list.";

// Names that repeat in several letter cases, so that the whole fill runs, ties included.
std::string SmallList() {
  std::string file = "# a list\r\n";
  for (int i = 0; i < 12; ++i) {
    file += "http://site" + std::to_string(i) + ".example, " + (i % 3 ? "Home" : "home") +
            (i % 4 ? "" : " page") + "\r\n";
  }
  return file;
}

class ListMemory : public MainListTest {
 protected:
  std::string LoadNotice(const std::string& name) const {
    return "There is not enough memory to load the list file:\n" + PathOf(name);
  }

  // After a load that ran out of memory: nothing shown, nothing kept, nothing to save over.
  void ExpectEmptiedAndLocked(LoadOutcome outcome, const char* what) {
    EXPECT_EQ(outcome, LoadOutcome::kUnreadable) << what;
    EXPECT_EQ(gWebsiteList.file.entryCount, 0) << what;
    EXPECT_EQ(ListCount(host_, kMainListId), 0) << what;
    EXPECT_EQ(StoredEntries(gWebsiteList.file.entries), 0) << what;
    EXPECT_TRUE(gWebsiteList.listFileUnread) << what;
  }
};

TEST_F(ListMemory, EveryAllocationOfALoadMayFail) {
  WriteFileBytes("list.txt", SmallList());
  int failures = 0;
  for (long k = 1;; ++k) {
    ASSERT_LT(k, 100000) << "the load never completes";
    ClearWebsiteList();
    gWebsiteList.listFilePath = PathOf("list.txt");
    NoticeWatcher watcher;
    FailAllocation(k);
    LoadOutcome outcome = LoadListFile();
    if (!StopFailing()) {
      EXPECT_EQ(outcome, LoadOutcome::kLoaded);
      EXPECT_EQ(gWebsiteList.file.entryCount, 12);
      ExpectItemsMatchEntries();
      break;
    }
    ++failures;
    ExpectEmptiedAndLocked(outcome, ("allocation " + std::to_string(k)).c_str());
    ASSERT_TRUE(watcher.WaitForCount(1));
    EXPECT_EQ(watcher.Notices()[0].text, LoadNotice("list.txt")) << "allocation " << k;
  }
  EXPECT_GT(failures, 20) << "the load allocates in many places; each must be covered";
}

// Either nothing was written and the list is as before, or the file was written and the
// reload that follows ran out of memory; never a crash, never a half-written file.
TEST_F(ListMemory, EveryAllocationOfASaveMayFail) {
  const std::string edited = "http://new.example, New\r\nhttp://other.example, other\r\n";
  const std::string saved = "http://new.example, New\r\nhttp://other.example, other\r\n\r\n\r\n";
  int failures = 0;
  for (long k = 1;; ++k) {
    ASSERT_LT(k, 100000) << "the save never completes";
    WriteFileBytes("list.txt", SmallList());
    ClearWebsiteList();
    Load("list.txt");
    std::vector<std::string> before = ItemTexts();
    NoticeWatcher watcher;
    FailAllocation(k);
    bool result = SaveEditedText(edited, 1);
    if (!StopFailing()) {
      EXPECT_TRUE(result);
      EXPECT_EQ(FileBytes("list.txt"), saved);
      EXPECT_EQ(ItemTexts(), (std::vector<std::string>{"New", "other"}));
      break;
    }
    ++failures;
    ASSERT_TRUE(watcher.WaitForCount(1)) << "allocation " << k;
    std::string notice = watcher.Notices()[0].text;
    if (notice == kSaveNotice) {
      EXPECT_FALSE(result) << "allocation " << k;
      EXPECT_EQ(FileBytes("list.txt"), SmallList()) << "allocation " << k;
      EXPECT_EQ(ItemTexts(), before) << "allocation " << k;
      EXPECT_EQ(gWebsiteList.currentPosition, 1) << "allocation " << k;
    } else {
      EXPECT_EQ(notice, LoadNotice("list.txt")) << "allocation " << k;
      EXPECT_EQ(FileBytes("list.txt"), saved) << "allocation " << k;
      ExpectEmptiedAndLocked(LoadOutcome::kUnreadable, ("allocation " + std::to_string(k)).c_str());
    }
    EXPECT_EQ(FolderContents(), std::vector<std::string>{"list.txt"}) << "allocation " << k;
  }
  EXPECT_GT(failures, 20);
}

// A list box that has no room for more items answers LB_ERRSPACE, whether items are added
// with its search (LB_ADDSTRING) or put in place (LB_INSERTSTRING), or room is reserved for the
// items still to come (LB_INITSTORAGE: the first reservation granted, the next one, made while
// the list is half filled, refused).
WNDPROC gListBoxProcedure = nullptr;
UINT gFailingMessage = 0;
int gItemsWithRoom = 0;

LRESULT CALLBACK ListWithLittleRoom(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == gFailingMessage && gItemsWithRoom-- <= 0) return LB_ERRSPACE;
  return CallWindowProcW(gListBoxProcedure, list, message, wParam, lParam);
}

TEST_F(ListMemory, AListWithoutRoomIsReportedAndNothingIsSavedOverTheFile) {
  struct Shortage {
    UINT failing;
    int granted;  // how many times the message succeeds before it fails
    const char* what;
  };
  for (const Shortage& shortage :
       {Shortage{LB_ADDSTRING, 5, "LB_ADDSTRING"}, Shortage{LB_INSERTSTRING, 5, "LB_INSERTSTRING"},
        Shortage{LB_INITSTORAGE, 1, "LB_INITSTORAGE"}}) {
    WriteFileBytes("list.txt", SmallList());
    ClearWebsiteList();
    gListBoxProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ListWithLittleRoom)));
    gFailingMessage = shortage.failing;
    gItemsWithRoom = shortage.granted;
    NoticeWatcher watcher;
    LoadOutcome outcome = Load("list.txt");
    SetWindowLongPtrW(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gListBoxProcedure));

    EXPECT_LT(gItemsWithRoom, 0) << "no " << shortage.what << " was refused";
    ExpectEmptiedAndLocked(outcome, shortage.what);
    ASSERT_TRUE(watcher.WaitForCount(1));
    EXPECT_EQ(watcher.Notices()[0].text, LoadNotice("list.txt"));
    EXPECT_EQ(watcher.Notices()[0].icon, static_cast<UINT>(MB_ICONERROR));
    EXPECT_FALSE(SaveEditedText("http://x.example\r\n", 1)) << "the file's list was never shown";
    EXPECT_EQ(FileBytes("list.txt"), SmallList());
  }
}

// A file bigger than the program can hold is not read at all. The file is sparse: it takes
// no room on the disk.
TEST_F(ListMemory, AFileTooBigToHoldIsReported) {
  HANDLE file = CreateFileW(ToWide(PathOf("huge.txt")).c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  LARGE_INTEGER size;
  size.QuadPart = (int64_t{1} << 30) + 1;
  ASSERT_TRUE(SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file));
  CloseHandle(file);

  NoticeWatcher watcher;
  ExpectEmptiedAndLocked(Load("huge.txt"), "a file of 1 GB and one byte");
  ASSERT_TRUE(watcher.WaitForCount(1));
  EXPECT_EQ(watcher.Notices()[0].text, LoadNotice("huge.txt"));
}

}  // namespace
