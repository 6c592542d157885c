#pragma once
// A folder of one running copy's own inside a folder that every copy shares (finwright's work
// folders under "RidoZovidor", orbisk's preview folders under "OrbTemp", both in the user's own
// temporary folder): two copies never mix their files, and one copy's exit never takes away
// what another still uses.
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "base/error.hpp"

namespace base {

class CopyFolder {
 public:
  // Names a folder inside `shared`: `prefix`, this program's number, "-" and 8 random
  // hexadecimal digits. make() makes it.
  CopyFolder(std::filesystem::path shared, std::string prefix);
  // Removes the folder with everything in it, and the shared folder when nothing else is left
  // there, unless release() ran.
  ~CopyFolder();
  CopyFolder(const CopyFolder&) = delete;
  CopyFolder& operator=(const CopyFolder&) = delete;

  // Makes the shared folder (with the folders above it) when missing, then this copy's (for
  // its owner alone), under a new name until one is new. Folders there of copies that are gone (killed) are removed
  // first; a signal that ends this copy removes its own.
  Result<void> make();
  const std::filesystem::path& path() const { return path_; }
  // What make() does first: removes the folders in `shared` of copies that are gone, then
  // `shared` itself when that left it empty.
  static void sweep(const std::filesystem::path& shared, const std::string& prefix);
  const std::filesystem::path& shared() const { return shared_; }

  // Removes everything in the folder, making it again when it went missing.
  std::error_code clear() const;

  enum class Contents { Removed, Kept };
  // Removes the folder (with everything in it, or only when it is empty), then the shared
  // folder when nothing else is left in it. Returns the folder that had to stay for something
  // this copy did not put there: its own (contents kept), or the shared one holding more than
  // other copies' folders.
  std::optional<std::filesystem::path> release(Contents contents);

 private:
  std::filesystem::path shared_, path_;
  std::string prefix_;
  bool released_ = false;
  int ticket_ = -1;  // among the temporaries removed on a signal
};

}  // namespace base
