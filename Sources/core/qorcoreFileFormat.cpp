#include "core/qorcoreFileFormat.h"

namespace qor::core {

FileFormat::FileFormat() : data(new __IntFileFormatData()) {}

FileFormat::FileFormat(::FileFormatHandle hostHandle) : data(new __IntFileFormatData())
{
  aip::msgFileFormatSuite();
  data->hostHandle = hostHandle;
}

FileFormat::FileFormat(const FileFormat& other) : data(new __IntFileFormatData()) { *this = other; }

FileFormat::~FileFormat() { delete data; }

FileFormat& FileFormat::operator=(const FileFormat& other)
{
  if (this == &other || !data || !other.data)
    return *this;
  data->hostHandle = other.data->hostHandle;
  data->name = other.data->name;
  data->options = other.data->options;
  data->extendedOptions = other.data->extendedOptions;
  delete data->addData;
  data->addData = other.data->addData ? new AddData(*other.data->addData) : nullptr;
  return *this;
}

bool FileFormat::isEmpty() const
{
  if (!data)
    return true;
  if (data->hostHandle)
    return false;
  return !(!data->name.empty() && data->addData && data->options != 0);
}

::FileFormatHandle FileFormat::hostHandle() const { return data ? data->hostHandle : nullptr; }

bool FileFormat::operator==(const FileFormat& other) const
{
  if (!data || !other.data)
    return !data && !other.data;
  if (data->hostHandle || other.data->hostHandle)
    return data->hostHandle == other.data->hostHandle;
  return data->name == other.data->name;
}

bool FileFormat::operator!=(const FileFormat& other) const { return !(*this == other); }

const std::string& FileFormat::name() const { return data->name; }
void FileFormat::setName(const std::string& name) { data->name = name; }
const FileFormat::AddData* FileFormat::addData() const { return data->addData; }

void FileFormat::setAddData(const AddData* addData)
{
  AddData* copy = addData ? new AddData(*addData) : nullptr;
  delete data->addData;
  data->addData = copy;
}

int32_t FileFormat::options() const { return data->options; }
void FileFormat::setOptions(int32_t options) { data->options = options; }
int32_t FileFormat::extendedOptions() const { return data->extendedOptions; }
void FileFormat::setExtendedOptions(int32_t options) { data->extendedOptions = options; }

} // namespace qor::core
