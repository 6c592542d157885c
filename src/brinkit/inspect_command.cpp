#include <ostream>

#include "base/file_io.hpp"
#include "base/utf8.hpp"
#include "brinkit/commands.hpp"
#include "inspect/inspect.hpp"

namespace brinkit {

void addInspectCommand(CLI::App& app, ui::CommandContext& context) {
  auto* cmd = app.add_subcommand("inspect",
                                 "Tell what a content file is (recognised by its bytes, not its name) and show its structure: "
                                 "the container's header, types and references, and the fields of its kind, each at its offset");
  auto file = std::make_shared<std::string>();
  auto json = std::make_shared<bool>(false);
  cmd->add_option("FILE", *file, "The file to inspect")->required();
  cmd->add_flag("--json", *json, "Print one JSON document (its shape: docs/inspect.schema.json)");
  cmd->callback([file, json, &context] {
    const auto path = base::pathFromUtf8(*file);
    auto bytes = base::readFile(path, inspect::kMaxInspectedSize);
    if (!bytes) {
      context.err << bytes.error().message << '\n';
      context.exitCode = ui::kExitRefused;
      return;
    }
    const auto report = inspect::inspectFile(*bytes, context.codePage);
    const std::string shown = base::displayPath(path);
    if (report.kind == inspect::Kind::None) {
      context.err << shown << " is none of the files brinkit knows. It looked for " << report.reason << ".\n";
      if (*json) context.out << inspect::jsonText(report, shown);
      context.exitCode = ui::kExitRefused;
      return;
    }
    context.out << (*json ? inspect::jsonText(report, shown) : inspect::plainText(report, shown));
    context.exitCode = ui::kExitDone;
  });
}

}  // namespace brinkit
