// The user's settings store of the system the tests run on, opened on a
// place of the test's own (a file in a temporary folder, a registry key
// that is deleted afterwards), so the user's real settings are never touched.
#pragma once

#include <memory>
#include <string>

#include "platform/settings_backend.h"

namespace qm::testing {

class UserStoreUnderTest {
 public:
  virtual ~UserStoreUnderTest() = default;
  virtual SettingsBackend& store() = 0;
  // The full path of a key for the test, such as "HKEY_CURRENT_USER\...\Settings".
  virtual std::string keyPath(std::string_view subKey) const = 0;
};

std::unique_ptr<UserStoreUnderTest> openUserStoreUnderTest();

}  // namespace qm::testing
