#include "tools/WinPools.h"

namespace vorpa::tool {

TWinPoolSource WinPoolsOf(const std::string&) { return {}; }

}  // namespace vorpa::tool
