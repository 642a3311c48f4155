#pragma once

#include <QLockFile>
#include <QString>

namespace mirota {

// One running copy per user: a lock file that names the running process. A lock left behind by a copy
// that ended without releasing it is taken over, because its process no longer exists.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const QString& path);

    // True when this process holds the lock now.
    bool acquire();

    static QString defaultPath();

private:
    QLockFile lock_;
};

}  // namespace mirota
