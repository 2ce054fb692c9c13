#include "ui/ProgramOptions.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "VorpaVersion.h"

namespace vorpa {
namespace {

struct TOption {
  const char* Name;
  const char* Value;  // name of the value in the help, nullptr for a flag
  const char* Help;
  void (*Apply)(TProgramOptions* opts, const char* value);
};

const TOption kOptions[] = {
    {"--config-dir", "DIR", "directory of Vorpa.Ini and VorpaRemark.txt",
     [](TProgramOptions* o, const char* v) { o->ConfigDir = v; }},
    {"--data-dir", "DIR", "data directory of the race files for this run",
     [](TProgramOptions* o, const char* v) { o->DataDir = v; }},
    {"--open-date", "YYYY-MM-DD", "open this meeting date",
     [](TProgramOptions* o, const char* v) { o->OpenDate = v; }},
    {"--select", "RACE", "select the race shown as RACE in the list (e.g. 東京11)",
     [](TProgramOptions* o, const char* v) { o->Select = v; }},
    {"--reading", "N", "select the N-th odds reading, oldest first",
     [](TProgramOptions* o, const char* v) {
       char* end = nullptr;
       long n = std::strtol(v, &end, 10);
       o->Reading = (*v && !*end && n > 0 && n < 1000) ? static_cast<int>(n) : -1;  // -1: no such reading
     }},
    {"--tab", "NAME", "show the tab with this caption",
     [](TProgramOptions* o, const char* v) { o->Tab = v; }},
    {"--zoom", "PERCENT", "show the grids, lists and result texts at PERCENT (100 to 250), or \"fit\" to the window, for this run",
     [](TProgramOptions* o, const char* v) { o->Zoom = v; }},
    {"--settings-page", "NAME", "open the settings dialog at the page with this caption",
     [](TProgramOptions* o, const char* v) { o->SettingsPage = v; }},
    {"--screenshot", "FILE", "render the main window (or the settings dialog) to the PNG file FILE and exit",
     [](TProgramOptions* o, const char* v) { o->Screenshot = v; }},
    {"--clock-start", "TIME", "start the clock at \"YYYY-MM-DD HH:MM:SS\"; it runs on in real time",
     [](TProgramOptions* o, const char* v) { o->ClockStart = v; }},
    {"--clock-rate", "R", "the clock runs R times as fast (from --clock-start, or from now)",
     [](TProgramOptions* o, const char* v) { o->ClockRate = v; }},
    {"--alerts", nullptr, "open the alert window of the open date (with --screenshot: render it)",
     [](TProgramOptions* o, const char*) { o->Alerts = true; }},
    {"--acquire", nullptr, "switch acquisition on once the window shows",
     [](TProgramOptions* o, const char*) { o->Acquire = true; }},
    {"--help", nullptr, "print this help and exit",
     [](TProgramOptions* o, const char*) { o->Help = true; }},
    {"--help-page", nullptr, "print the path of the help page the help menu opens and exit (status 1 when it is missing)",
     [](TProgramOptions* o, const char*) { o->HelpPage = true; }},
    {"--version", nullptr, "print the version and exit",
     [](TProgramOptions* o, const char*) { o->Version = true; }},
};

const TOption* FindOption(const char* name) {
  for (const TOption& o : kOptions) {
    if (std::strcmp(o.Name, name) == 0) return &o;
  }
  return nullptr;
}

}  // namespace

bool ParseProgramOptions(int argc, char** argv, TProgramOptions* opts) {
  opts->QtArgs.assign(argv, argv + (argc > 0 ? 1 : 0));
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--", 2) != 0) {
      opts->QtArgs.push_back(argv[i]);
      continue;
    }
    const TOption* o = FindOption(argv[i]);
    if (!o) {
      std::fprintf(stderr, "vorpa: unknown option: %s (see vorpa --help)\n", argv[i]);
      return false;
    }
    const char* value = nullptr;
    if (o->Value) {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "vorpa: %s needs a value\n", o->Name);
        return false;
      }
      value = argv[++i];
    }
    o->Apply(opts, value);
  }
  return true;
}

std::string ProgramHelp() {
  std::string text = "usage: vorpa [OPTIONS]\n\nOptions:\n";
  for (const TOption& o : kOptions) {
    std::string left = std::string(o.Name) + (o.Value ? std::string(" ") + o.Value : "");
    char line[256];
    std::snprintf(line, sizeof line, "  %-24s %s\n", left.c_str(), o.Help);
    text += line;
  }
  return text;
}

std::string ProgramVersion() { return std::string("vorpa ") + VORPA_VERSION + "\n"; }

}  // namespace vorpa
