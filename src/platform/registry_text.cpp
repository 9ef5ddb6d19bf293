#include "platform/registry_text.h"

#include <cstdio>
#include <optional>

#include "platform/lines.h"
#include "platform/text.h"

namespace qm {

namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";

// Files saved by the registry editor itself are UTF-16 with a byte-order
// mark; everything this program handles is 8-bit, so code units above 255
// cannot be kept and become "?".
std::string eightBitText(std::string_view fileText) {
  if (fileText.size() >= 2 && static_cast<unsigned char>(fileText[0]) == 0xFF &&
      static_cast<unsigned char>(fileText[1]) == 0xFE) {
    std::string out;
    for (std::size_t i = 2; i + 1 < fileText.size(); i += 2) {
      const unsigned unit =
          static_cast<unsigned char>(fileText[i]) | (static_cast<unsigned char>(fileText[i + 1]) << 8);
      out.push_back(unit < 256 ? static_cast<char>(unit) : '?');
    }
    return out;
  }
  if (startsWith(fileText, "\xEF\xBB\xBF")) fileText.remove_prefix(3);
  return std::string(fileText);
}

// Reads a quoted string with regedit's two escapes (\\ and \") from the start
// of `text`; `text` is left just after the closing quote. A backslash before
// any other character is kept as it stands, which is what a person who
// typed a path without doubling its backslashes meant.
std::optional<std::string> takeQuoted(std::string_view& text) {
  if (text.empty() || text.front() != '"') return std::nullopt;
  std::string out;
  for (std::size_t i = 1; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"')) {
      out.push_back(text[++i]);
    } else if (c == '"') {
      text.remove_prefix(i + 1);
      return out;
    } else {
      out.push_back(c);
    }
  }
  return std::nullopt;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  const char lower = asciiLower(c);
  if (lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
  return -1;
}

std::optional<std::uint32_t> parseDword(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : digits) {
    const int digit = hexDigit(c);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return value;
}

// "hex(1):" holds a string as UTF-16LE bytes ("41,00,42,00,00,00").
std::optional<std::string> parseHexString(std::string_view bytes) {
  std::vector<unsigned> values;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t comma = bytes.find(',', pos);
    if (comma == std::string_view::npos) comma = bytes.size();
    const std::string_view item = trimBlanks(bytes.substr(pos, comma - pos));
    pos = comma + 1;
    if (item.empty()) continue;
    if (item.size() > 2) return std::nullopt;
    auto value = parseDword(item);
    if (!value) return std::nullopt;
    values.push_back(*value);
  }
  std::string out;
  for (std::size_t i = 0; i + 1 < values.size(); i += 2) {
    const unsigned unit = values[i] | (values[i + 1] << 8);
    if (unit == 0) break;
    out.push_back(unit < 256 ? static_cast<char>(unit) : '?');
  }
  return out;
}

std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out.push_back('\\');
    out.push_back(c);
  }
  out.push_back('"');
  return out;
}

std::string hexString(std::string_view text) {
  std::string out = "hex(1):";
  char item[8];
  for (char c : text) {
    std::snprintf(item, sizeof item, "%02x,00,", static_cast<unsigned char>(c));
    out += item;
  }
  out += "00,00";
  return out;
}

bool needsHexForm(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

std::string valueLine(const RegistryValue& value) {
  std::string out = value.name.empty() ? std::string("@") : quoted(value.name);
  out.push_back('=');
  switch (value.type) {
    case RegistryValueType::String:
      out += needsHexForm(value.text) ? hexString(value.text) : quoted(value.text);
      break;
    case RegistryValueType::Number: {
      char digits[16];
      std::snprintf(digits, sizeof digits, "dword:%08x", static_cast<unsigned>(value.number));
      out += digits;
      break;
    }
    case RegistryValueType::Other:
      out += value.text;
      break;
  }
  return out;
}

// Applies one `name=data` line to the current key; lines it cannot read are
// passed over.
void readValueLine(RegistryDocument& document, const std::string& keyPath, std::string_view line) {
  std::string name;
  if (line.front() == '@') {
    line.remove_prefix(1);
  } else {
    auto quotedName = takeQuoted(line);
    if (!quotedName) return;
    name = std::move(*quotedName);
  }
  line = trimBlanks(line);
  if (line.empty() || line.front() != '=') return;
  line = trimBlanks(line.substr(1));
  // A deletion request ("-") matches none of the forms below: nothing is kept.
  if (line.empty()) return;
  if (line.front() == '"') {
    auto text = takeQuoted(line);
    if (text && trimBlanks(line).empty()) document.setString(keyPath, name, *text);
    return;
  }
  if (startsWithNoCase(line, "dword:")) {
    if (auto number = parseDword(line.substr(6))) document.setNumber(keyPath, name, *number);
    return;
  }
  if (startsWithNoCase(line, "hex(1):")) {
    if (auto text = parseHexString(line.substr(7))) document.setString(keyPath, name, *text);
    return;
  }
  if (line.find(':') != std::string_view::npos) document.setOther(keyPath, name, line);
}

// Only a list of hex bytes goes on over several lines (each but the last
// ending in a backslash); any other value that ends in a backslash, a path
// typed by hand say, ends on its line.
bool continuesOnNextLine(std::string_view line) {
  if (line.front() == '@') {
    line.remove_prefix(1);
  } else if (!takeQuoted(line)) {
    return false;
  }
  line = trimBlanks(line);
  if (line.empty() || line.front() != '=') return false;
  return startsWithNoCase(trimBlanks(line.substr(1)), "hex");
}

}  // namespace

RegistryDocument RegistryDocument::parse(std::string_view fileText) {
  RegistryDocument document;
  const std::string text = eightBitText(fileText);
  LineReader reader(text);
  std::string_view raw;
  std::optional<std::string> keyPath;  // nothing before the first key or inside a deletion
  std::string pending;                 // a value continued over several lines
  while (reader.next(raw)) {
    std::string_view line = trimBlanks(raw);
    if (!pending.empty()) {
      pending += line;
      if (endsWith(pending, "\\")) {
        pending.pop_back();
        continue;
      }
      if (keyPath) readValueLine(document, *keyPath, pending);
      pending.clear();
      continue;
    }
    if (line.empty()) continue;
    if (line.front() == '[') {
      if (line.back() != ']' || line.size() < 3) {
        keyPath.reset();
        continue;
      }
      std::string_view path = trimBlanks(line.substr(1, line.size() - 2));
      if (path.empty() || path.front() == '-') {
        keyPath.reset();
      } else {
        keyPath = std::string(path);
        document.keyFor(*keyPath);
      }
      continue;
    }
    if (line.front() != '"' && line.front() != '@') continue;  // the header line, a comment, or something broken
    if (line.back() == '\\' && continuesOnNextLine(line)) {
      pending = std::string(line.substr(0, line.size() - 1));
      continue;
    }
    if (keyPath) readValueLine(document, *keyPath, line);
  }
  if (!pending.empty() && keyPath) readValueLine(document, *keyPath, pending);
  return document;
}

std::string RegistryDocument::text() const {
  std::string out;
  appendLine(out, kHeader);
  for (const RegistryKey& key : keys_) {
    appendLine(out, "");
    appendLine(out, "[" + key.path + "]");
    for (const RegistryValue& value : key.values) appendLine(out, valueLine(value));
  }
  appendLine(out, "");
  return out;
}

const RegistryValue* RegistryDocument::find(std::string_view keyPath, std::string_view name) const {
  for (const RegistryKey& key : keys_) {
    if (!equalsNoCase(key.path, keyPath)) continue;
    for (const RegistryValue& value : key.values) {
      if (equalsNoCase(value.name, name)) return &value;
    }
    return nullptr;
  }
  return nullptr;
}

std::optional<std::string> RegistryDocument::stringValue(std::string_view keyPath, std::string_view name) const {
  const RegistryValue* value = find(keyPath, name);
  if (value == nullptr || value->type != RegistryValueType::String) return std::nullopt;
  return value->text;
}

std::optional<std::uint32_t> RegistryDocument::numberValue(std::string_view keyPath, std::string_view name) const {
  const RegistryValue* value = find(keyPath, name);
  if (value == nullptr || value->type != RegistryValueType::Number) return std::nullopt;
  return value->number;
}

RegistryKey& RegistryDocument::keyFor(std::string_view keyPath) {
  for (RegistryKey& key : keys_) {
    if (equalsNoCase(key.path, keyPath)) return key;
  }
  keys_.push_back(RegistryKey{std::string(keyPath), {}});
  return keys_.back();
}

RegistryValue& RegistryDocument::valueFor(std::string_view keyPath, std::string_view name) {
  RegistryKey& key = keyFor(keyPath);
  for (RegistryValue& value : key.values) {
    if (equalsNoCase(value.name, name)) return value;
  }
  key.values.push_back(RegistryValue{std::string(name), RegistryValueType::String, {}, 0});
  return key.values.back();
}

void RegistryDocument::setString(std::string_view keyPath, std::string_view name, std::string_view text) {
  RegistryValue& value = valueFor(keyPath, name);
  value.type = RegistryValueType::String;
  value.text = std::string(text);
  value.number = 0;
}

void RegistryDocument::setNumber(std::string_view keyPath, std::string_view name, std::uint32_t number) {
  RegistryValue& value = valueFor(keyPath, name);
  value.type = RegistryValueType::Number;
  value.text.clear();
  value.number = number;
}

void RegistryDocument::setOther(std::string_view keyPath, std::string_view name, std::string_view raw) {
  RegistryValue& value = valueFor(keyPath, name);
  value.type = RegistryValueType::Other;
  value.text = std::string(raw);
  value.number = 0;
}

}  // namespace qm
