// F1 on the wizard's pages, where the guide is a folder of HTML pages: the
// desktop is asked for the page of the topic in front.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "wizard/wizard_fixture.h"

namespace qm::testing {
namespace {

using F1Help = WizardTest;

// The topic is the focused control's (a Next or Back button's), else the
// page's; the page opened must be the one that says it is that topic's.
// Without a guide nothing is asked.
TEST_F(F1Help, OpensTheGuideAtTheFocusedControlsOrThePagesTopic) {
  start();
  wizard->F1(0);
  EXPECT_EQ(view.requests, std::vector<std::string>{});
  workspace.guideFolder = std::string(QUILLMERE_SOURCE_DIR) + "/docs/help/";
  const struct {
    std::function<void()> go;
    std::function<int()> focusedTopic;
    int topic;
  } cases[] = {
      {[] {}, [] { return 0; }, 100},
      {[this] { browseTo(billing()); }, [this] { return projectPage().cmdLoad2.helpTopic; }, 200},
      {[this] { wizard->cmdLoad2_Click(); }, [] { return 0; }, 200},
      {[] {}, [this] { return filesPage().cmdBack1.helpTopic; }, 100},
      {[this] { wizard->cmdLoad3_Click(); }, [] { return 0; }, 300},
      {[] {}, [this] { return optionsPage().cmdLoad4.helpTopic; }, 400},
      {[this] { wizard->cmdLoad4_Click(); }, [] { return 0; }, 400},
      {[] {}, [this] { return applyPage().cmdBack3.helpTopic; }, 300},
  };
  for (const auto& c : cases) {
    c.go();
    view.requests.clear();
    wizard->F1(c.focusedTopic());
    ASSERT_EQ(view.requests.size(), 1u) << c.topic;
    const auto page = files.readFile(view.requests[0].substr(std::string_view("open ").size()));
    ASSERT_TRUE(page) << view.requests[0];
    EXPECT_NE(page->find("<meta name=\"help-topic\" content=\"" + std::to_string(c.topic) + "\">"), std::string::npos)
        << view.requests[0] << " for topic " << c.topic;
  }
}

}  // namespace
}  // namespace qm::testing
