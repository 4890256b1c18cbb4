// The records a column view shows for one row, and a tree-column view for one node: an id, one text,
// image-id set and SVG-id pair per column, the enabled flag (and for the tree form the expanded flag,
// owned children and the parent link); the final forms add one user-data pointer per column.
#pragma once

#include <string>
#include <vector>

#include "pui/qorpuiEntryData.h"
#include "utils/qorutilsVector.h"

namespace qor {
namespace pui {

using ColumnTexts = std::vector<std::string>;
using ColumnImageIds = std::vector<EntryImageIds>;
using ColumnSvgIds = std::vector<EntrySvgIds>;
using ColumnUserData = std::vector<void*>;

class BaseColumnEntryData
{
public:
  BaseColumnEntryData(const std::string& id, const ColumnTexts& texts, const ColumnImageIds& imageIds, bool enabled);
  BaseColumnEntryData(const std::string& id, const ColumnTexts& texts, const ColumnSvgIds& svgIds, bool enabled);
  BaseColumnEntryData(const BaseColumnEntryData& other);
  BaseColumnEntryData& operator=(const BaseColumnEntryData&) = delete;
  virtual ~BaseColumnEntryData();

  virtual std::string id() const;
  virtual void setId(const std::string& id);
  virtual ColumnTexts texts() const;
  virtual void setTexts(const ColumnTexts& texts);
  virtual ColumnImageIds imageIds() const;
  virtual void setImageIds(const ColumnImageIds& ids);
  virtual ColumnSvgIds svgIds() const;
  virtual void setSvgIds(const ColumnSvgIds& ids);
  virtual bool enabled() const;
  virtual void setEnabled(bool enabled);
  virtual BaseColumnEntryData* clone() const = 0;

private:
  std::string id_;
  ColumnTexts texts_;
  ColumnImageIds imageIds_;
  ColumnSvgIds svgIds_;
  bool enabled_;
};

class ColumnEntryData : public BaseColumnEntryData
{
public:
  ColumnEntryData(const std::string& id, const ColumnTexts& texts, const ColumnImageIds& imageIds,
                  const ColumnUserData& userData, bool enabled);
  ColumnEntryData(const std::string& id, const ColumnTexts& texts, const ColumnSvgIds& svgIds,
                  const ColumnUserData& userData, bool enabled);
  ColumnEntryData(const ColumnEntryData& other);
  ~ColumnEntryData() override;

  BaseColumnEntryData* clone() const override;
  virtual ColumnUserData userData() const;
  virtual void setUserData(const ColumnUserData& data);

private:
  ColumnUserData userData_;
};

class BaseTreeColumnEntryData;
using TreeColumnEntryVector = utils::Vector<BaseTreeColumnEntryData*>;

class BaseTreeColumnEntryData
{
public:
  BaseTreeColumnEntryData(const std::string& id, const ColumnTexts& texts, const ColumnImageIds& imageIds,
                          bool enabled, bool expanded);
  BaseTreeColumnEntryData(const std::string& id, const ColumnTexts& texts, const ColumnSvgIds& svgIds, bool enabled,
                          bool expanded);
  // Copies the values and flags; no children and no parent.
  BaseTreeColumnEntryData(const BaseTreeColumnEntryData& other);
  BaseTreeColumnEntryData& operator=(const BaseTreeColumnEntryData&) = delete;
  // Deletes the children, then their vector.
  virtual ~BaseTreeColumnEntryData();

  virtual BaseTreeColumnEntryData* parent() const;
  virtual std::string id() const;
  virtual void setId(const std::string& id);
  virtual ColumnTexts texts() const;
  virtual void setTexts(const ColumnTexts& texts);
  virtual ColumnImageIds imageIds() const;
  virtual void setImageIds(const ColumnImageIds& ids);
  virtual ColumnSvgIds svgIds() const;
  virtual void setSvgIds(const ColumnSvgIds& ids);
  virtual bool enabled() const;
  virtual void setEnabled(bool enabled);
  virtual bool expanded() const;
  virtual void setExpanded(bool expanded);
  virtual BaseTreeColumnEntryData* clone() const = 0;

  TreeColumnEntryVector* children() const { return children_; }
  void setParent(BaseTreeColumnEntryData* parent) { parent_ = parent; }

private:
  TreeColumnEntryVector* children_;
  std::string id_;
  ColumnTexts texts_;
  ColumnImageIds imageIds_;
  ColumnSvgIds svgIds_;
  bool enabled_;
  bool expanded_;
  BaseTreeColumnEntryData* parent_ = nullptr;
};

class TreeColumnEntryData : public BaseTreeColumnEntryData
{
public:
  TreeColumnEntryData(const std::string& id, const ColumnTexts& texts, const ColumnImageIds& imageIds,
                      const ColumnUserData& userData, bool enabled, bool expanded);
  TreeColumnEntryData(const std::string& id, const ColumnTexts& texts, const ColumnSvgIds& svgIds,
                      const ColumnUserData& userData, bool enabled, bool expanded);
  TreeColumnEntryData(const TreeColumnEntryData& other);
  ~TreeColumnEntryData() override;

  BaseTreeColumnEntryData* clone() const override;
  virtual ColumnUserData userData() const;
  virtual void setUserData(const ColumnUserData& data);

private:
  ColumnUserData userData_;
};

}  // namespace pui
}  // namespace qor
