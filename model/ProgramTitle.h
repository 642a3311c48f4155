#pragma once

namespace mirota {

// The program's name, as captions and message titles show it.
inline constexpr const char* kProgramTitle = "LTミロタ展開図";

}  // namespace mirota
