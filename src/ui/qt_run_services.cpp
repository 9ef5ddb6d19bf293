#include "ui/qt_run_services.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "ui/frm_warning.h"
#include "ui/qt_text.h"

namespace qm::ui {
namespace {

// A pattern list as the dialog wants it: blanks between patterns; "*.*"
// means every file, as it does on Windows, also for names without a dot.
QString dialogPatterns(QString patterns) {
  patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
  QStringList parts = patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (QString& part : parts) {
    if (part == QLatin1String("*.*")) part = QStringLiteral("*");
  }
  return parts.join(QLatin1Char(' '));
}

// The label without a pattern list of its own in brackets at its end.
QString bareLabel(QString label) {
  label = label.trimmed();
  if (label.endsWith(QLatin1Char(')'))) {
    const qsizetype open = label.lastIndexOf(QLatin1Char('('));
    if (open > 0) label = label.left(open).trimmed();
  }
  return label;
}

}  // namespace

QString qtNameFilters(std::string_view filter) {
  const QStringList parts = fromNative(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    filters << QStringLiteral("%1 (%2)").arg(bareLabel(parts[i]), dialogPatterns(parts[i + 1]));
  }
  return filters.join(QLatin1String(";;"));
}

void QtDialogs::messageBox(std::string_view text, std::string_view title) {
  QMessageBox::information(parent_, fromNative(title), fromNative(text));
}

std::vector<std::string> QtDialogs::openFile(const FileDialogRequest& request) {
  const QString title = fromNative(request.title);
  const QString folder = fromNative(request.initialFolder);
  const QString filters = qtNameFilters(request.filter);
  QStringList chosen;
  if (request.allowMultiple) {
    chosen = QFileDialog::getOpenFileNames(parent_, title, folder, filters);
  } else {
    const QString one = QFileDialog::getOpenFileName(parent_, title, folder, filters);
    if (!one.isEmpty()) chosen << one;
  }
  std::vector<std::string> paths;
  for (const QString& path : chosen) paths.push_back(toNative(QDir::toNativeSeparators(path)));
  return paths;
}

std::optional<std::string> QtDialogs::inputBox(std::string_view prompt, std::string_view title,
                                               std::string_view defaultText) {
  bool ok = false;
  const QString answer = QInputDialog::getText(parent_, fromNative(title), fromNative(prompt),
                                               QLineEdit::Normal, fromNative(defaultText), &ok);
  if (!ok) return std::nullopt;
  return toNative(answer);
}

bool QtDialogs::rollbackWarning(bool& dontShowAgain) { return frmWarning::ask(parent_, dontShowAgain); }

}  // namespace qm::ui
