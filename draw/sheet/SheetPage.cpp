#include "draw/sheet/SheetPage.h"

namespace mirota::sheet {

double textWidth(std::string_view text, double size) {
    double ems = 0.0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) ems += 0.5;
        else if ((byte & 0xC0) != 0x80) ems += 1.0;  // the first byte of a character beyond ASCII
    }
    return ems * size;
}

}  // namespace mirota::sheet
