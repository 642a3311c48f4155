#include "ui/PlatformFeatures.h"

namespace mirota {

#ifdef _WIN32
bool platformHasDde() { return true; }
bool platformShowsHelpFile() { return true; }
#else
bool platformHasDde() { return false; }
bool platformShowsHelpFile() { return false; }
#endif

}  // namespace mirota
