// The clipboard of the process: one block per format, owned by the clipboard once set, opened by one
// window (or by the thread, for a null owner) at a time.
#include "qorwinState.h"
#include "win/Ole.h"
#include "win/WinUser.h"

#include <map>
#include <mutex>

namespace qorwinClipboard_detail {

struct Clipboard
{
  std::mutex lock;
  bool open = false;
  DWORD openThread = 0;
  HWND opener = nullptr;
  HWND owner = nullptr;
  std::map<UINT, HANDLE> blocks;
};

Clipboard& clipboard()
{
  static Clipboard* theClipboard = new Clipboard;
  return *theClipboard;
}

// Whether the calling thread holds the clipboard open (lock held).
bool heldLocked(const Clipboard& c)
{
  return c.open && c.openThread == GetCurrentThreadId();
}

void freeBlocksLocked(Clipboard& c)
{
  for (auto& entry : c.blocks)
    if (entry.second)
      GlobalFree(entry.second);
  c.blocks.clear();
}

} // namespace qorwinClipboard_detail

BOOL OpenClipboard(HWND owner)
{
  using namespace qorwinClipboard_detail;
  Clipboard& c = clipboard();
  std::lock_guard<std::mutex> guard(c.lock);
  if (c.open && !heldLocked(c)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  c.open = true;
  c.openThread = GetCurrentThreadId();
  c.opener = owner;
  return TRUE;
}

BOOL CloseClipboard()
{
  using namespace qorwinClipboard_detail;
  Clipboard& c = clipboard();
  std::lock_guard<std::mutex> guard(c.lock);
  if (!heldLocked(c))
    return FALSE;
  c.open = false;
  c.opener = nullptr;
  return TRUE;
}

BOOL EmptyClipboard()
{
  using namespace qorwinClipboard_detail;
  Clipboard& c = clipboard();
  std::lock_guard<std::mutex> guard(c.lock);
  if (!heldLocked(c))
    return FALSE;
  freeBlocksLocked(c);
  c.owner = c.opener;
  return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data)
{
  using namespace qorwinClipboard_detail;
  Clipboard& c = clipboard();
  std::lock_guard<std::mutex> guard(c.lock);
  if (!heldLocked(c) || !data)
    return nullptr;
  auto it = c.blocks.find(format);
  if (it != c.blocks.end() && it->second && it->second != data)
    GlobalFree(it->second);
  c.blocks[format] = data;
  return data;
}

HANDLE GetClipboardData(UINT format)
{
  using namespace qorwinClipboard_detail;
  Clipboard& c = clipboard();
  std::lock_guard<std::mutex> guard(c.lock);
  if (!heldLocked(c))
    return nullptr;
  auto it = c.blocks.find(format);
  return it == c.blocks.end() ? nullptr : it->second;
}

BOOL IsClipboardFormatAvailable(UINT format)
{
  using namespace qorwinClipboard_detail;
  Clipboard& c = clipboard();
  std::lock_guard<std::mutex> guard(c.lock);
  return c.blocks.count(format) ? TRUE : FALSE;
}

HWND GetClipboardOwner()
{
  using namespace qorwinClipboard_detail;
  Clipboard& c = clipboard();
  std::lock_guard<std::mutex> guard(c.lock);
  return c.owner;
}
