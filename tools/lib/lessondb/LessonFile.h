#pragma once

#include "platform/core/Result.h"
#include "tools/lib/lessondb/Item.h"
#include "tools/lib/lessondb/TableDefinition.h"

#include <string>
#include <vector>

namespace lessondb {

struct WriteOptions {
    // Creation time recorded in the catalog, in days since 1899-12-30 (Access's Date/Time).
    double created = 0.0;
};

// Days since 1899-12-30 for a time in seconds since 1970-01-01 UTC.
double accessDate(long long unixSeconds);

// The lesson table `study`: the Text(255) columns "id", "jp", "cn", "sound" and "fy".
TableDefinition lessonTable();

// The lesson file (an Access 2000 database) holding ITEMS in the table `study`, in their
// order. Every field is stored as text, an empty one as a zero-length text (never Null).
// Fails (BadFormat, naming the item by its number from 1) when a field is not UTF-8 of the
// Basic Multilingual Plane, holds U+0000 or more than 255 UTF-16 units, or an id is empty.
platform::Result<std::string> encodeLessonFile(const std::vector<Item>& items, const WriteOptions& options);

// Encodes ITEMS and replaces PATH with them atomically: nothing is written when encoding
// fails, and a failed write leaves any earlier file at PATH as it was.
platform::Status writeLessonFile(const std::string& path, const std::vector<Item>& items, const WriteOptions& options);

// Reads the lesson source at SOURCEPATH and writes its items to OUTPUTPATH as above; a bad
// source fails with the message of the source reader ("FILE:LINE: ...") and writes nothing.
platform::Status convertSource(const std::string& sourcePath, const std::string& outputPath, const WriteOptions& options);

} // namespace lessondb
