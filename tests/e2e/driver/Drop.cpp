#include "Drop.h"

#include "Messages.h"
#include "Text.h"
#include "platform/TestDrop.h"

namespace e2e {

void DropFiles(HWND target, const std::vector<std::wstring>& paths) {
  std::string data;
  for (const std::wstring& path : paths) {
    data += ToAnsi(path);
    data += '\0';
  }
  data += '\0';
  COPYDATASTRUCT message{};
  message.dwData = kTestDropCopyDataId;
  message.cbData = static_cast<DWORD>(data.size());
  message.lpData = data.data();
  Send(target, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&message));
}

}  // namespace e2e
