#include "ui/CommandActions.h"

#include <algorithm>

#include <QAction>

namespace mirota {

QAction* makeCommandAction(const CommandFace& face, QObject* owner) {
    auto* action = new QAction(QString::fromUtf8(face.caption), owner);
    action->setObjectName(QString::fromLatin1(face.objectName));
    if (face.buttonCaption) {
        // The toolbar shows the short caption and knows the button by its key.
        action->setIconText(QString::fromUtf8(face.buttonCaption));
        action->setData(QString::fromLatin1(face.objectName));
    }
    if (face.toolTip) action->setToolTip(QString::fromUtf8(face.toolTip));
    QList<QKeySequence> shortcuts;
    for (QKeyCombination key : {face.key, face.alternateKey}) {
        if (key.key() != Qt::Key_unknown) shortcuts << QKeySequence(key);
    }
    if (face.standardKey != QKeySequence::UnknownKey) shortcuts << QKeySequence(face.standardKey);
    action->setShortcuts(shortcuts);
    if (face.picture) action->setIcon(commandIcon(face.themeIcon, face.picture));
    return action;
}

QAction* findCommandAction(const std::vector<QAction*>& actions, QStringView objectName) {
    const auto found =
        std::find_if(actions.begin(), actions.end(), [&](const QAction* action) { return action->objectName() == objectName; });
    return found == actions.end() ? nullptr : *found;
}

}  // namespace mirota
