// Hit tests of a tool handle: at the points of its lists and at its own point, through the tool
// implementation, handed out as client hit records.
#include <memory>

#include "../artwork/artworkFixture.h"
#include "core/qorcoreHitData.h"
#include "core/qorcoreMsgEnv.h"
#include "core/qorcoreTool.h"

namespace toolHitsTest {
using artworktest::Artwork;
using qor::core::HitData;
using qor::core::Tool;

class ListTool : public qor::core::__IntToolSubclass {
public:
  explicit ListTool(ToolHandle handle)
  {
    toolHandle = handle;
    listA.pushBack(qor::aip::ArtboardPoint(50, 1));
    listA.pushBack(qor::aip::ArtboardPoint(500, 500));
  }
  qor::aip::ArtboardPoint point() const override { return own; }
  void setPoint(const qor::aip::ArtboardPoint& p) override { own = p; }
  const qor::utils::Vector<qor::aip::ArtboardPoint>* pointsA() const override { return &listA; }
  qor::aip::HitData* hitTestPointA(int32_t n, int32_t hostRequest, double tolerance) override
  {
    ++calls;
    lastRequest = hostRequest;
    return __IntToolSubclass::hitTestPointA(n, hostRequest, tolerance);
  }

  qor::utils::Vector<qor::aip::ArtboardPoint> listA;
  qor::aip::ArtboardPoint own;
  int calls = 0;
  int32_t lastRequest = 0;
};

TEST_F(Artwork, ToolHitTestsAtItsPoints)
{
  open("<path id='l' fill='none' d='M0 0 L100 0'/>");
  ToolHandle host = reinterpret_cast<ToolHandle>(0x920);
  auto* impl = new ListTool(host);
  auto* data = new qor::core::__IntToolData();
  data->hostHandle = host;
  data->impl = impl;
  qor::core::msgCoreGlobals()->toolRegistry.insert(host, data);
  {
    Tool tool(host);
    data->refCount = 1;  // the registering implementation holds no handle of its own here

    std::unique_ptr<HitData> onLine(tool.hitTestPointA(0, 0x8 | 0x20, 2));
    ASSERT_TRUE(onLine);
    EXPECT_EQ(impl->lastRequest, 0x8) << "the request reaches the implementation in the host's bits";
    EXPECT_TRUE(onLine->hit());
    EXPECT_EQ(onLine->hitPart(), 40);
    std::unique_ptr<HitData> far(tool.hitTestPointA(1, -1, 2));
    ASSERT_TRUE(far);
    EXPECT_FALSE(far->hit());

    // Outside the list: no record, and the implementation is not asked.
    for (int32_t n : {2, -1}) {
      int calls = impl->calls;
      EXPECT_EQ(tool.hitTestPointA(n, -1, 2), nullptr) << n;
      EXPECT_EQ(impl->calls, calls);
    }
    EXPECT_EQ(tool.hitTestPointB(0, -1, 2), nullptr) << "no second list";

    tool.setPoint(qor::core::ArtboardPoint(100, 1));
    EXPECT_EQ(tool.point(), qor::core::ArtboardPoint(100, 1));
    ASSERT_EQ(tool.pointsA().size(), 2u);
    EXPECT_EQ(tool.pointsA()[1], qor::core::ArtboardPoint(500, 500));
    std::unique_ptr<HitData> own(tool.hitTest(0x1, 2));
    ASSERT_TRUE(own);
    EXPECT_EQ(own->hitPart(), 10);
    EXPECT_EQ(own->segmentIndex(), 1);
  }
  Tool empty;
  EXPECT_EQ(empty.hitTest(-1, 2), nullptr);
  EXPECT_EQ(empty.point(), qor::core::ArtboardPoint(0, 0));
}

}  // namespace toolHitsTest
