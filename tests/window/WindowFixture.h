#pragma once

#include <deque>
#include <memory>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QKeyEvent>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "app/DrawingWindow.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "grid/CellEditor.h"
#include "grid/TierGrid.h"
#include "settings/PreferencesStore.h"

namespace mirota {

namespace test {

// The access letter of a caption ("保存(&S)" gives S); empty when it has none.
inline QString accessLetter(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&') return caption.mid(i + 1, 1).toUpper();
        ++i;
    }
    return {};
}

// The captions among these that have no access letter or share theirs with another.
inline QStringList captionsWithoutOwnLetter(const QStringList& captions) {
    QStringList faults;
    QStringList letters;
    for (const QString& caption : captions) {
        const QString letter = accessLetter(caption);
        if (letter.isEmpty() || letters.contains(letter)) faults << caption;
        letters << letter;
    }
    return faults;
}

// What a dialog reaches by a letter: its buttons, the labels of its fields and its titled groups.
inline QStringList dialogCaptions(const QWidget* dialog) {
    QStringList captions;
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) captions << button->text();
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->buddy()) captions << label->text();
    }
    for (const QGroupBox* group : dialog->findChildren<QGroupBox*>()) {
        if (!accessLetter(group->title()).isEmpty()) captions << group->title();
    }
    return captions;
}

// The items of a menu and of its submenus, each menu's letters its own.
inline QStringList menuItemsWithoutOwnLetter(const QMenu* menu) {
    QStringList captions;
    QStringList faults;
    for (const QAction* item : menu->actions()) {
        if (item->isSeparator()) continue;
        captions << item->text();
        if (item->menu()) faults << menuItemsWithoutOwnLetter(item->menu());
    }
    return faults << captionsWithoutOwnLetter(captions);
}

}  // namespace test

// Messages as failed comparisons show them.
inline char* toString(const Message& message) {
    return QTest::toString(QString::fromStdString("{" + message.text + " | " + message.title + " | icon " +
                                                  std::to_string(static_cast<int>(message.icon)) + "}"));
}
inline char* toString(const std::vector<Message>& messages) {
    std::string text;
    for (const Message& m : messages) text += "{" + m.text + " | " + m.title + "} ";
    return QTest::toString(QString::fromStdString(text));
}

}  // namespace mirota

namespace mirota::test {

// Settings of the tests go to a folder of their own, never to the user's.
inline void useTemporarySettings(const QTemporaryDir& folder) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
}

// Where file dialogs start with no document file and no folder chosen before: the documents folder, or
// the home folder on an account that has none.
inline QString firstDialogFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

// A temporary folder that holds the settings while a test object lives; its tests may keep files there too.
class SettingsFolder : public QTemporaryDir {
public:
    SettingsFolder() {
        if (!isValid()) qFatal("no temporary folder for the settings: %s", qPrintable(errorString()));
        useTemporarySettings(*this);
    }
};

// A started main window with the first-run preferences, whose messages, shell requests and file
// dialogs (of the main window and of the drawing window) are recorded. A file dialog answers with the
// next of fileNames, or as cancelled when none is left.
struct WindowFixture {
    Preferences prefs;
    std::unique_ptr<MainWindow> window;
    std::vector<Message> messages;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
    std::deque<QMessageBox::StandardButton> answers;  // taken before answer while there are any
    QStringList shellRequests;
    std::vector<FileDialogRequest> fileRequests;
    std::deque<QString> fileNames;

    explicit WindowFixture(const std::string& digits = "0.00", const std::string& drawingOutput = "engine",
                           bool showPreview = true) {
        setDefaultSettings(prefs);
        prefs.showPreview = showPreview;
        prefs.digitsFormat = digits;
        prefs.drawingOutput = drawingOutput;
        window = std::make_unique<MainWindow>(prefs, QStringLiteral("/opt/mirota/"));
        const auto recordMessage = [this](const Message& message, QMessageBox::StandardButtons) {
            messages.push_back(message);
            if (answers.empty()) return answer;
            const QMessageBox::StandardButton next = answers.front();
            answers.pop_front();
            return next;
        };
        const auto recordFileDialog = [this](const FileDialogRequest& request) {
            fileRequests.push_back(request);
            if (fileNames.empty()) return QString();
            const QString name = fileNames.front();
            fileNames.pop_front();
            return name;
        };
        window->showMessage = recordMessage;
        window->shellOpen = [this](const QString& path) { shellRequests << path; };
        window->chooseFile = recordFileDialog;
        window->drawingWindow()->showMessage = recordMessage;
        window->drawingWindow()->chooseFile = recordFileDialog;
        window->Form_Load();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    SurveyData& data() { return window->data(); }
    TierView& view() { return window->tierView(); }
    TierGrid* grid(ListKind list = ListKind::Chain) { return view().grid(list); }
    CellEditor* editor(ListKind list = ListKind::Chain) { return view().editor(list); }
    const std::string& cell(int row, int col, ListKind list = ListKind::Chain) {
        return data().cell(list, data().view.currentTier, row, col);
    }
    void setCell(int row, int col, const std::string& text, ListKind list = ListKind::Chain) {
        data().setCell(list, data().view.currentTier, row, col, text);
    }

    void setCount(ListKind list, int count) { view().pane(list)->countCombo()->setCurrentIndex(count - 1); }
    // Rebuilds the tier on screen from the document.
    void reload() { window->tabMain_Click(); }

    // Makes the grid the one last clicked, with its current cell at (row, col).
    void select(int row, int col, ListKind list = ListKind::Chain) {
        TierGrid* g = grid(list);
        g->setFocus();
        g->setCurrentGridCell(row, col);
        data().view.activeList = list;
    }

    static QWidget* focused() { return QApplication::focusWidget(); }

    // Types the text where the keyboard focus is (the first key on a grid opens its editor).
    static void type(const QString& text) {
        for (QChar ch : text) {
            if (ch.unicode() < 128) {
                QTest::keyClicks(focused(), QString(ch));
            } else {
                QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
                QApplication::sendEvent(focused(), &key);
            }
        }
    }
    static void press(Qt::Key key) { QTest::keyClick(focused(), key); }

    // Types a value into the cell and commits it with Enter.
    void enter(int row, int col, const QString& text, ListKind list = ListKind::Chain) {
        select(row, col, list);
        if (text.isEmpty() || text.at(0).unicode() >= 128) {
            press(Qt::Key_F2);  // a character outside ASCII opens no editor
            editor(list)->setText(text);
        } else {
            type(text);
        }
        QTest::keyClick(editor(list), Qt::Key_Return);
    }

    std::vector<Message> takeMessages() { return std::exchange(messages, {}); }
    std::vector<FileDialogRequest> takeFileRequests() { return std::exchange(fileRequests, {}); }
};

}  // namespace mirota::test
