// vorpa-tool html: the table list or the form list of a saved page.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "ipat/HtmlTable.h"
#include "tools/ToolCommand.h"

namespace vorpa::tool {
namespace {

int RunHtml(ToolContext&, const std::vector<std::string>& args) {
  bool forms = false;
  std::string file;
  for (const std::string& a : args) {
    if (a == "--forms") {
      forms = true;
    } else if (file.empty() && (a.empty() || a[0] != '-')) {
      file = a;
    } else {
      std::fprintf(stderr, "vorpa-tool html: unexpected argument: %s\n", a.c_str());
      return 2;
    }
  }
  if (file.empty()) {
    std::fprintf(stderr, "vorpa-tool html: no file given\n");
    return 2;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "vorpa-tool html: cannot read %s\n", file.c_str());
    return 1;
  }
  std::ostringstream page;
  page << in.rdbuf();
  TTextList list;
  if (forms) {
    ExtractForms(page.str(), &list);
  } else {
    ExtractTables(page.str(), &list);
  }
  for (const std::string& entry : list) {
    std::fwrite(entry.data(), 1, entry.size(), stdout);
    std::fputc('\n', stdout);
  }
  return 0;
}

}  // namespace

VORPA_TOOL_COMMAND(html, "html", "print the table list or form list of a saved page",
                   "usage: vorpa-tool html [--forms] FILE\n\n"
                   "Prints the table list of the page in FILE (with --forms: its form list),\n"
                   "one entry per line: the path, then the text, as the raw bytes of the page\n"
                   "(CP932), LF line ends.\n",
                   RunHtml);

}  // namespace vorpa::tool
