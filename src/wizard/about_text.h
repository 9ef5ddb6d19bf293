// What the About window says and where its two links lead, whichever view
// shows it.
#pragma once

#include <string>
#include <string_view>

#include "platform/product.h"

namespace qm {

inline constexpr std::string_view kAboutCaption = "About Trapwise";
inline constexpr std::string_view kAboutWarningTitle = "Warning:";
inline constexpr std::string_view kAboutWarning =
    "This software is provided 'as is' without a warranty of any kind, either expressed or implied.  ";
inline constexpr std::string_view kVisitUs = "Visit Us";
inline constexpr std::string_view kContactUs = "Contact Us";

// "Version 1.1.13".
inline std::string aboutVersion(int major, int minor, int patch) {
  return "Version " + std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(patch);
}
// The CR LF pair twice leaves room below the sentence, as in the original text.
inline std::string aboutInfo() {
  return std::string(kProductName) + " adds routines to your Visual Basic projects using a simple 4 stage wizard.\r\n\r\n";
}
// In the ANSI code page ("\xa9" is the copyright sign).
inline std::string aboutCopyright() {
  return "Copyright \xa9 2004-2024 " + std::string(kMakerName) + ". All rights reserved.";
}
inline std::string visitUsLink() { return "http://" + std::string(kMakerAddress); }
inline std::string contactUsLink() { return "mailto:" + std::string(kMakerMail); }

}  // namespace qm
