#include "ui/qt_instance_lock.h"

#include <QDir>
#include <QStandardPaths>

namespace teebrook {

QtInstanceLock::QtInstanceLock(const std::filesystem::path& dataFolder)
    : lock_(std::make_unique<QLockFile>(QString::fromStdString((dataFolder / "teebrook.lock").string()))) {
  // Only a dead owner makes the lock stale, never its age: a copy may run for days.
  lock_->setStaleLockTime(0);
}

bool QtInstanceLock::acquire() {
  return lock_->isLocked() || lock_->tryLock(0);
}

std::filesystem::path defaultDataFolder() {
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return std::filesystem::path((base.isEmpty() ? QDir::homePath() : base).toStdString()) / "Teebrook";
}

}  // namespace teebrook
