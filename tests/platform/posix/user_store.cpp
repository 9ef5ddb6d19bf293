#include "platform/posix/reg_file_settings.h"
#include "platform/user_store_under_test.h"
#include "support/temp_folder.h"

namespace qm::testing {

namespace {

class TestSettingsFile final : public UserStoreUnderTest {
 public:
  TestSettingsFile() : store_(folder_.file("config/Oskavel Software/Quillmere.reg")) {}

  SettingsBackend& store() override { return store_; }
  std::string keyPath(std::string_view subKey) const override {
    return "HKEY_CURRENT_USER\\Software\\Oskavel Software\\Quillmere\\" + std::string(subKey);
  }

 private:
  TempFolder folder_;
  RegFileSettings store_;
};

}  // namespace

std::unique_ptr<UserStoreUnderTest> openUserStoreUnderTest() { return std::make_unique<TestSettingsFile>(); }

}  // namespace qm::testing
