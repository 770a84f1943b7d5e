#pragma once

#include "tools/lib/lessondb/TableDefinition.h"

#include <array>
#include <cstdint>

namespace lessondb {

// The engine's own tables every Jet 4 database starts with, columns as the engine defines
// them, at their fixed definition pages. MSysObjects is the catalog; the other three stay
// empty in a lesson file.
struct SystemTable {
    std::uint32_t definitionPage;
    TableDefinition definition;
};

std::array<SystemTable, 4> systemTables();

} // namespace lessondb
