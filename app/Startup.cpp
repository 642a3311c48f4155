#include "app/Startup.h"

#include <exception>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/MainWindow.h"
#include "app/OpenRequests.h"
#include "app/RuntimeFailure.h"
#include "app/SingleInstance.h"
#include "ui/MessageSink.h"
#include "settings/PreferencesStore.h"
#include "model/ProgramTitle.h"

namespace mirota {

namespace {

// Reports a failure inside any event handler and carries on: no failure ends the program.
class MirotaApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& failure) {
            showMessageBox(activeWindow(), runtimeFailure(failure, "frmMain"), QMessageBox::Ok);
        }
        return false;
    }
};

// The document named on the command line ("open with"); options are left to Qt.
QString fileArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1Char('-'))) return arguments[i];
    }
    return {};
}

}  // namespace

QString appFolderFor(const QString& programFolder) {
    QString folder = QDir::toNativeSeparators(programFolder);
    if (!folder.endsWith(QDir::separator())) folder += QDir::separator();
    return folder;
}

void setDefaultSettings(Preferences& prefs) {
    prefs.optionFlags = {.saveWindowSize = true, .useStationPrefix = true};
    prefs.stationPrefix = "No.";
    prefs.digitsFormat = "0.00";
    prefs.extWindowPos = false;
    prefs.showPreview = true;
    prefs.windowGeometry.width = 11500;
    prefs.windowGeometry.height = 6100;
}

int runProgram(int argc, char** argv) {
    MirotaApplication app(argc, argv);
    QTranslator standardTexts;
    if (standardTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&standardTexts);
    }
    try {
        const QString fileToOpen = fileArgument(QCoreApplication::arguments());
        const QString serverName = defaultOpenRequestServerName();
        SingleInstanceLock lock(SingleInstanceLock::defaultPath());
        if (!lock.acquire()) {
            // "Open with" while a copy runs: that copy opens the file and comes to the front.
            if (!fileToOpen.isEmpty() && sendOpenRequest(serverName, QFileInfo(fileToOpen).absoluteFilePath())) return 0;
            showMessageBox(nullptr, Message{std::string("既に [") + kProgramTitle + "] は起動しています！", "警告", Message::Icon::Warning},
                           QMessageBox::Ok);
            return 0;
        }
        Preferences prefs;
        const QString appFolder = appFolderFor(QCoreApplication::applicationDirPath());
        // What the key lacks (a first run that ended before saving wrote the version alone) keeps its default.
        setDefaultSettings(prefs);
        if (ensureSettingsKey()) loadSettings(prefs);
        MainWindow window(prefs, appFolder);
        window.data().conditions = DrawingConditions::startupDefaults();
        window.Form_Load();
        window.show();
        OpenRequestServer openRequests(serverName);
        QObject::connect(&openRequests, &OpenRequestServer::openRequested, &window, &MainWindow::openRequestedFile,
                         Qt::QueuedConnection);
        if (!fileToOpen.isEmpty()) window.openRequestedFile(QFileInfo(fileToOpen).absoluteFilePath());
        return QApplication::exec();
    } catch (const std::exception& failure) {
        showMessageBox(nullptr, runtimeFailure(failure, "Moduel1"), QMessageBox::Ok);
        return 1;
    }
}

}  // namespace mirota
