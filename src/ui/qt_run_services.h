// The boxes that the wizard, the run and the style editor ask through:
// messages, the open-file dialog, the input box and the roll-back warning.
// The summary box and the bars are the logic's own controls, which the
// windows copy; only these questions need a real dialog.
#pragma once

#include <QPointer>

#include "platform/view_services.h"

class QWidget;

namespace qm::ui {

// Message boxes, the open-file dialog, the input box and the roll-back
// warning, owned by `parent` (the window that asks).
class QtDialogs final : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  void messageBox(std::string_view text, std::string_view title) override;
  std::vector<std::string> openFile(const FileDialogRequest& request) override;
  std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                      std::string_view defaultText) override;
  bool rollbackWarning(bool& dontShowAgain) override;

 private:
  QPointer<QWidget> parent_;
};

// "Label|pattern|Label|pattern" as the file dialog's name filters.
QString qtNameFilters(std::string_view filter);

}  // namespace qm::ui
