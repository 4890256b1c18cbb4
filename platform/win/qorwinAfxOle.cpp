// The MFC OLE classes over the layer's OLE calls. Each class hands the system a small reference-counted
// object that forwards to it and outlives it safely (it forgets its owner when the owner goes).
#include "win/AfxOle.h"
#include "qorwinComObject.h"

#include <cstring>

namespace qorwinAfxOle_detail {

// Copies a block into a new one of the same size.
HGLOBAL copyGlobal(HGLOBAL block)
{
  const SIZE_T size = GlobalSize(block);
  const void* from = GlobalLock(block);
  if (!from)
    return nullptr;
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  void* to = copy ? GlobalLock(copy) : nullptr;
  if (to) {
    std::memcpy(to, from, size);
    GlobalUnlock(copy);
  }
  GlobalUnlock(block);
  return copy;
}

FORMATETC globalFormat(CLIPFORMAT format)
{
  return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

} // namespace qorwinAfxOle_detail

using qorwinAfxOle_detail::copyGlobal;
using qorwinAfxOle_detail::globalFormat;

// The data object.

void COleDataObject::Attach(IDataObject* data, BOOL autoRelease)
{
  Release();
  m_lpDataObject = data;
  m_bAutoRelease = autoRelease;
}

IDataObject* COleDataObject::Detach()
{
  IDataObject* data = m_lpDataObject;
  m_lpDataObject = nullptr;
  return data;
}

void COleDataObject::Release()
{
  if (m_lpDataObject && m_bAutoRelease)
    m_lpDataObject->Release();
  m_lpDataObject = nullptr;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT format, FORMATETC* formatEtc)
{
  if (!m_lpDataObject)
    return FALSE;
  FORMATETC asked = formatEtc ? *formatEtc : globalFormat(format);
  asked.cfFormat = format;
  return m_lpDataObject->QueryGetData(&asked) == S_OK;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT format, FORMATETC* formatEtc)
{
  if (!m_lpDataObject)
    return nullptr;
  FORMATETC asked = formatEtc ? *formatEtc : globalFormat(format);
  asked.cfFormat = format;
  STGMEDIUM medium{TYMED_NULL, nullptr, nullptr};
  if (m_lpDataObject->GetData(&asked, &medium) != S_OK)
    return nullptr;
  if (medium.tymed != TYMED_HGLOBAL) {
    ReleaseStgMedium(&medium);
    return nullptr;
  }
  // The caller owns what it gets: a block that someone else releases is copied.
  HGLOBAL block = medium.pUnkForRelease ? copyGlobal(medium.hGlobal) : medium.hGlobal;
  if (medium.pUnkForRelease)
    ReleaseStgMedium(&medium);
  return block;
}

// The drop source.

class COleDropSourceObject : public qorwinComObject<IDropSource>
{
public:
  explicit COleDropSourceObject(COleDropSource* owner) : owner(owner) {}
  HRESULT QueryContinueDrag(BOOL escapePressed, DWORD keyState) override
  {
    return owner ? owner->QueryContinueDrag(escapePressed, keyState) : DRAGDROP_S_CANCEL;
  }
  HRESULT GiveFeedback(DWORD effect) override
  {
    return owner ? owner->GiveFeedback(effect) : DRAGDROP_S_USEDEFAULTCURSORS;
  }

  COleDropSource* owner;

};

COleDropSource::COleDropSource() : m_xDropSource(new COleDropSourceObject(this)) {}

COleDropSource::~COleDropSource()
{
  static_cast<COleDropSourceObject*>(m_xDropSource)->owner = nullptr;
  m_xDropSource->Release();
}

SCODE COleDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState)
{
  if (escapePressed)
    return DRAGDROP_S_CANCEL;
  if (!(keyState & (MK_LBUTTON | MK_RBUTTON)))
    return DRAGDROP_S_DROP;
  return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT)
{
  return DRAGDROP_S_USEDEFAULTCURSORS;
}

// The data source.

class COleDataSourceObject : public qorwinComObject<IDataObject>
{
public:
  explicit COleDataSourceObject(COleDataSource* owner) : owner(owner) {}
  HRESULT GetData(const FORMATETC* format, STGMEDIUM* medium) override
  {
    if (!format || !medium)
      return E_INVALIDARG;
    HRESULT held = QueryGetData(format);
    if (held != S_OK)
      return held;
    HGLOBAL copy = copyGlobal(owner->m_cache[format->cfFormat]);
    if (!copy)
      return E_OUTOFMEMORY;
    *medium = STGMEDIUM{TYMED_HGLOBAL, copy, nullptr};
    return S_OK;
  }
  HRESULT QueryGetData(const FORMATETC* format) override
  {
    if (!format)
      return E_INVALIDARG;
    if (!owner || !owner->m_cache.count(format->cfFormat))
      return DV_E_FORMATETC;
    return format->tymed & TYMED_HGLOBAL ? S_OK : DV_E_TYMED;
  }

  COleDataSource* owner;

};

COleDataSource::COleDataSource() : m_xDataObject(new COleDataSourceObject(this)) {}

COleDataSource::~COleDataSource()
{
  Empty();
  static_cast<COleDataSourceObject*>(m_xDataObject)->owner = nullptr;
  m_xDataObject->Release();
}

void COleDataSource::CacheGlobalData(CLIPFORMAT format, HGLOBAL block, FORMATETC*)
{
  auto found = m_cache.find(format);
  if (found != m_cache.end() && found->second != block)
    GlobalFree(found->second);
  m_cache[format] = block;
}

void COleDataSource::Empty()
{
  for (auto& entry : m_cache)
    GlobalFree(entry.second);
  m_cache.clear();
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD effects, LPCRECT, COleDropSource* dropSource)
{
  COleDropSource defaultSource;
  COleDropSource* source = dropSource ? dropSource : &defaultSource;
  DWORD effect = DROPEFFECT_NONE;
  if (::DoDragDrop(m_xDataObject, source->GetInterface(), effects, &effect) != DRAGDROP_S_DROP)
    return DROPEFFECT_NONE;
  return effect;
}

IDataObject* COleDataSource::GetDataObject()
{
  m_xDataObject->AddRef();
  return m_xDataObject;
}

// The drop target.

class COleDropTargetObject : public qorwinComObject<IDropTarget>
{
public:
  explicit COleDropTargetObject(COleDropTarget* owner) : owner(owner) {}
  HRESULT DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override
  {
    if (!effect)
      return E_INVALIDARG;
    forgetData();
    if (!owner || !data) {
      *effect = DROPEFFECT_NONE;
      return S_OK;
    }
    data->AddRef();
    owner->m_lpDataObject = data;
    return answer(keyState, point, effect, &COleDropTarget::OnDragEnter);
  }
  HRESULT DragOver(DWORD keyState, POINTL point, DWORD* effect) override
  {
    if (!effect)
      return E_INVALIDARG;
    return answer(keyState, point, effect, &COleDropTarget::OnDragOver);
  }
  HRESULT DragLeave() override
  {
    if (owner && owner->m_lpDataObject)
      owner->OnDragLeave(CWnd::FromHandle(owner->m_hWnd));
    forgetData();
    return S_OK;
  }
  HRESULT Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) override
  {
    if (!effect)
      return E_INVALIDARG;
    DWORD asked = *effect;
    *effect = DROPEFFECT_NONE;
    if (owner && data) {
      COleDataObject object;
      object.Attach(data, FALSE);
      if (owner->OnDrop(CWnd::FromHandle(owner->m_hWnd), &object, asked, clientPoint(point)))
        *effect = asked;
    }
    forgetData();
    return S_OK;
  }

  COleDropTarget* owner;

private:
  using Handler = DROPEFFECT (COleDropTarget::*)(CWnd*, COleDataObject*, DWORD, CPoint);

  CPoint clientPoint(POINTL point) const
  {
    POINT p{point.x, point.y};
    ::ScreenToClient(owner->m_hWnd, &p);
    return CPoint(p.x, p.y);
  }

  HRESULT answer(DWORD keyState, POINTL point, DWORD* effect, Handler handler)
  {
    if (!owner || !owner->m_lpDataObject) {
      *effect = DROPEFFECT_NONE;
      return S_OK;
    }
    COleDataObject object;
    object.Attach(owner->m_lpDataObject, FALSE);
    *effect &= (owner->*handler)(CWnd::FromHandle(owner->m_hWnd), &object, keyState, clientPoint(point));
    return S_OK;
  }

  void forgetData()
  {
    if (owner && owner->m_lpDataObject) {
      owner->m_lpDataObject->Release();
      owner->m_lpDataObject = nullptr;
    }
  }

};

COleDropTarget::COleDropTarget() : m_xDropTarget(new COleDropTargetObject(this)) {}

COleDropTarget::~COleDropTarget()
{
  Revoke();
  if (m_lpDataObject)
    m_lpDataObject->Release();
  static_cast<COleDropTargetObject*>(m_xDropTarget)->owner = nullptr;
  m_xDropTarget->Release();
}

BOOL COleDropTarget::Register(CWnd* window)
{
  if (!window || !window->m_hWnd || m_hWnd)
    return FALSE;
  if (RegisterDragDrop(window->m_hWnd, m_xDropTarget) != S_OK)
    return FALSE;
  m_hWnd = window->m_hWnd;
  return TRUE;
}

void COleDropTarget::Revoke()
{
  if (!m_hWnd)
    return;
  RevokeDragDrop(m_hWnd);
  m_hWnd = nullptr;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint)
{
  return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
  return DROPEFFECT_NONE;
}

void COleDropTarget::OnDragLeave(CWnd*) {}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint)
{
  return FALSE;
}
