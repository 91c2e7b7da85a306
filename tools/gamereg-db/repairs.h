#pragma once
// What the tool's own open changes in a database that needs repair, told
// from what an inspection found.

#include <string>
#include <vector>

#include "database/database_inspection.h"

namespace gamereg {

// One line each, in English; none for a database that needs no repair.
std::vector<std::string> DescribeRepairs(const InspectedDatabase& database);

}  // namespace gamereg
