// The data file commands Open, Save and Save As, the save dialog, and the question about unsaved
// changes before they are dropped. (New builds the first document and lives with it.)
#include "app/MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <QAction>
#include <QMenu>

#include "io/DataFileReader.h"
#include "io/DataFileWriter.h"
#include "model/ProgramTitle.h"
#include "settings/RecentFiles.h"

namespace mirota {

namespace {

const QString kTitle = QString::fromUtf8(kProgramTitle);
const QString kDataFilter = QStringLiteral("テキスト ファイル (*.txt)");
const QString kDataSuffix = QStringLiteral("txt");

QString shownPath(const std::string& path) { return QDir::toNativeSeparators(QString::fromStdString(path)); }

// The caption names the file the document is saved to, so that it never shows another one.
QString captionFor(const std::string& path) {
    return path.empty() ? kTitle : kTitle + QStringLiteral("   【") + shownPath(path) + QStringLiteral("】");
}

}  // namespace

void MainWindow::setCaption(const QString& caption) {
    caption_ = caption;
    updateCaption();
}

void MainWindow::updateCaption() {
    setWindowTitle(edits_.isModified() ? caption_ + QStringLiteral("*") : caption_);
    // The asterisk and the undo and redo commands show the history; whatever changes one may change the other.
    updateHistoryCommands();
}

void MainWindow::setDocumentModified(bool modified) {
    if (modified) {
        edits_.markUnsaved();
    } else {
        edits_.markSaved();
    }
    updateCaption();
}

FileDialogRequest MainWindow::dataFileRequest(FileDialogRequest::Kind kind) const {
    using Kind = FileDialogRequest::Kind;
    if (kind == Kind::Open) return {Kind::Open, QStringLiteral("開く"), dialogStartFolder(), kDataFilter, {}};
    const QString start = data_.currentFilePath.empty() ? dialogStartFolder() : shownPath(data_.currentFilePath);
    return {Kind::Save, QStringLiteral("名前を付けて保存"), start, kDataFilter, kDataSuffix};
}

QString MainWindow::dialogStartFolder() const {
    return startFolderFor(QString::fromStdString(data_.currentFilePath), lastDialogFolder_);
}

QString MainWindow::askFileName(const FileDialogRequest& request) {
    const QString path = chooseFile(request);
    if (!path.isEmpty()) lastDialogFolder_ = QFileInfo(path).absolutePath();
    return path;
}

bool MainWindow::saveChangesFirst() {
    if (!edits_.isModified()) return true;
    const Message question{"変更内容を保存しますか？", kTitle.toStdString(), Message::Icon::Warning};
    switch (showMessage(question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return saveDocument(data_.currentFilePath);
    case QMessageBox::No: return true;
    default: return false;
    }
}

void MainWindow::mnuOpen_Click() {
    if (!saveChangesFirst()) return;
    tag_ = "open";
    const QString path = askFileName(dataFileRequest(FileDialogRequest::Kind::Open));
    if (path.isEmpty()) {
        data_.currentFilePath.clear();  // the document stays, untitled
        setCaption(captionFor(data_.currentFilePath));
        tag_.clear();
        return;
    }
    openDocumentFile(path);
}

void MainWindow::openRequestedFile(const QString& path) {
    // A dialog of ours is waiting for an answer: open the file once it is closed.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        QTimer::singleShot(300, this, [this, path] { openRequestedFile(path); });
        return;
    }
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    raise();
    activateWindow();
    if (!saveChangesFirst()) return;
    tag_ = "open";
    openDocumentFile(path);
}

void MainWindow::openRecentFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        forgetRecentFile(prefs_.recentFiles, QDir::toNativeSeparators(path).toStdString());
        showMessage(Message{"ファイルが見つかりません。\r\n" + shownPath(path.toStdString()).toStdString() +
                                "\r\n\r\n最近使ったファイルの一覧から削除しました。",
                            kTitle.toStdString(), Message::Icon::Warning},
                    QMessageBox::Ok);
        return;
    }
    openRequestedFile(path);
}

void MainWindow::listRecentFiles(QMenu* fileMenu) {
    for (QAction* item : recentFileItems_) delete item;
    recentFileItems_.clear();
    for (std::size_t i = 0; i < prefs_.recentFiles.size(); ++i) {
        const QString path = shownPath(prefs_.recentFiles[i]);
        QString caption = QStringLiteral("&%1 ").arg(i + 1) + QString(path).replace('&', QStringLiteral("&&"));
        auto* item = new QAction(caption, fileMenu);
        item->setObjectName(QStringLiteral("mnuRecentFile%1").arg(i + 1));
        connect(item, &QAction::triggered, this, [this, path] { openRecentFile(path); });
        fileMenu->insertAction(recentFilesEnd_, item);
        recentFileItems_.push_back(item);
    }
    if (!recentFileItems_.empty()) recentFileItems_.push_back(fileMenu->insertSeparator(recentFileItems_.front()));
}

void MainWindow::openDocumentFile(const QString& path) {
    // The reader puts the file in place of the document only when all of it could be read.
    if (const auto failure = readDataFile(QDir::toNativeSeparators(path).toStdString(), data_)) {
        showMessage(*failure, QMessageBox::Ok);
        tag_.clear();
        return;
    }
    edits_.markOpened();
    rememberRecentFile(prefs_.recentFiles, data_.currentFilePath);
    setCaption(captionFor(data_.currentFilePath));
    if (cboBlk_->currentIndex() + 1 == data_.tierCount()) {
        cboBlk_Click();
    } else {
        cboBlk_->setCurrentIndex(data_.tierCount() - 1);
    }
    recalculate(true);  // the file keeps no areas: they are shown at once
    UpdateCommandState();
    if (!tag_.empty()) tag_.clear();
}

bool MainWindow::ShowSaveDialog() {
    QString path = askFileName(dataFileRequest(FileDialogRequest::Kind::Save));
    // A name typed without ".txt" gets it, so that Open lists the file; the dialog asked about the name
    // as typed, so a file already there under the new name is asked about here.
    if (!path.isEmpty() && QFileInfo(path).suffix().compare(kDataSuffix, Qt::CaseInsensitive) != 0) {
        path += QStringLiteral(".") + kDataSuffix;
        const Message question{QDir::toNativeSeparators(path).toStdString() + " は既に存在します。\r\n上書きしますか？",
                               kTitle.toStdString(), Message::Icon::Warning};
        if (QFileInfo::exists(path) && showMessage(question, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
            path.clear();
        }
    }
    data_.currentFilePath = path.isEmpty() ? std::string() : QDir::toNativeSeparators(path).toStdString();
    return !data_.currentFilePath.empty();
}

bool MainWindow::saveDocument(const std::string& pathBefore) {
    if (data_.currentFilePath.empty() && !ShowSaveDialog()) return false;
    // A refused document or a failed write leaves the file on disk as it was.
    if (const auto failure = writeDataFile(data_, data_.currentFilePath)) {
        data_.currentFilePath = pathBefore;
        showMessage(*failure, QMessageBox::Ok);
        return false;
    }
    rememberRecentFile(prefs_.recentFiles, data_.currentFilePath);
    setCaption(captionFor(data_.currentFilePath));
    setDocumentModified(false);
    return true;
}

void MainWindow::mnuSave_Click() { saveDocument(data_.currentFilePath); }

void MainWindow::mnuSaveNew_Click() {
    // A cancelled dialog leaves the document untitled, so the save asks a second time.
    const std::string pathBefore = data_.currentFilePath;
    ShowSaveDialog();
    saveDocument(pathBefore);
}

}  // namespace mirota
