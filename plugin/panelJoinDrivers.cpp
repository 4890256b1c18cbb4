#include "panelJoinDrivers.h"

#include <algorithm>
#include <memory>

#include "aip/qoraipArtSuites.h"
#include "aip/qoraipDocument.h"
#include "core/qorcoreArt.h"
#include "core/qorcoreCurrentDocument.h"
#include "core/qorcoreLayer.h"
#include "panelJoin.h"
#include "sdk/qoraiHostUnicodeString.h"

namespace panel {

std::vector<ArtHandle> selectedPaths;
std::vector<ArtHandle> otherPaths;
const UserSuite* userSuite = nullptr;

namespace panelJoinDrivers_detail {

constexpr int16_t kHostGroupType = 1;
constexpr int16_t kHostPathType = 2;

bool cancelled()
{
  return userSuite && userSuite->isProgressCancelled() != 0;
}

void progressUpdate(int32_t current, int32_t maximum)
{
  if (userSuite)
    userSuite->updateProgress(current, maximum);
}

void progressText(const char* text)
{
  if (!userSuite)
    return;
  ai::HostUnicodeString message(text, ai::HostUnicodeString::kPlatform);
  userSuite->setProgressText(message.handle());
}

void progressClose()
{
  if (userSuite)
    userSuite->closeProgress();
}

void selectAndClose(ArtHandle path, double distance, double angle, double smooth, double scale)
{
  // A path is selected as the art record selects it: itself and, were it a group, its children.
  int16_t type = 0;
  const ArtSuite* suite = qor::aip::artSuite;
  if (suite && suite->getArtType(path, &type) == 0 && type == kHostPathType) {
    suite->setArtUserAttributes(path, 0x9, 0x9);
  } else {
    qor::core::Art art(path);
    art.select();
  }
  closeIfEndsMeet(path, distance, angle, smooth, scale);
}

// Holds the art of a path while a driver works on it, so that the pair joins, which take the art
// again and again, find it held instead of making it afresh each time.
class Held {
public:
  explicit Held(ArtHandle path) : art_(path) {}

private:
  qor::core::Art art_;
};

// A pair join with both paths held.
bool tryHeldPair(ArtHandle& a, ArtHandle& b, double distance, double angle, double smooth, double straight)
{
  Held heldB(b);
  return tryJoinPair(a, b, distance, angle, smooth, straight);
}

int32_t bezierCountOf(ArtHandle path)
{
  qor::core::Art art(path);
  return art.path() ? art.path()->bezierCount() : 0;
}

// collectPaths straight over the host's art tree, without an art record for every child.
void collectHostPaths(ArtHandle group, std::vector<ArtHandle>& selected, std::vector<ArtHandle>& other)
{
  const ArtSuite* art = qor::aip::artSuite;
  const PathSuite* path = qor::aip::pathSuite;
  ArtHandle child = nullptr;
  if (art->getArtFirstChild(group, &child) != 0)
    child = nullptr;
  while (child) {
    int16_t type = 0;
    if (art->getArtType(child, &type) != 0)
      type = 0;
    int32_t attrs = 0;
    if ((type == kHostGroupType || type == kHostPathType) && art->getArtUserAttributes(child, 0x7, &attrs) != 0)
      attrs = 0;
    if (type == kHostGroupType) {
      if (!(attrs & 0x6))
        collectHostPaths(child, selected, other);
    } else if (type == kHostPathType) {
      bool8 closed = 0;
      int16_t n = 0;
      const bool isClosed = path->getPathClosed(child, &closed) == 0 && closed;
      if (path->getSegmentCount(child, &n) != 0)
        n = 0;
      if (!isClosed && n >= 2)
        ((attrs & 0x1) ? selected : other).push_back(child);
    }
    ArtHandle next = nullptr;
    if (art->getArtNextSibling(child, &next) != 0)
      next = nullptr;
    child = next;
  }
}

}  // namespace panelJoinDrivers_detail

void collectPaths(const qor::core::Art& group, std::vector<ArtHandle>& selected, std::vector<ArtHandle>& other)
{
  std::unique_ptr<qor::core::Art> child(group.firstChild());
  while (child && !child->isEmpty()) {
    switch (child->type()) {
    case qor::core::ArtTypeGroup:
      if (!child->locked() && !child->hidden())
        collectPaths(*child, selected, other);
      break;
    case qor::core::ArtTypePath: {
      qor::core::Art::Path* path = child->path();
      if (path && !path->closed() && path->bezierCount() >= 1)
        (child->selected() ? selected : other).push_back(child->hostHandle());
      break;
    }
    default:
      break;
    }
    child.reset(child->nextSibling());
  }
}

void gatherOpenPaths()
{
  acquireHostSuites();
  selectedPaths.clear();
  otherPaths.clear();
  qor::core::CurrentDocument document;
  std::unique_ptr<qor::core::Layer> layer = document.firstLayer();
  while (layer && !layer->isEmpty()) {
    if (layer->visible() && !layer->locked()) {
      std::unique_ptr<qor::core::Art> group(layer->firstArt());
      if (group && !group->isEmpty() && !group->hidden() && !group->locked()) {
        if (qor::aip::artSuite && qor::aip::pathSuite && group->hostHandle())
          panelJoinDrivers_detail::collectHostPaths(group->hostHandle(), selectedPaths, otherPaths);
        else
          collectPaths(*group, selectedPaths, otherPaths);
      }
    }
    layer.reset(layer->nextLayer());
  }
  std::reverse(selectedPaths.begin(), selectedPaths.end());
  std::reverse(otherPaths.begin(), otherPaths.end());
}

void runJunctate(double distance, double angle, double smooth, double straight)
{
  using namespace panelJoinDrivers_detail;
  gatherOpenPaths();
  const size_t n = selectedPaths.size();
  if (n == 0)
    return;
  if (n == 1) {
    selectedPaths.clear();
    return;
  }
  qor::core::CurrentDocument().deselectAll();
  progressText("Junctating paths...");
  bool stopped = false;
  JoinPartners partners(selectedPaths, distance);
  const double scale = qor::aip::Document::currentScaleFactor();
  for (size_t i = 0; i + 1 < n; ++i) {
    ArtHandle a = selectedPaths[i];
    if (!a)
      continue;
    if (cancelled()) {
      stopped = true;
      break;
    }
    progressUpdate(static_cast<int32_t>(i), static_cast<int32_t>(n - 1));
    // After every join a's free end has changed, so the scan starts again; a is done once a whole
    // scan joins nothing. Entries without an end near a's cannot join it and are not visited.
    {
      // The indexed join reads the host's paths directly and needs no art held.
      std::unique_ptr<Held> heldA(partners.indexed() ? nullptr : new Held(a));
      for (bool joined = true; joined;) {
        joined = false;
        for (size_t j : partners.of(a, i + 1)) {
          ArtHandle b = selectedPaths[j];
          if (b && (partners.indexed() ? partners.joinEntry(a, j, angle, smooth, straight)
                                       : tryHeldPair(a, b, distance, angle, smooth, straight))) {
            joined = true;
            break;
          }
        }
      }
      selectAndClose(a, distance, angle, smooth, scale);
    }
  }
  if (!stopped && selectedPaths[n - 1])
    selectAndClose(selectedPaths[n - 1], distance, angle, smooth, scale);
  progressClose();
  selectedPaths.clear();
  otherPaths.clear();
}

void runAssimilate(double distance, double angle, double smooth, double straight)
{
  using namespace panelJoinDrivers_detail;
  gatherOpenPaths();
  const size_t nSelected = selectedPaths.size();
  const size_t nOther = otherPaths.size();
  progressText("Assimilating paths...");
  JoinPartners partners(otherPaths, distance);
  for (size_t i = 0; i < nSelected; ++i) {
    ArtHandle a = selectedPaths[i];
    if (!a)
      continue;
    Held heldA(a);
    // Taken once, before any absorption: the pre-check skips partners that would pass the limit.
    const int32_t bezierCountA = bezierCountOf(a);
    // Only the partners near a's ends are visited, each with a cancel test and a progress step.
    bool stop = false;
    for (bool joined = true; joined && !stop;) {
      joined = false;
      for (size_t j : partners.of(a, 0)) {
        ArtHandle b = otherPaths[j];
        if (!b)
          continue;
        if (cancelled()) {
          stop = true;
          break;
        }
        progressUpdate(static_cast<int32_t>(j), static_cast<int32_t>(nOther));
        Held heldB(b);
        if (bezierCountA + bezierCountOf(b) > maxJoinedSegments)
          continue;
        if (partners.indexed() ? partners.joinEntry(a, j, angle, smooth, straight)
                               : tryJoinPair(a, b, distance, angle, smooth, straight)) {
          joined = true;
          break;
        }
      }
    }
    if (cancelled())
      break;
    selectAndClose(a, distance, angle, smooth, qor::aip::Document::currentScaleFactor());
  }
  progressClose();
  selectedPaths.clear();
  otherPaths.clear();
}

}  // namespace panel
