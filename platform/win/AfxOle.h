// The MFC OLE classes of the Windows layer: a data object seen by a drop target, a data source that
// offers global blocks and runs the drag loop, the drag source's answers and a window's drop target.
#pragma once

#include "win/Afx.h"
#include "win/Ole.h"

#include <map>

// A data object handed to a drop target; it does not own what it is attached to unless asked.
class COleDataObject
{
public:
  COleDataObject() = default;
  COleDataObject(const COleDataObject&) = delete;
  COleDataObject& operator=(const COleDataObject&) = delete;
  ~COleDataObject() { Release(); }

  void Attach(IDataObject* data, BOOL autoRelease = TRUE);
  IDataObject* Detach();
  void Release();
  BOOL IsDataAvailable(CLIPFORMAT format, FORMATETC* formatEtc = nullptr);
  // A new global block with the data of that format, which the caller frees; null when not offered.
  HGLOBAL GetGlobalData(CLIPFORMAT format, FORMATETC* formatEtc = nullptr);

  IDataObject* m_lpDataObject = nullptr;
  BOOL m_bAutoRelease = TRUE;
};

// The answers of a drag's source: go on while the left button is held, drop when it is let go, give
// up on Esc.
class COleDropSource : public CCmdTarget
{
public:
  COleDropSource();
  ~COleDropSource() override;
  virtual SCODE QueryContinueDrag(BOOL escapePressed, DWORD keyState);
  virtual SCODE GiveFeedback(DROPEFFECT effect);
  IDropSource* GetInterface() { return m_xDropSource; }

private:
  IDropSource* m_xDropSource;
};

// Data offered by a drag: global blocks by format, owned (and freed) by the source.
class COleDataSource : public CCmdTarget
{
public:
  COleDataSource();
  ~COleDataSource() override;

  // Takes the block over; a block already cached for the format is freed.
  void CacheGlobalData(CLIPFORMAT format, HGLOBAL block, FORMATETC* formatEtc = nullptr);
  void Empty();
  // Runs the drag loop with this data; the effect the target chose, DROPEFFECT_NONE when cancelled.
  DROPEFFECT DoDragDrop(DWORD effects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                        LPCRECT startRect = nullptr, COleDropSource* dropSource = nullptr);
  // The data object (a new reference).
  IDataObject* GetDataObject();

private:
  friend class COleDataSourceObject;
  std::map<CLIPFORMAT, HGLOBAL> m_cache;
  IDataObject* m_xDataObject;
};

// A window's drop target. The handlers get the pointer in the window's client pixels.
class COleDropTarget : public CCmdTarget
{
public:
  COleDropTarget();
  ~COleDropTarget() override;

  BOOL Register(CWnd* window);
  void Revoke();
  virtual DROPEFFECT OnDragEnter(CWnd* window, COleDataObject* data, DWORD keyState, CPoint point);
  virtual DROPEFFECT OnDragOver(CWnd* window, COleDataObject* data, DWORD keyState, CPoint point);
  virtual void OnDragLeave(CWnd* window);
  virtual BOOL OnDrop(CWnd* window, COleDataObject* data, DROPEFFECT effect, CPoint point);

  HWND m_hWnd = nullptr;

private:
  friend class COleDropTargetObject;
  IDropTarget* m_xDropTarget;
  IDataObject* m_lpDataObject = nullptr; // the data of the drag now over the window
};
