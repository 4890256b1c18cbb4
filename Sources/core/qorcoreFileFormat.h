// A host file format as a plain value: host handle, name, add data and two option words. Every
// handle owns its own record; assignment copies.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "aip/qoraipMsgEnv.h"

namespace qor::core {

class __IntFileFormatData;

class FileFormat
{
public:
  class AddData
  {
  public:
    AddData() = default;
    AddData(const AddData& other) = default;
    virtual ~AddData() = default;

    int32_t type = 0;
    std::string title;
    int32_t titleOrder = 0;
    std::vector<std::string> extensions;
  };

  FileFormat();
  explicit FileFormat(::FileFormatHandle hostHandle);
  FileFormat(const FileFormat& other);

  virtual ~FileFormat();
  virtual FileFormat& operator=(const FileFormat& other);
  virtual bool isEmpty() const;
  virtual ::FileFormatHandle hostHandle() const;
  virtual bool operator==(const FileFormat& other) const;
  virtual bool operator!=(const FileFormat& other) const;

  // The description a registration would use.
  const std::string& name() const;
  void setName(const std::string& name);
  const AddData* addData() const;
  void setAddData(const AddData* addData);
  int32_t options() const;
  void setOptions(int32_t options);
  int32_t extendedOptions() const;
  void setExtendedOptions(int32_t options);

private:
  __IntFileFormatData* data = nullptr;
};

class __IntFileFormatData
{
public:
  virtual ~__IntFileFormatData() { delete addData; }

  ::FileFormatHandle hostHandle = nullptr;
  std::string name;
  FileFormat::AddData* addData = nullptr;
  int32_t options = 0;
  int32_t extendedOptions = 0;
};

} // namespace qor::core
