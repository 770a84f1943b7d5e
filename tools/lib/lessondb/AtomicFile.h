#pragma once

#include "platform/core/Result.h"

#include <string>

namespace lessondb {

// Replaces the file at PATH with BYTES atomically: the bytes go to a new temporary file in
// the same folder, which is flushed to disk and then renamed over PATH. On any failure the
// temporary file is removed and PATH is left as it was; the error names PATH.
platform::Status replaceFile(const std::string& path, const std::string& bytes);

} // namespace lessondb
