// The client's handle of the host application: its version, documents, URL opening, menu groups and
// preferences. A thin singleton over the framework's own host-application object; every operation
// answers 0, false, null or "" while that object is gone.
#pragma once

#include <cstdint>
#include <string>

namespace qor {
namespace core {

class CurrentDocument;
class HostPreferences;
class MenuGroup;

// What the client singleton owns: the two accessors it hands out.
class __IntIllustratorData
{
public:
  __IntIllustratorData();
  __IntIllustratorData(const __IntIllustratorData&) = delete;
  __IntIllustratorData& operator=(const __IntIllustratorData&) = delete;
  virtual ~__IntIllustratorData();

  CurrentDocument* currentDocument = nullptr;
  HostPreferences* hostPreferences = nullptr;
};

class Illustrator
{
public:
  Illustrator();
  Illustrator(const Illustrator&) = delete;
  Illustrator& operator=(const Illustrator&) = delete;
  ~Illustrator();

  // Kept in the core globals and created on first use; null while the plug-in's globals are missing.
  static Illustrator* instance();

  // Fills the framework's cache of host fonts by lower-cased full name, or empties it.
  void refreshFontCache() const;
  void clearFontCache() const;
  // The accessor of the current document, only while the host has one; not the caller's.
  CurrentDocument* currentDocument() const;
  int32_t documentCount() const;
  int32_t majorVersion() const;
  std::string versionString(bool withRevision) const;
  bool openURL(const std::string& url) const;
  // 0 when the host reports an error.
  int32_t menuGroupCount() const;
  // A new handle owned by the caller; null for a host error or a missing group.
  MenuGroup* menuGroupAtIndex(int32_t index) const;
  // Not the caller's.
  HostPreferences* hostPreferences() const;

private:
  __IntIllustratorData* data;
};

}  // namespace core
}  // namespace qor
