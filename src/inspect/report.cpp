#include "inspect/report.hpp"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "base/utf8.hpp"
#include "ui/json.hpp"

namespace inspect {

namespace {

std::string number(double value) {
  char buffer[64];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return error == std::errc{} ? std::string(buffer, end) : std::string("0");
}

std::string text(const Value& value) {
  if (std::holds_alternative<std::int64_t>(value)) return std::to_string(std::get<std::int64_t>(value));
  if (std::holds_alternative<double>(value)) return number(std::get<double>(value));
  if (std::holds_alternative<std::string>(value)) return base::validUtf8(std::get<std::string>(value));
  return "-";
}

std::string hexOffset(std::uint64_t offset) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "0x%06llX", static_cast<unsigned long long>(offset));
  return buffer;
}

// Columns a text takes on a terminal: East Asian wide characters take two.
std::size_t columns(std::string_view s) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < s.size();) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length && i + k < s.size(); ++k) code = (code << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    width += (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF) || (code >= 0xAC00 && code <= 0xD7A3) ||
                     (code >= 0xF900 && code <= 0xFAFF) || (code >= 0xFF00 && code <= 0xFF60) || (code >= 0xFFE0 && code <= 0xFFE6)
                 ? 2
                 : 1;
    i += length;
  }
  return width;
}

std::string padded(std::string_view s, std::size_t width, bool right = false) {
  const std::size_t length = columns(s);
  std::string gap(width > length ? width - length : 0, ' ');
  return right ? gap + std::string(s) : std::string(s) + gap;
}

// Columns of absolute offsets ("at", "entry at") show in hex, as a hex editor counts.
bool offsetColumn(std::string_view column) { return column == "at" || column.ends_with(" at"); }

void writeTable(std::string& out, const Table& table, const std::string& indent) {
  out += indent + table.title + "\n";
  auto cell = [&](const Value& v, std::size_t c) {
    return c < table.columns.size() && offsetColumn(table.columns[c]) && std::holds_alternative<std::int64_t>(v)
               ? hexOffset(static_cast<std::uint64_t>(std::get<std::int64_t>(v)))
               : text(v);
  };
  std::vector<std::size_t> widths(table.columns.size());
  for (std::size_t c = 0; c < table.columns.size(); ++c) widths[c] = columns(table.columns[c]);
  for (const auto& row : table.rows)
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) widths[c] = std::max(widths[c], columns(cell(row[c], c)));
  auto line = [&](auto cellAt, auto numeric) {
    std::string l = indent + "  ";
    for (std::size_t c = 0; c < widths.size(); ++c) l += (c ? "  " : "") + padded(cellAt(c), widths[c], numeric(c));
    while (!l.empty() && l.back() == ' ') l.pop_back();
    out += l + "\n";
  };
  line([&](std::size_t c) { return table.columns[c]; }, [](std::size_t) { return false; });
  for (const auto& row : table.rows)
    line([&](std::size_t c) { return c < row.size() ? cell(row[c], c) : std::string(); },
         [&](std::size_t c) { return c < row.size() && (std::holds_alternative<std::int64_t>(row[c]) || std::holds_alternative<double>(row[c])); });
}

void writeSection(std::string& out, const Section& section, const std::string& indent) {
  out += indent + section.title + (section.offset ? " at " + hexOffset(*section.offset) : std::string()) + "\n";
  const std::string inner = indent + "  ";
  // Four columns: name, the value as shown, the stored value when it differs, the offset.
  auto shownOf = [](const Field& f) { return f.shown ? *f.shown : text(f.value); };
  auto rawOf = [](const Field& f) {
    return f.shown && !std::holds_alternative<std::monostate>(f.value) && text(f.value) != *f.shown ? "[" + text(f.value) + "]" : std::string();
  };
  // Each text once, the line built in place: a 10 MB tank gives tens of thousands of lines.
  struct Cells {
    std::string shown, raw;
    std::size_t nameColumns, shownColumns;
  };
  std::vector<Cells> cells;
  cells.reserve(section.fields.size());
  std::size_t nameWidth = 0, valueWidth = 0, rawWidth = 0;
  for (const auto& f : section.fields) {
    Cells c{shownOf(f), rawOf(f), columns(f.name), 0};
    c.shownColumns = columns(c.shown);
    nameWidth = std::max(nameWidth, c.nameColumns);
    valueWidth = std::max(valueWidth, std::min<std::size_t>(56, c.shownColumns));
    rawWidth = std::max(rawWidth, c.raw.size());
    cells.push_back(std::move(c));
  }
  for (std::size_t i = 0; i < section.fields.size(); ++i) {
    const Field& f = section.fields[i];
    const Cells& c = cells[i];
    const std::size_t lineStart = out.size();
    out.append(inner).append(f.name).append(nameWidth - c.nameColumns + 2, ' ').append(c.shown);
    if (valueWidth > c.shownColumns) out.append(valueWidth - c.shownColumns, ' ');
    if (rawWidth) out.append(2, ' ').append(c.raw).append(rawWidth - c.raw.size(), ' ');
    if (f.offset) {
      out.append("  at ").append(hexOffset(*f.offset));
      if (f.size) out.append(" (").append(std::to_string(f.size)).append(")");
    }
    while (out.size() > lineStart && out.back() == ' ') out.pop_back();
    out += '\n';
  }
  for (const auto& t : section.tables) writeTable(out, t, inner);
  for (const auto& s : section.sections) writeSection(out, s, inner);
}

std::string json(std::string_view s) { return ui::jsonString(s); }

std::string jsonValue(const Value& value) {
  if (std::holds_alternative<std::string>(value)) return json(std::get<std::string>(value));
  if (std::holds_alternative<std::monostate>(value)) return "null";
  if (std::holds_alternative<double>(value)) {
    const double d = std::get<double>(value);
    return d == d && d - d == 0 ? number(d) : "null";  // JSON has no NaN or infinity
  }
  return text(value);
}

std::string jsonOffset(const std::optional<std::uint64_t>& offset) {
  return offset ? std::to_string(*offset) : std::string("null");
}

void jsonSection(std::string& out, const Section& section, const std::string& indent) {
  const std::string in = indent + "  ";
  out += "{\n" + in + "\"title\": " + json(section.title) + ",\n" + in + "\"offset\": " + jsonOffset(section.offset) + ",\n";
  out += in + "\"fields\": [";
  for (std::size_t i = 0; i < section.fields.size(); ++i) {
    const auto& f = section.fields[i];
    out += (i ? ",\n" : "\n") + in + "  {\"name\": " + json(f.name) + ", \"value\": " + jsonValue(f.value) +
           ", \"offset\": " + jsonOffset(f.offset) + ", \"size\": " + std::to_string(f.size) +
           ", \"shown\": " + (f.shown ? json(*f.shown) : std::string("null")) + "}";
  }
  out += section.fields.empty() ? "],\n" : "\n" + in + "],\n";
  out += in + "\"tables\": [";
  for (std::size_t i = 0; i < section.tables.size(); ++i) {
    const auto& t = section.tables[i];
    out += (i ? ",\n" : "\n") + in + "  {\"title\": " + json(t.title) + ", \"columns\": [";
    for (std::size_t c = 0; c < t.columns.size(); ++c) out += (c ? ", " : "") + json(t.columns[c]);
    out += "], \"rows\": [";
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
      out += (r ? ",\n" : "\n") + in + "    [";
      for (std::size_t c = 0; c < t.rows[r].size(); ++c) out += (c ? ", " : "") + jsonValue(t.rows[r][c]);
      out += "]";
    }
    out += t.rows.empty() ? "]}" : "\n" + in + "  ]}";
  }
  out += section.tables.empty() ? "],\n" : "\n" + in + "],\n";
  out += in + "\"sections\": [";
  for (std::size_t i = 0; i < section.sections.size(); ++i) {
    out += (i ? ",\n" : "\n") + in + "  ";
    jsonSection(out, section.sections[i], in + "  ");
  }
  out += section.sections.empty() ? "]\n" : "\n" + in + "]\n";
  out += indent + "}";
}

}  // namespace

std::string_view kindId(Kind kind) {
  switch (kind) {
    case Kind::Fish: return "fish";
    case Kind::Tank: return "tank";
    case Kind::ExtendedTank: return "wtk";
    case Kind::Food: return "food";
    case Kind::Plant: return "plant";
    case Kind::Gravel: return "gravel";
    case Kind::FishLibrary: return "fish-library";
    case Kind::Palette: return "palette";
    case Kind::Container: return "resource-container";
    case Kind::None: break;
  }
  return "none";
}

std::string_view kindName(Kind kind) {
  switch (kind) {
    case Kind::Fish: return "fish file";
    case Kind::Tank: return "tank file";
    case Kind::ExtendedTank: return "extended-edition tank file";
    case Kind::Food: return "food file";
    case Kind::Plant: return "plant file";
    case Kind::Gravel: return "gravel file";
    case Kind::FishLibrary: return "fish library";
    case Kind::Palette: return "palette file";
    case Kind::Container: return "resource container";
    case Kind::None: break;
  }
  return "none of the known files";
}

std::string plainText(const Report& report, std::string_view file) {
  std::string out = std::string(file) + ": " + std::string(kindName(report.kind)) +
                    (report.variant.empty() ? std::string() : " (" + report.variant + " layout)") + ", " +
                    std::to_string(report.fileSize) + " bytes\n";
  if (!report.reason.empty()) out += "  recognised by " + report.reason + "\n";
  for (const auto& s : report.sections) {
    out += "\n";
    writeSection(out, s, "");
  }
  if (!report.problems.empty()) {
    out += "\nNot understood\n";
    for (const auto& p : report.problems)
      out += "  " + (p.offset ? "at " + hexOffset(*p.offset) + ": " : std::string()) + base::validUtf8(p.message) + "\n";
  }
  return out;
}

std::string jsonText(const Report& report, std::string_view file) {
  std::string out = "{\n  \"file\": " + json(file) + ",\n  \"kind\": " + json(kindId(report.kind)) +
                    ",\n  \"kindName\": " + json(kindName(report.kind)) + ",\n  \"variant\": " +
                    (report.variant.empty() ? std::string("null") : json(report.variant)) +
                    ",\n  \"size\": " + std::to_string(report.fileSize) + ",\n  \"reason\": " + json(report.reason) +
                    ",\n  \"sections\": [";
  for (std::size_t i = 0; i < report.sections.size(); ++i) {
    out += i ? ",\n    " : "\n    ";
    jsonSection(out, report.sections[i], "    ");
  }
  out += report.sections.empty() ? "],\n" : "\n  ],\n";
  out += "  \"problems\": [";
  for (std::size_t i = 0; i < report.problems.size(); ++i)
    out += (i ? ",\n" : "\n") + std::string("    {\"offset\": ") + jsonOffset(report.problems[i].offset) +
           ", \"message\": " + json(report.problems[i].message) + "}";
  out += report.problems.empty() ? "]\n}\n" : "\n  ]\n}\n";
  return out;
}

}  // namespace inspect
