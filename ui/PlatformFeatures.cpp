#include "ui/PlatformFeatures.h"

namespace mirota {

#ifdef _WIN32
bool PlatformHasDde() { return true; }
bool PlatformShowsHelpFile() { return true; }
#else
bool PlatformHasDde() { return false; }
bool PlatformShowsHelpFile() { return false; }
#endif

}  // namespace mirota
