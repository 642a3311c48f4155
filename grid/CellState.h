#pragma once

#include <QColor>

namespace mirota {

// Whether a grid cell may be opened for editing; shown as its background colour.
enum class CellState {
    Editable,  // the window background colour
    Locked,    // derived or computed, or the joined side of a chained figure
    OtherSet,  // a value of the input set not being edited
};

inline QColor lockedColour() { return QColor(224, 224, 224); }
inline QColor otherSetColour() { return QColor(192, 255, 255); }

}  // namespace mirota
