#include "ui/open_web_link.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "ui/qt_text.h"

namespace qm::ui {
namespace {

bool hasScheme(const QString& link) {
  static const char* const kSchemes[] = {"http://", "https://", "mailto:", "file:"};
  for (const char* scheme : kSchemes) {
    if (link.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) return true;
  }
  return false;
}

}  // namespace

int OpenWebLink(std::string_view link) {
  const QString text = fromNative(link);
  if (text.isEmpty()) return 0;
  const QUrl url = hasScheme(text) ? QUrl(text) : QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
  if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) return 0;
  return QDesktopServices::openUrl(url) ? 1 : 0;
}

}  // namespace qm::ui
