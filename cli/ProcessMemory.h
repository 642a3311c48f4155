#pragma once

namespace mirota::cli {

// A run of this program builds a few large tables once, one stage after another, and then ends.
// Memory a stage frees is kept for the next one instead of being handed back to the system and
// taken again page by page, each first touch of a page costing a trip into the system. Does nothing
// where the C library offers no such setting.
void keepFreedMemoryForReuse();

}  // namespace mirota::cli
