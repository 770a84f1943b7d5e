#pragma once

#include "platform/core/Result.h"
#include "tools/lib/lessondb/TableDefinition.h"

#include <string>
#include <vector>

namespace lessondb {

// Builds a whole Jet 4 database holding one user table besides the engine's own tables.
//
// Pages: 0 header, 1 the file's free-page map, 2 to 5 the definitions of MSysObjects,
// MSysACEs, MSysQueries and MSysRelationships, 6 every usage map, 7 the catalog rows, 8 the
// user table's definition, then its data pages in row order, then any bitmap pages the usage
// maps of a large file need. Rows are stored in the order given, so that a reader scanning
// the table returns them in that order. No table carries an index.
class DatabaseBuilder {
public:
    // CREATED (days since 1899-12-30) is recorded in the catalog as every object's creation
    // and update time.
    explicit DatabaseBuilder(double created) : m_created(created) {}

    // The file's bytes; fails only when the rows need more pages than a Jet 4 file may hold.
    platform::Result<std::string> build(const TableDefinition& table, const std::vector<std::vector<Value>>& rows) const;

private:
    double m_created;
};

} // namespace lessondb
