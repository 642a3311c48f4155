#include "app/HelpWindow.h"
#include "model/ProgramTitle.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

// The pages live in a library: their resource is registered by name, once, outside any namespace.
static void registerHelpPages() {
    static bool registered = false;
    if (registered) return;
    Q_INIT_RESOURCE(help);
    registered = true;
}

namespace mirota {

namespace {

const QString kFolder = QStringLiteral("qrc:/help/");

}  // namespace

const QStringList& HelpWindow::pageFiles() {
    static const QStringList files{
        QStringLiteral("index.html"),       QStringLiteral("input.html"),   QStringLiteral("types.html"),
        QStringLiteral("calculation.html"), QStringLiteral("conditions.html"), QStringLiteral("drawing.html"),
        QStringLiteral("datafile.html"),
    };
    return files;
}

QString HelpWindow::pageTitle(const QString& file) {
    registerHelpPages();
    QFile page(QStringLiteral(":/help/") + file);
    if (!page.open(QIODevice::ReadOnly)) return {};
    static const QRegularExpression title(QStringLiteral("<title>(.*)</title>"),
                                          QRegularExpression::DotMatchesEverythingOption |
                                              QRegularExpression::InvertedGreedinessOption);
    const auto match = title.match(QString::fromUtf8(page.readAll()));
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    registerHelpPages();
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QString::fromUtf8(kProgramTitle) + QStringLiteral(" ヘルプ"));
    resize(920, 660);

    auto* tools = new QToolBar;
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tools->setIconSize(QSize(16, 16));
    QAction* home = tools->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("目次"));
    QAction* back = tools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("戻る"));
    QAction* forward = tools->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("進む"));
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    // Like any viewer window: Esc and Ctrl+W close it.
    auto* close = new QAction(this);
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    close->setShortcutContext(Qt::WindowShortcut);
    addAction(close);
    connect(close, &QAction::triggered, this, &QWidget::close);

    contents_ = new QListWidget;
    contents_->setObjectName(QStringLiteral("lstContents"));
    contents_->setSpacing(2);
    for (const QString& file : pageFiles()) {
        auto* item = new QListWidgetItem(pageTitle(file), contents_);
        item->setData(Qt::UserRole, file);
    }
    browser_ = new QTextBrowser;
    browser_->setObjectName(QStringLiteral("txtHelp"));
    browser_->setSearchPaths({QStringLiteral(":/help")});
    browser_->setOpenExternalLinks(true);

    auto* splitter = new QSplitter;
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 700});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(splitter, 1);

    connect(home, &QAction::triggered, this, [this] { showPage(pageFiles().first()); });
    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::syncContents);
    connect(contents_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
    connect(contents_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });

    showPage(pageFiles().first());
}

void HelpWindow::showPage(const QString& file) { browser_->setSource(QUrl(kFolder + file)); }

void HelpWindow::syncContents(const QUrl& page) {
    const QString file = page.fileName();
    const QSignalBlocker blocker(contents_);
    for (int row = 0; row < contents_->count(); ++row) {
        if (contents_->item(row)->data(Qt::UserRole).toString() == file) contents_->setCurrentRow(row);
    }
}

}  // namespace mirota
