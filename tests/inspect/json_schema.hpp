#pragma once
// A small JSON reader and a validator for the part of JSON Schema that
// docs/inspect.schema.json uses: type, enum, required, properties, additionalProperties: false,
// items, minimum and $ref to "#/$defs/NAME". Anything else in a schema is taken as a note.
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace jsontest {

struct Json {
  enum Type { Null, Bool, Number, String, Array, Object } type = Null;
  bool boolean = false;
  double number = 0;
  bool integer = false;
  std::string text;
  std::vector<Json> items;
  std::vector<std::pair<std::string, Json>> members;
  const Json* member(std::string_view name) const {
    for (const auto& [k, v] : members)
      if (k == name) return &v;
    return nullptr;
  }
};

class Parser {
 public:
  explicit Parser(std::string_view text) : s_(text) {}
  // The document, or an error in `error`.
  Json parse(std::string& error) {
    Json v = value();
    blanks();
    if (error_.empty() && i_ != s_.size()) error_ = "text after the document at " + std::to_string(i_);
    error = error_;
    return v;
  }

 private:
  void blanks() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\r' || s_[i_] == '\t')) ++i_;
  }
  bool fail(std::string m) {
    if (error_.empty()) error_ = m + " at " + std::to_string(i_);
    i_ = s_.size();
    return false;
  }
  bool literal(std::string_view word) {
    if (s_.substr(i_, word.size()) != word) return fail("bad literal");
    i_ += word.size();
    return true;
  }
  std::string string() {
    std::string out;
    ++i_;
    while (i_ < s_.size() && s_[i_] != '"') {
      char c = s_[i_++];
      if (static_cast<unsigned char>(c) < 0x20) return fail("control character in a string"), out;
      if (c == '\\') {
        if (i_ >= s_.size()) break;
        char e = s_[i_++];
        if (e == 'u') {
          if (i_ + 4 > s_.size()) return fail("short \\u escape"), out;
          const unsigned code = static_cast<unsigned>(std::strtoul(std::string(s_.substr(i_, 4)).c_str(), nullptr, 16));
          i_ += 4;
          out += code < 0x80 ? static_cast<char>(code) : '?';
        } else {
          const std::string_view from = "\"\\/bfnrt", to = "\"\\/\b\f\n\r\t";
          auto k = from.find(e);
          if (k == std::string_view::npos) return fail("bad escape"), out;
          out += to[k];
        }
      } else {
        out += c;
      }
    }
    if (i_ >= s_.size()) return fail("unterminated string"), out;
    ++i_;
    return out;
  }
  Json value() {
    Json v;
    blanks();
    if (i_ >= s_.size()) return fail("document ends early"), v;
    const char c = s_[i_];
    if (c == '{') {
      v.type = Json::Object;
      ++i_;
      blanks();
      if (i_ < s_.size() && s_[i_] == '}') return ++i_, v;
      while (i_ < s_.size()) {
        blanks();
        if (i_ >= s_.size() || s_[i_] != '"') return fail("expected a member name"), v;
        std::string key = string();
        blanks();
        if (i_ >= s_.size() || s_[i_] != ':') return fail("expected :"), v;
        ++i_;
        v.members.emplace_back(std::move(key), value());
        blanks();
        if (i_ < s_.size() && s_[i_] == ',') { ++i_; continue; }
        if (i_ < s_.size() && s_[i_] == '}') return ++i_, v;
        return fail("expected , or }"), v;
      }
    } else if (c == '[') {
      v.type = Json::Array;
      ++i_;
      blanks();
      if (i_ < s_.size() && s_[i_] == ']') return ++i_, v;
      while (i_ < s_.size()) {
        v.items.push_back(value());
        blanks();
        if (i_ < s_.size() && s_[i_] == ',') { ++i_; continue; }
        if (i_ < s_.size() && s_[i_] == ']') return ++i_, v;
        return fail("expected , or ]"), v;
      }
    } else if (c == '"') {
      v.type = Json::String;
      v.text = string();
    } else if (c == 't' || c == 'f') {
      v.type = Json::Bool;
      v.boolean = c == 't';
      literal(c == 't' ? "true" : "false");
    } else if (c == 'n') {
      literal("null");
    } else {
      const std::size_t start = i_;
      if (s_[i_] == '-') ++i_;
      while (i_ < s_.size() && std::string_view("0123456789.eE+-").find(s_[i_]) != std::string_view::npos) ++i_;
      const std::string number(s_.substr(start, i_ - start));
      char* end = nullptr;
      v.type = Json::Number;
      v.number = std::strtod(number.c_str(), &end);
      v.integer = number.find_first_of(".eE") == std::string::npos;
      if (number.empty() || end != number.c_str() + number.size()) fail("bad number");
    }
    return v;
  }

  std::string_view s_;
  std::size_t i_ = 0;
  std::string error_;
};

inline bool hasType(const Json& v, std::string_view type) {
  if (type == "null") return v.type == Json::Null;
  if (type == "boolean") return v.type == Json::Bool;
  if (type == "string") return v.type == Json::String;
  if (type == "array") return v.type == Json::Array;
  if (type == "object") return v.type == Json::Object;
  if (type == "number") return v.type == Json::Number;
  if (type == "integer") return v.type == Json::Number && v.integer;
  return false;
}

inline bool same(const Json& a, const Json& b) {
  return a.type == b.type && a.text == b.text && a.number == b.number && a.boolean == b.boolean;
}

// Every way `v` breaks `schema`, one line each, with the path to it.
inline void validate(const Json& v, const Json& schema, const Json& root, const std::string& path, std::vector<std::string>& errors) {
  if (const Json* ref = schema.member("$ref")) {
    const std::string prefix = "#/$defs/";
    const Json* defs = root.member("$defs");
    const Json* target = defs && ref->text.starts_with(prefix) ? defs->member(ref->text.substr(prefix.size())) : nullptr;
    if (!target) return errors.push_back(path + ": unknown $ref " + ref->text);
    validate(v, *target, root, path, errors);
  }
  if (const Json* type = schema.member("type")) {
    bool ok = false;
    if (type->type == Json::String) ok = hasType(v, type->text);
    for (const auto& t : type->items) ok = ok || hasType(v, t.text);
    if (!ok) return errors.push_back(path + ": not of the schema's type");
  }
  if (const Json* choices = schema.member("enum")) {
    bool ok = false;
    for (const auto& c : choices->items) ok = ok || same(v, c);
    if (!ok) errors.push_back(path + ": not one of the enum's values");
  }
  if (const Json* minimum = schema.member("minimum"); minimum && v.type == Json::Number && v.number < minimum->number)
    errors.push_back(path + ": below the minimum");
  if (v.type == Json::Object) {
    if (const Json* required = schema.member("required"))
      for (const auto& name : required->items)
        if (!v.member(name.text)) errors.push_back(path + ": lacks " + name.text);
    const Json* properties = schema.member("properties");
    const Json* additional = schema.member("additionalProperties");
    for (const auto& [key, member] : v.members) {
      const Json* sub = properties ? properties->member(key) : nullptr;
      if (sub) validate(member, *sub, root, path + "." + key, errors);
      else if (additional && additional->type == Json::Bool && !additional->boolean) errors.push_back(path + ": unexpected member " + key);
    }
  }
  if (v.type == Json::Array)
    if (const Json* items = schema.member("items"))
      for (std::size_t k = 0; k < v.items.size(); ++k) validate(v.items[k], *items, root, path + "[" + std::to_string(k) + "]", errors);
}

}  // namespace jsontest
