#pragma once

// Registers the built-in artwork (":/art/...") with the resource system. The resources live
// in a static library, whose initialiser a linker may leave out when nothing refers to it;
// calling this refers to it. Idempotent; call before the first picture is read.
void initArtworkResources();
