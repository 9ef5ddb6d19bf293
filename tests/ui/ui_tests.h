// The window test classes, by name, for the test program's main.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace qm::testing {

std::unique_ptr<QObject> makeWizardWindowTest();
std::unique_ptr<QObject> makeStyleEditorWindowTest();
std::unique_ptr<QObject> makeDialogsTest();

inline std::map<std::string, std::function<std::unique_ptr<QObject>()>> uiTestClasses() {
  return {{"WizardWindowTest", makeWizardWindowTest},
          {"StyleEditorWindowTest", makeStyleEditorWindowTest},
          {"DialogsTest", makeDialogsTest}};
}

}  // namespace qm::testing
