// The small interfaces through which the core reaches the screen. The windows
// implement them with widgets; command-line mode and tests supply their own.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

class SummarySink {
 public:
  virtual ~SummarySink() = default;
  // Starts a new line (CR LF, then the text).
  virtual void appendLine(std::string_view text) = 0;
  // Adds text at the end of the current last line.
  virtual void appendToLine(std::string_view text) = 0;
  // Brings the newest line into view.
  virtual void scrollToEnd() {}
};

class ProgressDisplay {
 public:
  virtual ~ProgressDisplay() = default;
  virtual void setMaximum(int maximum) = 0;
  virtual void setValue(int value) = 0;
  virtual void setVisible(bool visible) = 0;
};

struct FileDialogRequest {
  std::string title;
  std::string filter;  // "Label|pattern|Label|pattern"
  std::string initialFolder;
  bool allowMultiple = false;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void messageBox(std::string_view text, std::string_view title) = 0;
  // Full paths chosen; empty when cancelled.
  virtual std::vector<std::string> openFile(const FileDialogRequest& request) = 0;
  // The answer, or nothing when cancelled.
  virtual std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                              std::string_view defaultText) = 0;
  // The roll-back warning: true for OK. `dontShowAgain` reports the box's tick.
  virtual bool rollbackWarning(bool& dontShowAgain) = 0;
  // A folder picked in the system's folder dialog, starting at `startFolder`;
  // nothing when cancelled. Views with a folder window of their own (and
  // command-line mode) never ask, so by default nothing is picked.
  virtual std::optional<std::string> chooseFolder(std::string_view /*title*/, std::string_view /*startFolder*/) {
    return std::nullopt;
  }
};

// The questions of a run that nobody watches, each answered as a cancel
// would answer it; messages go nowhere unless a subclass shows them.
class CancellingDialogs : public Dialogs {
 public:
  void messageBox(std::string_view, std::string_view) override {}
  std::vector<std::string> openFile(const FileDialogRequest&) override { return {}; }
  std::optional<std::string> inputBox(std::string_view, std::string_view, std::string_view) override {
    return std::nullopt;
  }
  bool rollbackWarning(bool& dontShowAgain) override {
    dontShowAgain = false;
    return false;
  }
};

// What a window hands to the desktop: a web link or a document to its
// default handler, the help file at a topic. Either may be missing, which
// leaves the person where they were.
class Desktop {
 public:
  virtual ~Desktop() = default;
  virtual void openLink(std::string_view target) = 0;
  virtual void openHelp(std::string_view helpFile, int topic) = 0;
};

// Lets the event loop run so progress bars and the summary repaint.
using YieldHook = std::function<void()>;

}  // namespace qm
