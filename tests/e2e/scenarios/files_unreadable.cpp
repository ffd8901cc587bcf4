// A playlist that exists but cannot be opened: the standard error box, the rest of the drop
// abandoned, and the player carrying on.
#include <gtest/gtest.h>

#include "files_support.h"

using namespace e2e;

namespace {

// Holds a file open without sharing, so any other open of it is refused.
class LockedFile {
 public:
  explicit LockedFile(const std::wstring& path)
      : handle_(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;
  ~LockedFile() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  bool Locked() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

// The player is alive when its thread answers at once.
bool Answers(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
}

}  // namespace

TEST(UnreadablePlaylist, DroppedOnTheBarShowsTheErrorBoxAndThePlayerCarriesOn) {
  Sandbox sandbox;
  const std::wstring a = sandbox.CopyLogSaver(L"A");
  const std::wstring before = sandbox.CopyLogSaver(L"Before");
  const std::wstring after = sandbox.CopyLogSaver(L"After");
  const std::wstring locked = sandbox.PathOf(L"locked.spls");
  WriteFileBytes(locked, ToAnsi(a) + "\r\n");
  player::Windows w = player::StartPlayer(sandbox, {}, {a});
  player::WaitForPreviewRun(sandbox, L"A", 1);
  const LockedFile lock(locked);
  ASSERT_TRUE(lock.Locked());

  DropFiles(w.bar, {before, locked, after});
  HWND box = WaitForDialog(w.processId);
  ASSERT_NE(box, nullptr) << "no error box";
  EXPECT_EQ(Text(box), L"Veilrunner");
  const std::vector<std::wstring> texts = StaticTexts(box);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].rfind(L"Datei " + locked + L" kann nicht ge", 0), 0u) << ToUtf8(texts[0]);
  EXPECT_TRUE(Answers(w.bar)) << "the box runs its own message loop";

  PressOk(box);
  EXPECT_TRUE(WaitUntilNoDialog(w.processId));
  // The screensaver dropped before the playlist was taken and selected; the rest was abandoned.
  EXPECT_EQ(ListItems(w.list), (std::vector<std::wstring>{a, before}));
  EXPECT_EQ(ListSelection(w.list), 1);
  player::WaitForPreviewRun(sandbox, L"Before", 1);
  // And it plays on: a new choice starts its preview.
  SelectListItem(w.list, 0);
  player::WaitForPreviewRun(sandbox, L"A", 2);
  EXPECT_EQ(Text(w.host), L"A");
  EXPECT_TRUE(sandbox.SaverRuns(L"After").empty());
}
