#pragma once
// The subcommands of vorpa-tool. Each command file registers itself with
// VORPA_TOOL_COMMAND; main parses the global options and dispatches.
#include <memory>
#include <string>
#include <vector>

#include "core/Clock.h"

namespace vorpa::tool {

struct ToolContext {
  std::string ConfigDir;  // resolved, with a trailing "/"
  std::string DataDir;    // --data-dir, empty when not given
  std::unique_ptr<TClock> Clock;
};

// Returns the process exit code. `args` holds the command's own arguments,
// global options removed.
using CommandFn = int (*)(ToolContext& ctx, const std::vector<std::string>& args);

struct CommandInfo {
  const char* Name;
  const char* Summary;  // one line for vorpa-tool --help
  const char* Usage;    // printed by `vorpa-tool NAME --help`
  CommandFn Run;
};

struct CommandRegistrar {
  explicit CommandRegistrar(const CommandInfo& info);
};

const std::vector<CommandInfo>& Commands();

// True when args holds "--help" or "-h".
bool WantsHelp(const std::vector<std::string>& args);

}  // namespace vorpa::tool

#define VORPA_TOOL_COMMAND(ident, name, summary, usage, fn) \
  static ::vorpa::tool::CommandRegistrar ident##_registrar({name, summary, usage, fn})
