#include <windows.h>

#include "platform/user_store_under_test.h"
#include "platform/windows/registry_settings.h"
#include "platform/windows/wide_text.h"

namespace qm::testing {

namespace {

// A key beside the product's own, named after the process so that test
// programs running at once do not meet, and deleted with everything below it.
class TestRegistryKey final : public UserStoreUnderTest {
 public:
  TestRegistryKey()
      : subKey_("Software\\Oskavel Software\\Quillmere tests " + std::to_string(::GetCurrentProcessId())) {}
  ~TestRegistryKey() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, windows::wideFromAnsi(subKey_).c_str()); }

  SettingsBackend& store() override { return store_; }
  std::string keyPath(std::string_view subKey) const override {
    return "HKEY_CURRENT_USER\\" + subKey_ + "\\" + std::string(subKey);
  }

 private:
  std::string subKey_;
  windows::RegistrySettings store_;
};

}  // namespace

std::unique_ptr<UserStoreUnderTest> openUserStoreUnderTest() { return std::make_unique<TestRegistryKey>(); }

}  // namespace qm::testing
