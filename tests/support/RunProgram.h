#pragma once
// Runs a program with arguments and collects its exit status and output.
#include <string>
#include <vector>

namespace vorpa::test {

struct ProgramResult {
  int Status = -1;  // exit code; -1 when it did not exit normally
  std::string Out;
  std::string Err;
};

// Runs `path` with `args` (no shell), feeding `input` on standard input,
// with extra environment entries "NAME=value".
ProgramResult RunProgram(const std::string& path, const std::vector<std::string>& args,
                         const std::string& input = "",
                         const std::vector<std::string>& env = {});

}  // namespace vorpa::test
