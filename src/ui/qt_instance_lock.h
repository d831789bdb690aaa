#pragma once
// The single-instance check: a lock file in the data folder, shared by teebrook and teebrook-cli.
// A lock left by a process that no longer runs is broken by the next start.
#include <QLockFile>
#include <filesystem>
#include <memory>

#include "data/platform.h"

namespace teebrook {

class QtInstanceLock final : public InstanceLock {
 public:
  explicit QtInstanceLock(const std::filesystem::path& dataFolder);
  bool acquire() override;

 private:
  std::unique_ptr<QLockFile> lock_;
};

// The per-user application data folder of Teebrook (on Linux ~/.local/share/Teebrook).
std::filesystem::path defaultDataFolder();

}  // namespace teebrook
