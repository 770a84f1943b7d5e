#pragma once

#include "platform/core/Result.h"

#include <string>

namespace platform {

// Checks, without the database library, that PATH looks like an Access 2000-2003 (Jet 4)
// file before anything parses it: a regular file, not empty, a whole number of 4096-byte
// pages, page 0 a database header ("\0\x01\0\0Standard Jet DB\0") with version byte 0x01 at
// offset 0x14. Jet 3 (Access 97) files and ACE (.accdb, "Standard ACE DB") files are refused
// by name. The message of the Error always names the file.
Status checkJet4File(const std::string& path);

} // namespace platform
