#include "app/SingleInstance.h"

#include <QCoreApplication>
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
    if (lock_.tryLock(0)) return true;
    // Process numbers come round again (under wine the same ones after every start): a lock left by a
    // copy that ended may name this very process. It is taken over unless a live lock holds the file.
    qint64 owner = 0;
    return lock_.getLockInfo(&owner, nullptr, nullptr) && owner == QCoreApplication::applicationPid() &&
           lock_.removeStaleLockFile() && lock_.tryLock(0);
}

QString SingleInstanceLock::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/VORN/VORN001.lock");
}

}  // namespace mirota
