#include "app/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace mirota {

SingleInstanceLock::SingleInstanceLock(const QString& path) : lock_(path) {
    // Only a dead owner makes the lock stale, never its age: the first copy may run for days.
    lock_.setStaleLockTime(0);
}

bool SingleInstanceLock::acquire() {
    QDir().mkpath(QFileInfo(lock_.fileName()).absolutePath());
    return lock_.tryLock(0);
}

QString SingleInstanceLock::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/VORN/VORN001.lock");
}

}  // namespace mirota
