// Runs one test class of the windows, named by the first argument (all of
// them without one); the remaining arguments go to Qt Test.
#include <QApplication>
#include <QTest>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

QObject* makeWizardWindowTest();
QObject* makeStyleEditorWindowTest();
QObject* makeDialogsTest();

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const std::map<std::string, QObject* (*)()> classes = {{"WizardWindowTest", makeWizardWindowTest},
                                                         {"StyleEditorWindowTest", makeStyleEditorWindowTest},
                                                         {"DialogsTest", makeDialogsTest}};
  std::string only;
  if (argc > 1 && argv[1][0] != '-') {
    only = argv[1];
    for (int i = 1; i + 1 < argc; ++i) argv[i] = argv[i + 1];
    --argc;
  }
  if (!only.empty() && classes.count(only) == 0) {
    std::fprintf(stderr, "no test class %s\n", only.c_str());
    return 2;
  }
  int failures = 0;
  for (const auto& [name, make] : classes) {
    if (only.empty() || name == only) failures += QTest::qExec(std::unique_ptr<QObject>(make()).get(), argc, argv);
  }
  return failures == 0 ? 0 : 1;
}
