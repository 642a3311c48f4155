#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace mirota {

// What a file dialog is asked for: an existing file to open, or a name to save under (the dialog
// asks before an existing file is overwritten).
struct FileDialogRequest {
    enum class Kind { Open, Save };

    Kind kind = Kind::Open;
    QString caption;
    QString start;          // the folder, or the file, the dialog starts at
    QString filter;         // e.g. "テキスト ファイル (*.txt)"
    QString defaultSuffix;  // added to a name typed without one; empty: the name is taken as typed

    bool operator==(const FileDialogRequest&) const = default;
};

// How a window asks for a file name; an empty name means the dialog was cancelled. Tests put their
// own answers in its place.
using FileDialogSink = std::function<QString(const FileDialogRequest&)>;

// Where a file dialog starts: the folder of the document (if it has a file), else the folder last chosen,
// else the user's documents folder, else the home folder: the first of them that exists, so that a
// dialog never offers a missing folder's name as the file name. Never the program's own folder,
// where a user may not write.
QString startFolderFor(const QString& documentPath, const QString& lastUsedFolder);

// The platform's file dialog over parent.
QString showFileDialog(QWidget* parent, const FileDialogRequest& request);

}  // namespace mirota
