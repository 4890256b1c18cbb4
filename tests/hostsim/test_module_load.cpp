#include <cstdint>
#include <dlfcn.h>
#include <gtest/gtest.h>

TEST(ModuleLoad, ExportsPluginMain)
{
  void* module = dlopen(QOR_PLUGIN_MODULE, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(module, nullptr) << dlerror();
  using EntryPoint = int32_t (*)(const char*, const char*, void*);
  auto entry = reinterpret_cast<EntryPoint>(dlsym(module, "PluginMain"));
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry(nullptr, nullptr, nullptr), 0);
  dlclose(module);
}
