#include "hostsimRuntime.h"

#include "hostapi/RuntimeSuite.h"
#include "hostapi/StringFormatUtilsSuite.h"
#include "hostsimBlocks.h"

#include <cstring>
#include <ostream>

namespace hostsim {

void Runtime::setLanguage(const std::string& text, int32_t code)
{
  languageText = text;
  languageCodes[text] = code;
}

void Runtime::report(std::ostream& out) const
{
  out << "Host version: " << major << "." << minor << "." << revision << ", language " << languageText
      << "\n";
}

namespace hostsimRuntime_detail {

Runtime& runtime()
{
  return HostApp::instance().area<Runtime>();
}

int32_t getMajorVersion()
{
  return runtime().major;
}

int32_t getMinorVersion()
{
  return runtime().minor;
}

int32_t getRevisionNumber()
{
  return runtime().revision;
}

constexpr int32_t kLanguageSelector = 2;

HostErr getLanguageText(int32_t selector, SPBlockBuffer* outText)
{
  if (!outText || selector != kLanguageSelector)
    return kHostErrBadParameter;
  const std::string& text = runtime().languageText;
  void* block = HostApp::instance().area<Blocks>().allocate(text.size() + 1);
  if (!block)
    return kHostErrBadParameter;
  std::memcpy(block, text.data(), text.size());
  outText->block = block;
  outText->count = int32_t(text.size());
  return kHostNoErr;
}

HostErr languageCodeFromText(const char* text, int32_t* outCode)
{
  if (!text || !outCode)
    return kHostErrBadParameter;
  auto it = runtime().languageCodes.find(text);
  if (it == runtime().languageCodes.end())
    return kHostErrNotFound;
  *outCode = it->second;
  return kHostNoErr;
}

void install(HostApp& app)
{
  app.area<Runtime>();
  auto& suite = app.publishSuite<RuntimeSuite>(kRuntimeSuiteName, kRuntimeSuiteVersion);
  suite.getMajorVersion = &getMajorVersion;
  suite.getMinorVersion = &getMinorVersion;
  suite.getRevisionNumber = &getRevisionNumber;
  auto& format =
      app.publishSuite<StringFormatUtilsSuite>(kStringFormatUtilsSuiteName, kStringFormatUtilsSuiteVersion);
  format.getLanguageText = &getLanguageText;
  format.languageCodeFromText = &languageCodeFromText;
}

const AreaInstaller installer(10, &install);

} // namespace hostsimRuntime_detail

} // namespace hostsim
