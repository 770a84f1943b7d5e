#pragma once

#include "platform/core/Result.h"
#include "platform/store/LessonSource.h"
#include "platform/store/MdbLessonSource.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Reads the lesson rows of one table straight through libmdb, in this process. libmdb trusts
// the file: a damaged file can make it crash or loop for ever, so call this only on a file
// that passed checkJet4File, and only where a crash cannot take the program down (the lesson
// source runs it in a child process).
//
// TABLE and the COLUMNS are found by name without regard to ASCII case, as the Jet engine
// finds them. Every row of the table is visited in stored order; a row is kept when the text
// of its id column equals ID byte for byte. Values are read as text (UTF-8; numbers, dates and
// Yes/No in libmdb's text forms); a Null or empty field gives "".
Result<std::vector<LessonRow>> readLessonRowsWithMdb(
    const std::string& path, const std::string& table, const LessonColumns& columns, const std::string& id);

// The same read, giving each kept row to SINK as it is found (in stored order) instead of
// collecting them; returns the error that stopped the scan, if any (rows given before it stay
// given).
Status scanLessonRowsWithMdb(const std::string& path, const std::string& table, const LessonColumns& columns, const std::string& id,
    const std::function<void(LessonRow&&)>& sink);

// The same read, with the rows or the error encoded as bytes to cross from a child process
// (see ChildProcess.h); decodeRows turns them back. Decoding gives nothing for bytes that are
// not a whole encoded result.
std::string readLessonRowsEncoded(const std::string& path, const std::string& table, const LessonColumns& columns, const std::string& id);
std::optional<Result<std::vector<LessonRow>>> decodeRows(std::string_view bytes);

} // namespace platform
