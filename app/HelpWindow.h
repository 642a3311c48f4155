#pragma once

#include <QStringList>
#include <QWidget>

class QListWidget;
class QTextBrowser;
class QUrl;

namespace mirota {

// The program's own help: the manual pages shipped with the program, with their contents beside them.
// Shown when the platform cannot show the compiled help file.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // The pages in the order of the contents, by file name ("index.html" first).
    static const QStringList& pageFiles();
    // The title of a page, as the page itself gives it.
    static QString pageTitle(const QString& file);

    void showPage(const QString& file);

    QTextBrowser* browser() const { return browser_; }
    QListWidget* contents() const { return contents_; }

private:
    // Marks the page being shown in the contents.
    void syncContents(const QUrl& page);

    QListWidget* contents_ = nullptr;
    QTextBrowser* browser_ = nullptr;
};

}  // namespace mirota
