// vorpa-tool get: one request through the HTTP client.
#include <cstdio>

#include "ipat/URLAccess.h"
#include "tools/ToolCommand.h"

namespace vorpa::tool {
namespace {

int RunGet(ToolContext&, const std::vector<std::string>& args) {
  std::string url, body;
  for (size_t k = 0; k < args.size(); ++k) {
    if (args[k] == "--post" && k + 1 < args.size()) {
      body = args[++k];
    } else if (url.empty() && !args[k].empty() && args[k][0] != '-') {
      url = args[k];
    } else {
      std::fprintf(stderr, "vorpa-tool get: unexpected argument: %s\n", args[k].c_str());
      return 2;
    }
  }
  if (url.empty()) {
    std::fprintf(stderr, "vorpa-tool get: no URL given\n");
    return 2;
  }
  std::string out;
  const int status = UrlRequest(url, body, &out);
  std::fprintf(stderr, "%d\n", status);
  std::fwrite(out.data(), 1, out.size(), stdout);
  return status == 200 ? 0 : 1;
}

}  // namespace

VORPA_TOOL_COMMAND(get, "get", "send one request through the HTTP client",
                   "usage: vorpa-tool get URL [--post BODY]\n\n"
                   "Sends a GET (with --post: a form post of BODY) to URL as the acquisition\n"
                   "does: plain HTTP to the URL's host, port 80 unless the URL names one.\n"
                   "Prints the status code on stderr (0 when no answer came) and the body\n"
                   "(only for status 200, raw bytes) on stdout. Exit code 0 for status 200,\n"
                   "else 1.\n",
                   RunGet);

}  // namespace vorpa::tool
