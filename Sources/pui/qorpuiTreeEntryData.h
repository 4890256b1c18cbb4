// The record a tree view shows for one node: children it owns, an id, a text, image and SVG ids, the
// enabled and expanded flags and a link to its parent; the final form adds the client's user data.
#pragma once

#include <string>

#include "pui/qorpuiEntryData.h"
#include "utils/qorutilsVector.h"

namespace qor {
namespace pui {

class BaseTreeEntryData;
using TreeEntryVector = utils::Vector<BaseTreeEntryData*>;

class BaseTreeEntryData
{
public:
  BaseTreeEntryData(const std::string& id, const std::string& text, bool enabled, bool expanded);
  BaseTreeEntryData(const std::string& id, const EntryImageIds& ids, bool enabled, bool expanded);
  BaseTreeEntryData(const std::string& id, const EntrySvgIds& ids, bool enabled, bool expanded);
  // Copies the values and flags; no children and no parent.
  BaseTreeEntryData(const BaseTreeEntryData& other);
  BaseTreeEntryData& operator=(const BaseTreeEntryData&) = delete;
  // Deletes the children, then their vector.
  virtual ~BaseTreeEntryData();

  virtual BaseTreeEntryData* parent() const;
  virtual std::string id() const;
  virtual void setId(const std::string& id);
  virtual std::string text() const;
  virtual void setText(const std::string& text);
  virtual EntryImageIds imageIds() const;
  virtual void setImageIds(const EntryImageIds& ids);
  virtual EntrySvgIds svgIds() const;
  virtual void setSvgIds(const EntrySvgIds& ids);
  virtual bool enabled() const;
  virtual void setEnabled(bool enabled);
  virtual bool expanded() const;
  virtual void setExpanded(bool expanded);
  virtual BaseTreeEntryData* clone() const = 0;

  // The owned children, which the tree views fill and read.
  TreeEntryVector* children() const { return children_; }
  void setParent(BaseTreeEntryData* parent) { parent_ = parent; }

private:
  TreeEntryVector* children_;
  std::string id_;
  std::string text_;
  EntryImageIds imageIds_;
  EntrySvgIds svgIds_;
  bool enabled_;
  bool expanded_;
  BaseTreeEntryData* parent_ = nullptr;
};

template <class UserData> class TreeEntryData;

template <> class TreeEntryData<void*> : public BaseTreeEntryData
{
public:
  TreeEntryData(const std::string& id, const std::string& text, void* userData, bool enabled, bool expanded);
  TreeEntryData(const std::string& id, const EntryImageIds& ids, void* userData, bool enabled, bool expanded);
  TreeEntryData(const std::string& id, const EntrySvgIds& ids, void* userData, bool enabled, bool expanded);
  TreeEntryData(const TreeEntryData& other);
  ~TreeEntryData() override;

  BaseTreeEntryData* clone() const override;
  virtual void* userData() const;
  virtual void setUserData(void* userData);

private:
  void* userData_;
};

}  // namespace pui
}  // namespace qor
