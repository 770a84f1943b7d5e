#pragma once

#include <string>

namespace lessondb {

// Page 0 of a Jet 4 database: the "Standard Jet DB" signature, version 1 (Jet 4), code
// page 1252, "General" sort order, database key 0 (pages are not encoded), no password and
// a zero creation date, with the range 0x18..0x97 masked as the engine masks it.
std::string headerPage();

// The 128-byte mask over 0x18..0x97: the RC4 key stream of the key C7 DA 39 6B.
std::string headerMask();

} // namespace lessondb
