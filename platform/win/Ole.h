// OLE of the Windows layer: global memory blocks, clipboard formats, the data object, drop source and
// drop target interfaces, the drop-target registry of windows and the drag loop (DoDragDrop).
//
// The drag loop cannot follow a real pointer here: it plays the path that a test queued with
// qorwin::scriptDrag (win/WinTest.h). Without a queued path a drag ends at once, cancelled.
#pragma once

#include "win/WinMinTypes.h"

typedef LONG SCODE;
#define S_FALSE (static_cast<HRESULT>(1L))
#define E_POINTER (static_cast<HRESULT>(0x80004003L))
#define E_OUTOFMEMORY (static_cast<HRESULT>(0x8007000EL))
#define DV_E_FORMATETC (static_cast<HRESULT>(0x80040064L))
#define DV_E_TYMED (static_cast<HRESULT>(0x80040069L))
#define DRAGDROP_S_DROP (static_cast<HRESULT>(0x00040100L))
#define DRAGDROP_S_CANCEL (static_cast<HRESULT>(0x00040101L))
#define DRAGDROP_S_USEDEFAULTCURSORS (static_cast<HRESULT>(0x00040102L))
#define DRAGDROP_E_NOTREGISTERED (static_cast<HRESULT>(0x80040100L))
#define DRAGDROP_E_ALREADYREGISTERED (static_cast<HRESULT>(0x80040101L))
#define DRAGDROP_E_INVALIDHWND (static_cast<HRESULT>(0x80040102L))
#define SUCCEEDED(hr) (static_cast<HRESULT>(hr) >= 0)
#define FAILED(hr) (static_cast<HRESULT>(hr) < 0)

// Global memory. Every block has a handle of its own (also a fixed one); GlobalLock gives its bytes.
typedef HANDLE HGLOBAL;
#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)

// Null when the size cannot be had.
HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
// The block's bytes (counted locks); null for a handle that is not a live block.
LPVOID GlobalLock(HGLOBAL block);
// False once the lock count is back to 0.
BOOL GlobalUnlock(HGLOBAL block);
// Null when freed, else the handle.
HGLOBAL GlobalFree(HGLOBAL block);
// The size asked for at allocation; 0 for a handle that is not a live block.
SIZE_T GlobalSize(HGLOBAL block);

// Clipboard formats and drop effects.
typedef WORD CLIPFORMAT;
#define CF_TEXT 1
#define CF_UNICODETEXT 13
typedef DWORD DROPEFFECT;
#define DROPEFFECT_NONE 0
#define DROPEFFECT_COPY 1
#define DROPEFFECT_MOVE 2
#define DROPEFFECT_LINK 4
#define TYMED_NULL 0
#define TYMED_HGLOBAL 1
#define DVASPECT_CONTENT 1

struct POINTL
{
  LONG x;
  LONG y;
};

struct FORMATETC
{
  CLIPFORMAT cfFormat;
  void* ptd;
  DWORD dwAspect;
  LONG lindex;
  DWORD tymed;
};
typedef FORMATETC* LPFORMATETC;

struct IUnknown
{
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;

protected:
  virtual ~IUnknown() = default;
};

// A medium: a global block here. Its owner frees it with ReleaseStgMedium.
struct STGMEDIUM
{
  DWORD tymed;
  HGLOBAL hGlobal;
  IUnknown* pUnkForRelease;
};
typedef STGMEDIUM* LPSTGMEDIUM;
void ReleaseStgMedium(LPSTGMEDIUM medium);

struct IDataObject : IUnknown
{
  // Fills the medium with a new block the caller releases; DV_E_FORMATETC for a format not held.
  virtual HRESULT GetData(const FORMATETC* format, STGMEDIUM* medium) = 0;
  // S_OK when the format is held.
  virtual HRESULT QueryGetData(const FORMATETC* format) = 0;
};

struct IDropSource : IUnknown
{
  // S_OK to go on, DRAGDROP_S_DROP to drop, DRAGDROP_S_CANCEL to give up.
  virtual HRESULT QueryContinueDrag(BOOL escapePressed, DWORD keyState) = 0;
  virtual HRESULT GiveFeedback(DWORD effect) = 0;
};

// Points are in screen pixels; effect comes in as the source's allowed effects and goes out as the
// target's answer.
struct IDropTarget : IUnknown
{
  virtual HRESULT DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) = 0;
  virtual HRESULT DragOver(DWORD keyState, POINTL point, DWORD* effect) = 0;
  virtual HRESULT DragLeave() = 0;
  virtual HRESULT Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) = 0;
};

// One target per window; the registry holds a reference until the target is revoked or the layer reset.
HRESULT RegisterDragDrop(HWND window, IDropTarget* target);
HRESULT RevokeDragDrop(HWND window);
// The drag loop: DRAGDROP_S_DROP with the target's effect, or DRAGDROP_S_CANCEL with DROPEFFECT_NONE.
HRESULT DoDragDrop(IDataObject* data, IDropSource* source, DWORD okEffects, DWORD* effect);
