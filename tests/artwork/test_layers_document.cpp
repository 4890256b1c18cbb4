// Layers and the current document, through the plug-in running in the simulated host.
#include <memory>
#include <string>
#include <vector>

#include "aip/qoraipArtboard.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipDocumentView.h"
#include "aip/qoraipIllustrator.h"
#include "artworkFixture.h"
#include "core/qorcoreArt.h"
#include "core/qorcoreArtboard.h"
#include "core/qorcoreCurrentDocument.h"
#include "core/qorcoreLayer.h"

namespace layersDocumentTest {
using artworktest::Artwork;
using qor::core::Art;
using qor::core::CurrentDocument;
using qor::core::Layer;

const char* kLayers = "<g id='back' data-name='Back'><path id='b1' d='M0 0 L1 1'/></g>"
                      "<g id='mid' data-name='Mid' data-locked='true'><path id='m1' d='M0 0 L2 2'/></g>"
                      "<g id='top' data-name='Top' display='none'><path id='t1' d='M0 0 L3 3'/></g>";

std::vector<std::string> titles(const Layer& first)
{
  std::vector<std::string> out;
  Layer::Iterator it;
  first.begin(it);
  for (; !it.atEnd(); it.next()) {
    std::unique_ptr<Layer> l(it.layer());
    out.push_back(l->title());
  }
  return out;
}

TEST_F(Artwork, LayersWalkInOrderWithTheirStates)
{
  open(kLayers);
  CurrentDocument doc;
  EXPECT_EQ(doc.layerCount(), 3);
  std::unique_ptr<Layer> first = doc.firstLayer();
  ASSERT_TRUE(first);
  EXPECT_EQ(titles(*first), (std::vector<std::string>{"Top", "Mid", "Back"}));
  std::unique_ptr<Layer> last = doc.layerAt(2);
  EXPECT_EQ(titles(*last), (std::vector<std::string>{"Back"})) << "a walk from the last layer yields one";
  EXPECT_FALSE(doc.layerAt(3));
  EXPECT_FALSE(doc.layerAt(-1));

  EXPECT_FALSE(first->visible());
  std::unique_ptr<Layer> mid = doc.layerAt(1);
  EXPECT_TRUE(mid->locked());
  EXPECT_FALSE(mid->editable());
  EXPECT_TRUE(last->editable());
  // A layer whose group art is locked is not editable even when the host calls the layer editable.
  std::unique_ptr<Art> group(last->firstArt());
  group->setLocked(true);
  EXPECT_FALSE(last->editable());
  EXPECT_TRUE(last->locked());

  // Handles made apart share one record; a title set through one is seen through the other.
  std::unique_ptr<Layer> again = doc.layerAt(0);
  EXPECT_TRUE(again->equals(*first));
  EXPECT_EQ(again->data(), first->data());
  again->setTitle("Renamed");
  EXPECT_EQ(first->title(), "Renamed");
  first->setVisible(true);
  EXPECT_TRUE(again->visible());
}

TEST_F(Artwork, SelectionQueriesAndDeselectAll)
{
  hostsim::Document* model = open(kLayers);
  hostsim::Layer* back = model->layers[2];
  hostsim::Layer* sub = model->addSublayer(back, true);
  hostsim::Art* deep = model->newPath({{{5, 5}, {5, 5}, {5, 5}, true}}, false);
  sub->group->insertFirst(deep);
  CurrentDocument doc;
  EXPECT_FALSE(doc.anyLayerHasSelectedArt());
  Art(handleOf(deep)).select();
  EXPECT_TRUE(doc.anyLayerHasSelectedArt()) << "the host counts selection in sublayers";
  Art(handleOf(model->findById("m1"))).select();
  doc.deselectAll();
  EXPECT_FALSE(doc.anyLayerHasSelectedArt());
  EXPECT_FALSE(deep->attrs & hostsim::Art::kSelected);
}

TEST_F(Artwork, ADocumentWithoutLayersAnswersAtOnce)
{
  hostsim::Document* model = open("");
  while (!model->layers.empty())
    model->deleteLayer(model->layers.front());
  CurrentDocument doc;
  EXPECT_EQ(doc.layerCount(), 0);
  // A count of 0 asks no layer; an unsigned "count - 1" would walk four billion indexes.
  EXPECT_FALSE(doc.anyLayerHasSelectedArt());
  EXPECT_FALSE(doc.firstLayer());
  doc.deselectAll();
}

TEST_F(Artwork, WithoutADocumentEverythingIsEmpty)
{
  CurrentDocument doc;
  EXPECT_EQ(doc.layerCount(), 0);
  EXPECT_FALSE(doc.anyLayerHasSelectedArt());
  EXPECT_FALSE(doc.firstLayer());
  EXPECT_FALSE(doc.layerAt(0));
  doc.deselectAll();
  Layer::Iterator it;
  EXPECT_TRUE(it.atEnd());
}

TEST_F(Artwork, SwitchingDocumentsRebuildsTheWrapper)
{
  hostsim::Document* one = open("<path id='a' d='M0 0 L1 1'/>");
  qor::aip::Illustrator* app = qor::aip::Illustrator::instance();
  ASSERT_TRUE(app);
  qor::aip::Document* first = app->currentDocument();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->scaleFactor(), 1.0);
  DocumentHandle firstHandle = first->handle();
  hostsim::Document* two = open("");
  qor::aip::Document* second = app->currentDocument();
  ASSERT_TRUE(second);
  EXPECT_NE(second->handle(), firstHandle);
  hostsim::Workspace::instance().close(two);
  hostsim::Workspace::instance().close(one);
  EXPECT_EQ(app->currentDocument(), nullptr);
}

TEST_F(Artwork, LayerDissolveAndDelete)
{
  hostsim::Document* model = open(kLayers);
  hostsim::Layer* sub = model->addSublayer(model->layers[0], false);
  CurrentDocument doc;
  std::unique_ptr<Layer> top = doc.firstLayer();
  EXPECT_FALSE(top->dissolveSublayer()) << "a top-level layer does not dissolve";
  std::unique_ptr<Layer> child(top->firstSublayer());
  ASSERT_TRUE(child);
  Layer copy(*child);
  ASSERT_TRUE(child->dissolveSublayer());
  EXPECT_TRUE(child->isEmpty());
  EXPECT_TRUE(copy.isEmpty()) << "every handle of the layer becomes empty";
  EXPECT_TRUE(sub->dead());

  std::unique_ptr<Layer> back = doc.layerAt(2);
  EXPECT_TRUE(back->deleteLayer());
  EXPECT_FALSE(back->deleteLayer()) << "deleted once, refused after";
  EXPECT_EQ(doc.layerCount(), 2);
}

TEST_F(Artwork, ArtboardsReportTheirExistenceAndTakeTheirSetters)
{
  open("<rect width='10' height='10'/>");
  qor::aip::Artboard board(0);
  EXPECT_FALSE(board.properties().isNull());
  EXPECT_TRUE(board.isActive());
  qor::aip::Artboard missing(5);
  EXPECT_TRUE(missing.properties().isNull()) << "an index past the list has no properties";
  EXPECT_EQ(missing.bounds().size.width, 0);

  board.setBounds(qor::aip::ArtboardRect(10, 20, 300, 400));
  qor::aip::ArtboardRect r = board.bounds();
  EXPECT_EQ(r.origin.x, 10);
  EXPECT_EQ(r.origin.y, 20);
  EXPECT_EQ(r.size.height, 400);
  board.setRulerOrigin(qor::aip::ArtboardPoint(3, 4));
  EXPECT_EQ(board.rulerOrigin().y, 4) << "the ruler origin travels without a sign change";
  board.setName("Main");
  EXPECT_EQ(board.name(), "Main");
  EXPECT_TRUE(board.equals(&board));
  EXPECT_FALSE(board.deleteArtboard()) << "the host keeps its last artboard";
}

TEST_F(Artwork, ArtboardHandlesShareARecordPerIndex)
{
  open("<rect width='10' height='10'/>");
  qor::core::Artboard first = qor::core::wrapArtboard(new qor::aip::Artboard(0));
  qor::core::Artboard second = qor::core::wrapArtboard(new qor::aip::Artboard(0));
  EXPECT_EQ(first.data(), second.data());
  EXPECT_TRUE(first.equals(second));
  EXPECT_TRUE(first.valid());
  EXPECT_FALSE(qor::core::wrapArtboard(new qor::aip::Artboard(1)).valid()) << "no artboard at index 1";
  first.setBounds(qor::core::ArtboardRect(qor::aip::ArtboardRect(0, 0, 50, 60)));
  EXPECT_EQ(second.bounds().bottom(), 60) << "the setter reached the artboard";
  second.setName("Cover");
  EXPECT_EQ(first.name(), "Cover");
  EXPECT_TRUE(first.isActive());
}

TEST_F(Artwork, LayerIteratorsComeByValueAndFromTheHostFacingLayer)
{
  open(kLayers);
  CurrentDocument doc;
  std::unique_ptr<Layer> mid = doc.layerAt(1);
  std::vector<std::string> seen;
  for (Layer::Iterator it = mid->begin(); !it.atEnd(); it.next())
    seen.push_back(std::unique_ptr<Layer>(it.layer())->title());
  EXPECT_EQ(seen, (std::vector<std::string>{"Mid", "Back"}));

  // The host-facing walk starts at the layer it is asked of and leaves that layer to its owner.
  std::unique_ptr<qor::aip::Layer> top(qor::aip::Illustrator::instance()->currentDocument()->firstLayer());
  ASSERT_TRUE(top);
  std::unique_ptr<qor::aip::LayerIterator> walk(top->layerIterator());
  seen.clear();
  for (; !walk->atEnd(); walk->next())
    seen.push_back(walk->current()->title());
  EXPECT_EQ(seen, (std::vector<std::string>{"Top", "Mid", "Back"}));
  walk.reset();
  EXPECT_EQ(top->title(), "Top");

  qor::aip::Layer* nothing = nullptr;
  Layer::Iterator none = Layer::LayerFromImpl(nothing).begin();
  EXPECT_TRUE(none.atEnd()) << "an empty layer's walk is over at once";
}

TEST_F(Artwork, AnArtboardListsTheArtThatOverlapsIt)
{
  hostsim::Document* doc = open("<path id='in' d='M10 10 L20 20'/>"
                                "<path id='far' d='M5000 5000 L5010 5010'/>"
                                "<g id='mixed'><path id='gin' d='M30 30 L40 40'/><path id='gfar' d='M6000 6000 L6010 6010'/></g>"
                                "<g id='away'><path id='aw' d='M7000 7000 L7010 7010'/></g>");
  qor::core::Artboard board = qor::core::wrapArtboard(new qor::aip::Artboard(0));
  std::vector<ArtHandle> found;
  for (const auto& art : board.art())
    found.push_back(art->hostHandle());
  // Topmost first, and inside a group before what lies under it; groups themselves are never listed.
  EXPECT_EQ(found, (std::vector<ArtHandle>{handleOf(doc->findById("gin")), handleOf(doc->findById("in"))}));

  qor::core::Artboard beyond = qor::core::wrapArtboard(new qor::aip::Artboard(3));
  EXPECT_TRUE(beyond.art().empty()) << "an index without an artboard has empty bounds";
}

TEST_F(Artwork, ViewsZoomAndConvert)
{
  open("");
  qor::aip::Document* doc = qor::aip::Illustrator::instance()->currentDocument();
  ASSERT_TRUE(doc);
  EXPECT_EQ(doc->viewCount(), 1);
  qor::aip::DocumentView* view = doc->currentView();
  ASSERT_TRUE(view);
  EXPECT_EQ(view->setZoom(2), 0);
  EXPECT_EQ(view->zoom(), 2);
  EXPECT_NE(view->setZoom(0), 0) << "a zoom of 0 is refused";
  EXPECT_EQ(view->zoom(), 2);
  qor::aip::ArtboardPoint p(10, 20);
  qor::aip::ArtboardPoint back = view->viewPointToArtworkPoint(view->artworkPointToViewPoint(p));
  EXPECT_NEAR(back.x, 10, 0.5);
  EXPECT_NEAR(back.y, 20, 0.5);
  EXPECT_FALSE(doc->viewAt(1));
}

}  // namespace layersDocumentTest
