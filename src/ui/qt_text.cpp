#include "ui/qt_text.h"

#include <QByteArray>

namespace qm::ui {

QString fromNative(std::string_view text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toNative(const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString fromBytes(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toBytes(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (const QChar ch : text) {
    const char16_t u = ch.unicode();
    if (u == 0x2029) {
      out.push_back('\n');  // a paragraph end as some text widgets report it
    } else if (u < 0x100) {
      out.push_back(static_cast<char>(u));
    } else {
      out.push_back('?');
    }
  }
  return out;
}

}  // namespace qm::ui
