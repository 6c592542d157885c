// Turns a Qt Linguist catalogue (.ts) into a C++ table for the parts of the suite that have no
// Qt (the command line), so that they translate from the same file the windows load.
//
//   ts_table IN.ts OUT.cpp
//
// The table lists every message, sorted by its source text (bytes), with its translation and
// whether that translation is finished. Only the .ts elements the catalogue uses are read.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Message {
  std::string source, translation;
  bool finished = true;
};

// The text of an element, its entities resolved (the five named ones and numeric ones).
std::string unescaped(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      out += text[i];
      continue;
    }
    const std::size_t end = text.find(';', i);
    const std::string name = text.substr(i + 1, end - i - 1);
    unsigned long code = 0;
    if (name == "amp") code = '&';
    else if (name == "lt") code = '<';
    else if (name == "gt") code = '>';
    else if (name == "quot") code = '"';
    else if (name == "apos") code = '\'';
    else if (name.starts_with("#x")) code = std::stoul(name.substr(2), nullptr, 16);
    else if (name.starts_with("#")) code = std::stoul(name.substr(1));
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
    i = end;
  }
  return out;
}

// The contents of the first <tag ...>...</tag> at or after `from` and before `limit`.
bool element(const std::string& xml, const std::string& tag, std::size_t from, std::size_t limit, std::string& attributes,
             std::string& contents) {
  const std::size_t open = xml.find("<" + tag, from);
  if (open == std::string::npos || open >= limit) return false;
  const std::size_t openEnd = xml.find('>', open);
  attributes = xml.substr(open + 1 + tag.size(), openEnd - open - 1 - tag.size());
  if (xml[openEnd - 1] == '/') {  // <translation/>
    contents.clear();
    return true;
  }
  const std::size_t close = xml.find("</" + tag + ">", openEnd);
  contents = unescaped(xml.substr(openEnd + 1, close - openEnd - 1));
  return true;
}

// A C++ string literal for UTF-8 bytes; hexadecimal escapes end the literal so that a following
// hex digit is not taken into them.
std::string literal(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c < 0x20 || c >= 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X\"\"", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: ts_table IN.ts OUT.cpp\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "ts_table: cannot read " << argv[1] << ".\n";
    return 1;
  }
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string xml = buffer.str();

  std::vector<Message> messages;
  for (std::size_t at = xml.find("<message"); at != std::string::npos; at = xml.find("<message", at + 1)) {
    const std::size_t end = xml.find("</message>", at);
    Message message;
    std::string attributes;
    if (!element(xml, "source", at, end, attributes, message.source)) continue;
    element(xml, "translation", at, end, attributes, message.translation);
    message.finished = attributes.find("type=") == std::string::npos;
    messages.push_back(std::move(message));
  }
  std::ranges::sort(messages, {}, &Message::source);
  for (std::size_t i = 1; i < messages.size(); ++i)
    if (messages[i].source == messages[i - 1].source) {
      std::cerr << "ts_table: " << argv[1] << " has two entries for " << literal(messages[i].source) << ".\n";
      return 1;
    }

  std::ofstream out(argv[2], std::ios::binary);
  out << "// Made by ts_table from " << argv[1] << "; edit the .ts file, not this one.\n"
      << "#include \"ui/catalogue.hpp\"\n\nnamespace ui::catalogue {\n\nconst Entry kEnglish[] = {\n";
  for (const Message& message : messages)
    out << "    {" << literal(message.source) << ", " << literal(message.translation) << ", "
        << (message.finished ? "true" : "false") << "},\n";
  if (messages.empty()) out << "    {\"\", \"\", false},\n";
  out << "};\nconst std::size_t kEnglishSize = " << messages.size() << ";\n\n}  // namespace ui::catalogue\n";
  out.close();
  if (!out) {
    std::cerr << "ts_table: cannot write " << argv[2] << ".\n";
    return 1;
  }
  return 0;
}
