// The layer's OLE drag and drop on plain windows: the order of the target calls along a scripted path,
// key states and effects, the data a target reads, and global memory.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "win/AfxOle.h"
#include "win/WinTest.h"
#include "win/Windows.h"

namespace imagesdndtest {

// A drop target that writes down every call and answers with a fixed effect.
class LoggingTarget : public IDropTarget
{
public:
  explicit LoggingTarget(std::string name, DWORD answer = DROPEFFECT_COPY) : name(std::move(name)), answer(answer) {}
  ULONG AddRef() override { return ++count; }
  ULONG Release() override { return --count; }
  HRESULT DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override
  {
    FORMATETC format{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    log("enter", keyState, point, data && data->QueryGetData(&format) == S_OK ? "text" : "none");
    *effect &= answer;
    return S_OK;
  }
  HRESULT DragOver(DWORD keyState, POINTL point, DWORD* effect) override
  {
    log("over", keyState, point, "");
    *effect &= answer;
    return S_OK;
  }
  HRESULT DragLeave() override
  {
    *events << name << ".leave ";
    return S_OK;
  }
  HRESULT Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override
  {
    STGMEDIUM medium{};
    FORMATETC format{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    std::string text;
    if (data->GetData(&format, &medium) == S_OK) {
      const auto* units = static_cast<const char16_t*>(GlobalLock(medium.hGlobal));
      for (const char16_t* u = units; *u; ++u)
        text += char(*u);
      GlobalUnlock(medium.hGlobal);
      ReleaseStgMedium(&medium);
    }
    log("drop", keyState, point, text);
    *effect &= answer;
    return S_OK;
  }

  std::string name;
  DWORD answer;
  ULONG count = 0;
  std::ostringstream* events = nullptr;

private:
  void log(const char* what, DWORD keyState, POINTL point, const std::string& extra)
  {
    *events << name << "." << what << "(" << keyState << "," << point.x << "," << point.y << ")" << extra << " ";
  }
};

class OleDrag : public ::testing::Test
{
protected:
  void SetUp() override
  {
    // Two windows side by side on the screen; b has a child that has no target of its own.
    a = CreateWindowExW(0, u"Static", u"a", WS_POPUP | WS_VISIBLE, 100, 100, 50, 50, nullptr, nullptr, nullptr, nullptr);
    b = CreateWindowExW(0, u"Static", u"b", WS_POPUP | WS_VISIBLE, 300, 100, 80, 80, nullptr, nullptr, nullptr, nullptr);
    child = CreateWindowExW(0, u"Static", u"c", WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, b, nullptr, nullptr, nullptr);
    targetA.events = targetB.events = &events;
    ASSERT_EQ(RegisterDragDrop(a, &targetA), S_OK);
    ASSERT_EQ(RegisterDragDrop(b, &targetB), S_OK);
  }
  void TearDown() override
  {
    RevokeDragDrop(a);
    RevokeDragDrop(b);
    qorwin::resetState();
  }

  // Text "hi" offered as Unicode text (with its zero).
  void offerText(COleDataSource& source)
  {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 6);
    std::memcpy(GlobalLock(block), u"hi", 6);
    GlobalUnlock(block);
    source.CacheGlobalData(CF_UNICODETEXT, block);
  }

  HWND a = nullptr, b = nullptr, child = nullptr;
  std::ostringstream events;
  LoggingTarget targetA{"A"}, targetB{"B"};
};

TEST_F(OleDrag, PathCallsEnterOverLeaveAndDropInOrderWithScreenPointsAndKeys)
{
  COleDataSource source;
  offerText(source);
  // A press over A, a move within it, over to B's child (B's target, as the child has none) with Ctrl
  // held, then the release there.
  qorwin::scriptDrag({{a, 5, 5, MK_LBUTTON}, {a, 6, 5, MK_LBUTTON}, {child, 1, 2, MK_LBUTTON | MK_CONTROL}});
  EXPECT_EQ(source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE), DWORD(DROPEFFECT_COPY));
  EXPECT_EQ(events.str(), "A.enter(1,105,105)text A.over(1,106,105) A.leave B.enter(9,311,112)text "
                          "B.drop(8,311,112)hi ");
  EXPECT_FALSE(qorwin::dragPending());
  EXPECT_EQ(targetB.count, 1u) << "the registry's reference only";
}

TEST_F(OleDrag, RefusalsAndEscEndWithoutADrop)
{
  struct Case
  {
    const char* what;
    DWORD answerOfB;
    bool cancel;
    const char* expected;
  };
  const Case cases[] = {
      {"B refuses", DROPEFFECT_NONE, false, "B.enter(1,301,101)text B.leave "},
      {"Esc over B", DROPEFFECT_COPY, true, "B.enter(1,301,101)text B.leave "},
  };
  for (const Case& c : cases) {
    events.str("");
    targetB.answer = c.answerOfB;
    COleDataSource source;
    offerText(source);
    qorwin::scriptDrag({{b, 1, 1, MK_LBUTTON}}, c.cancel);
    EXPECT_EQ(source.DoDragDrop(DROPEFFECT_COPY), DWORD(DROPEFFECT_NONE)) << c.what;
    EXPECT_EQ(events.str(), c.expected) << c.what;
  }

  // Without a path no target is asked; a window can hold only one target.
  events.str("");
  COleDataSource source;
  EXPECT_EQ(source.DoDragDrop(DROPEFFECT_COPY), DWORD(DROPEFFECT_NONE));
  EXPECT_EQ(events.str(), "");
  EXPECT_EQ(RegisterDragDrop(b, &targetA), DRAGDROP_E_ALREADYREGISTERED);
  EXPECT_EQ(RevokeDragDrop(child), DRAGDROP_E_NOTREGISTERED);
}

TEST(OleMemory, GlobalBlocksKeepTheirSizeAndDieOnFree)
{
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 5);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(GlobalSize(block), 5u);
  char* bytes = static_cast<char*>(GlobalLock(block));
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(std::string(bytes, 5), std::string(5, '\0'));
  EXPECT_FALSE(GlobalUnlock(block));
  EXPECT_EQ(GlobalFree(block), nullptr);
  EXPECT_EQ(GlobalSize(block), 0u);
  EXPECT_EQ(GlobalLock(block), nullptr);
}

}  // namespace imagesdndtest
