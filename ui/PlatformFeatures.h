#pragma once

namespace mirota {

// What the platform the program runs on can do for it.

// A DDE conversation with the CAD program can be held (Windows).
bool platformHasDde();
// The compiled help file (.chm) can be shown by the platform's own help viewer (Windows).
bool platformShowsHelpFile();

}  // namespace mirota
