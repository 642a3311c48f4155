#pragma once

#include <QIcon>

class QPainter;

namespace mirota {

// A command's picture, drawn on a 24 x 24 grid with the ink pen set.
using CommandPicture = void (*)(QPainter& painter);

// The icon of a command: the system icon theme's where it has one by that name, otherwise the picture.
QIcon commandIcon(const char* themeName, CommandPicture picture);

// The pictures of the commands that have one.
namespace picture {
void newDocument(QPainter& p);
void openFolder(QPainter& p);
void saveDisk(QPainter& p);
void cut(QPainter& p);
void copy(QPainter& p);
void paste(QPainter& p);
void undo(QPainter& p);
void redo(QPainter& p);
void designValues(QPainter& p);
void measuredValues(QPainter& p);
void calculator(QPainter& p);
void drawing(QPainter& p);
void insertRow(QPainter& p);
void deleteRow(QPainter& p);
void help(QPainter& p);
void settings(QPainter& p);
void fitDrawing(QPainter& p);
void zoomIn(QPainter& p);
void zoomOut(QPainter& p);
void dxfFile(QPainter& p);
void pdfFile(QPainter& p);
void printer(QPainter& p);
}  // namespace picture

}  // namespace mirota
