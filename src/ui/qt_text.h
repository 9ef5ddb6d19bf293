// Conversions between the core's byte strings and Qt's strings.
//
// The core never decodes text. Paths and messages are shown in the system's
// own 8-bit encoding (UTF-8 here), while the style editor's texts go through
// Latin-1: one character per byte, so every byte the person did not touch
// comes back exactly as it was read, and the editor's byte positions are the
// widget's character positions.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace qm::ui {

// A path or a message for display.
QString fromNative(std::string_view text);
std::string toNative(const QString& text);

// A style text in its display form ("\n" between lines), byte for byte.
QString fromBytes(std::string_view text);
// Characters without an 8-bit byte become "?"; paragraph ends become "\n".
std::string toBytes(const QString& text);

}  // namespace qm::ui
