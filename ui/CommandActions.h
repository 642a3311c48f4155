#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include <QKeySequence>
#include <QStringView>

#include "ui/CommandPictures.h"

class QAction;
class QObject;

namespace mirota {

// How a command shows itself, the same on the menu, the toolbar and the right-button menu.
struct CommandFace {
    const char* objectName = nullptr;     // the menu item's name; also the command's toolbar key
    const char* caption = nullptr;        // the menu caption, with its access key
    const char* buttonCaption = nullptr;  // the caption on its toolbar button; nullptr: on no toolbar
    const char* toolTip = nullptr;        // the toolbar button's tooltip
    QKeyCombination key = Qt::Key_unknown;
    QKeyCombination alternateKey = Qt::Key_unknown;  // a second key for the same command, after key
    QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;  // after the keys when both are given
    const char* themeIcon = nullptr;      // the icon theme's name for it, tried before the picture
    CommandPicture picture = nullptr;     // nullptr: no icon
};

template <typename Id>
struct CommandEntry {
    Id id;
    CommandFace face;
};

// A table lists its commands in the order of their enum, so that a command's entry is found by its value.
template <typename Id, std::size_t N>
constexpr bool inEnumOrder(const std::array<CommandEntry<Id>, N>& table) {
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(table[i].id) != i) return false;
    }
    return true;
}

// The action of a command, owned by owner.
QAction* makeCommandAction(const CommandFace& face, QObject* owner);
// The action of actions with that objectName, or nullptr.
QAction* findCommandAction(const std::vector<QAction*>& actions, QStringView objectName);

// One action per command of a table, made once: every menu, toolbar and right-button menu that offers a
// command shows its one action, so enabling it is one call.
template <typename Id>
class CommandActions {
public:
    template <std::size_t N>
    CommandActions(const std::array<CommandEntry<Id>, N>& table, QObject* owner) {
        actions_.reserve(N);
        for (const CommandEntry<Id>& entry : table) actions_.push_back(makeCommandAction(entry.face, owner));
    }

    QAction* operator[](Id id) const { return actions_.at(static_cast<std::size_t>(id)); }
    // By the objectName of the command's menu item; nullptr for no command of this table.
    QAction* find(QStringView objectName) const { return findCommandAction(actions_, objectName); }

private:
    std::vector<QAction*> actions_;
};

}  // namespace mirota
