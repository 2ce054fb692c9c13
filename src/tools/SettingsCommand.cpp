// vorpa-tool settings: the effective settings after loading, exactly as the
// save operation writes them.
#include <cstdio>

#include "core/Setting.h"
#include "tools/ToolCommand.h"

namespace vorpa::tool {
namespace {

int RunSettings(ToolContext& ctx, const std::vector<std::string>& args) {
  if (!args.empty()) {
    std::fprintf(stderr, "vorpa-tool settings: unexpected argument: %s\n", args[0].c_str());
    return 2;
  }
  TSetting s = LoadSetting(ctx.ConfigDir);
  if (!ctx.DataDir.empty()) s.MojiPath = ctx.DataDir;
  std::string text = FormatSetting(s);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}

}  // namespace

VORPA_TOOL_COMMAND(settings, "settings", "print the effective settings as Vorpa.Ini holds them",
                   "usage: vorpa-tool [--config-dir DIR] settings\n\n"
                   "Loads Vorpa.Ini from the configuration directory (defaults for missing or\n"
                   "unreadable keys) and prints section [vorpa] exactly as saving writes it:\n"
                   "the line \"[vorpa]\", then one Key=Value line per key, CR LF line ends.\n"
                   "--data-dir replaces MojiPath.\n",
                   RunSettings);

}  // namespace vorpa::tool
