// The records an entry-list widget shows for one list, pop-up menu or combo-box entry: an id, a text,
// image and SVG resource ids, an enabled flag and, in the final form, the client's opaque user data.
#pragma once

#include <cstdint>
#include <string>

namespace qor {
namespace pui {

// Ten PNG resource ids: five scales (1, 1.5, 2, 3, 4) of the light interface, then of the dark one.
struct EntryImageIds
{
  uint16_t ids[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

  // Present when the first light or the first dark id is set.
  bool present() const { return ids[0] != 0 || ids[5] != 0; }
  bool operator==(const EntryImageIds& other) const;
  bool operator!=(const EntryImageIds& other) const { return !(*this == other); }
  // The id a row shows at a UI scale in a theme: scale 3 above 2.01, 2 above 1.51, 1.5 above 1.01,
  // else 1, stepping down past ids that are 0; 0 for none.
  uint16_t rowImageId(double scale, bool dark) const;
};

// Two SVG resource ids: light, then dark.
struct EntrySvgIds
{
  uint16_t light = 0;
  uint16_t dark = 0;

  bool present() const { return light != 0 || dark != 0; }
  bool operator==(const EntrySvgIds& other) const { return light == other.light && dark == other.dark; }
  bool operator!=(const EntrySvgIds& other) const { return !(*this == other); }
};

class BaseEntryData
{
public:
  BaseEntryData(const std::string& id, const std::string& text, bool enabled);
  BaseEntryData(const BaseEntryData& other);
  BaseEntryData& operator=(const BaseEntryData&) = delete;
  virtual ~BaseEntryData();

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
  virtual BaseEntryData* clone() const = 0;

private:
  std::string id_;
  std::string text_;
  EntryImageIds imageIds_;
  EntrySvgIds svgIds_;
  bool enabled_;
};

template <class UserData> class EntryData;

template <> class EntryData<void*> : public BaseEntryData
{
public:
  EntryData(const std::string& id, const std::string& text, void* userData, bool enabled);
  EntryData(const EntryData& other);
  ~EntryData() override;

  BaseEntryData* clone() const override;
  virtual void* userData() const;
  virtual void setUserData(void* userData);

private:
  void* userData_;
};

}  // namespace pui
}  // namespace qor
