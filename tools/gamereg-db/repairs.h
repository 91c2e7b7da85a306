#pragma once
// What the tool's own open changes in a database that needs repair, told
// from what an inspection found.

#include <string>
#include <vector>

#include "database/read_only_database.h"

namespace gamereg {

// One line each, in English; none for a database that needs no repair.
std::vector<std::string> DescribeRepairs(const ReadOnlyDatabase& database);

}  // namespace gamereg
