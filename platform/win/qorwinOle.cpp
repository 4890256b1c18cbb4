// OLE drag and drop: global memory blocks, the drop-target registry and the drag loop that plays a
// test's queued path (see win/Ole.h and win/WinTest.h).
#include "win/Ole.h"
#include "win/WinTest.h"
#include "win/WinUser.h"

#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace qorwinOle_detail {

struct Block
{
  std::vector<BYTE> bytes;
  int locks = 0;
};

struct Globals
{
  std::mutex lock;
  std::map<HGLOBAL, std::unique_ptr<Block>> blocks;
  uintptr_t nextHandle = 0x10000;
};

Globals& globals()
{
  static Globals* theGlobals = new Globals; // blocks may be freed during static destruction
  return *theGlobals;
}

Block* findBlock(HGLOBAL handle)
{
  auto found = globals().blocks.find(handle);
  return found == globals().blocks.end() ? nullptr : found->second.get();
}

struct Drags
{
  std::mutex lock;
  std::map<HWND, IDropTarget*> targets;
  std::vector<qorwin::DragStep> path;
  bool cancel = false;
  bool pending = false;
};

Drags& drags()
{
  static Drags* theDrags = new Drags;
  return *theDrags;
}

// The registered target of the window or of its nearest ancestor that has one, with a reference.
IDropTarget* targetAt(HWND window, HWND* registered)
{
  HWND desktop = GetDesktopWindow();
  for (HWND w = window; w && w != desktop && IsWindow(w); w = GetAncestor(w, GA_PARENT)) {
    std::lock_guard<std::mutex> guard(drags().lock);
    auto found = drags().targets.find(w);
    if (found != drags().targets.end()) {
      found->second->AddRef();
      *registered = w;
      return found->second;
    }
  }
  *registered = nullptr;
  return nullptr;
}

} // namespace qorwinOle_detail

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes)
{
  using namespace qorwinOle_detail;
  if (bytes > (SIZE_T(1) << 31))
    return nullptr;
  auto block = std::make_unique<Block>();
  block->bytes.assign(bytes, 0); // always zeroed: GMEM_ZEROINIT or not, nothing reads stale bytes
  (void)flags;
  std::lock_guard<std::mutex> guard(globals().lock);
  HGLOBAL handle = reinterpret_cast<HGLOBAL>(globals().nextHandle);
  globals().nextHandle += 0x10;
  globals().blocks[handle] = std::move(block);
  return handle;
}

LPVOID GlobalLock(HGLOBAL handle)
{
  using namespace qorwinOle_detail;
  std::lock_guard<std::mutex> guard(globals().lock);
  Block* block = findBlock(handle);
  if (!block)
    return nullptr;
  block->locks++;
  // A block of size 0 still gives a pointer, as the system's do.
  return block->bytes.empty() ? static_cast<LPVOID>(block) : block->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL handle)
{
  using namespace qorwinOle_detail;
  std::lock_guard<std::mutex> guard(globals().lock);
  Block* block = findBlock(handle);
  if (!block || block->locks == 0)
    return FALSE;
  return --block->locks > 0;
}

HGLOBAL GlobalFree(HGLOBAL handle)
{
  using namespace qorwinOle_detail;
  std::lock_guard<std::mutex> guard(globals().lock);
  return globals().blocks.erase(handle) ? nullptr : handle;
}

SIZE_T GlobalSize(HGLOBAL handle)
{
  using namespace qorwinOle_detail;
  std::lock_guard<std::mutex> guard(globals().lock);
  Block* block = findBlock(handle);
  return block ? block->bytes.size() : 0;
}

void ReleaseStgMedium(LPSTGMEDIUM medium)
{
  if (!medium)
    return;
  if (medium->pUnkForRelease)
    medium->pUnkForRelease->Release();
  else if (medium->tymed == TYMED_HGLOBAL && medium->hGlobal)
    GlobalFree(medium->hGlobal);
  medium->tymed = TYMED_NULL;
  medium->hGlobal = nullptr;
  medium->pUnkForRelease = nullptr;
}

HRESULT RegisterDragDrop(HWND window, IDropTarget* target)
{
  using namespace qorwinOle_detail;
  if (!target)
    return E_INVALIDARG;
  if (!IsWindow(window))
    return DRAGDROP_E_INVALIDHWND;
  std::lock_guard<std::mutex> guard(drags().lock);
  if (drags().targets.count(window))
    return DRAGDROP_E_ALREADYREGISTERED;
  target->AddRef();
  drags().targets[window] = target;
  return S_OK;
}

HRESULT RevokeDragDrop(HWND window)
{
  using namespace qorwinOle_detail;
  IDropTarget* target = nullptr;
  {
    std::lock_guard<std::mutex> guard(drags().lock);
    auto found = drags().targets.find(window);
    if (found == drags().targets.end())
      return DRAGDROP_E_NOTREGISTERED;
    target = found->second;
    drags().targets.erase(found);
  }
  target->Release();
  return S_OK;
}

HRESULT DoDragDrop(IDataObject* data, IDropSource* source, DWORD okEffects, DWORD* effect)
{
  using namespace qorwinOle_detail;
  if (!data || !source || !effect)
    return E_INVALIDARG;
  *effect = DROPEFFECT_NONE;
  // The drag holds the mouse while it runs and lets it go when it ends, so the press that started
  // it keeps no capture afterwards.
  struct Release
  {
    ~Release() { ReleaseCapture(); }
  } release;
  std::vector<qorwin::DragStep> path;
  bool cancel = false;
  {
    std::lock_guard<std::mutex> guard(drags().lock);
    if (drags().pending) {
      path.swap(drags().path);
      cancel = drags().cancel;
      drags().pending = false;
    }
  }
  if (path.empty()) {
    source->QueryContinueDrag(TRUE, 0);
    return DRAGDROP_S_CANCEL;
  }

  IDropTarget* current = nullptr;
  HWND currentWindow = nullptr;
  DWORD answer = DROPEFFECT_NONE;
  POINTL where{0, 0};
  auto leave = [&] {
    if (current) {
      current->DragLeave();
      current->Release();
      current = nullptr;
      currentWindow = nullptr;
    }
  };
  HRESULT result = S_OK;
  DWORD keyState = 0;
  for (size_t i = 0; i <= path.size() && result == S_OK; ++i) {
    if (i < path.size()) {
      const qorwin::DragStep& step = path[i];
      POINT screen{step.x, step.y};
      ClientToScreen(step.window, &screen);
      SetCursorPos(screen.x, screen.y);
      where = POINTL{screen.x, screen.y};
      keyState = step.keyState;
      HWND registered = nullptr;
      IDropTarget* under = targetAt(step.window, &registered);
      if (under && registered == currentWindow) {
        under->Release();
        answer = okEffects;
        current->DragOver(keyState, where, &answer);
      } else {
        leave();
        current = under;
        currentWindow = registered;
        answer = DROPEFFECT_NONE;
        if (current) {
          answer = okEffects;
          if (FAILED(current->DragEnter(data, keyState, where, &answer)))
            answer = DROPEFFECT_NONE;
        }
      }
      answer &= okEffects;
      source->GiveFeedback(answer);
      result = source->QueryContinueDrag(FALSE, keyState);
    } else {
      // The end of the path: Esc, or the button let go where the pointer is.
      result = cancel ? source->QueryContinueDrag(TRUE, keyState)
                      : source->QueryContinueDrag(FALSE, keyState & ~DWORD(MK_LBUTTON | MK_RBUTTON | MK_MBUTTON));
      if (result == S_OK)
        result = DRAGDROP_S_CANCEL; // a source that wants to go on past the path gives up here
    }
  }
  if (result == DRAGDROP_S_DROP && current && answer != DROPEFFECT_NONE) {
    DWORD dropped = answer;
    const DWORD releaseState = keyState & ~DWORD(MK_LBUTTON | MK_RBUTTON | MK_MBUTTON);
    if (FAILED(current->Drop(data, releaseState, where, &dropped)))
      dropped = DROPEFFECT_NONE;
    current->Release();
    current = nullptr;
    *effect = dropped & okEffects;
    return *effect != DROPEFFECT_NONE ? DRAGDROP_S_DROP : DRAGDROP_S_CANCEL;
  }
  leave();
  return DRAGDROP_S_CANCEL;
}

namespace qorwin {

void scriptDrag(const std::vector<DragStep>& path, bool cancel)
{
  using namespace qorwinOle_detail;
  std::lock_guard<std::mutex> guard(drags().lock);
  drags().path = path;
  drags().cancel = cancel;
  drags().pending = !path.empty();
}

bool dragPending()
{
  using namespace qorwinOle_detail;
  std::lock_guard<std::mutex> guard(drags().lock);
  return drags().pending;
}

bool dragAndDrop(HWND from, int x, int y, const std::vector<DragStep>& path, bool cancel)
{
  scriptDrag(path, cancel);
  setKeyDown(VK_LBUTTON, true);
  mouseMove(from, x, y);
  mouseDown(from, x, y);
  // Some sources start on the press, others once the pointer moves with the button held.
  if (dragPending())
    mouseMove(from, x + 4, y);
  setKeyDown(VK_LBUTTON, false);
  const bool ran = !dragPending();
  scriptDrag({});
  return ran;
}

} // namespace qorwin
