// Replacing files keeps what the user had: links, permissions, every legal name, other
// editors' changes; and nothing of ours outlives the program.
#include <gtest/gtest.h>
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <thread>

#include "base/copy_folder.hpp"
#include "base/file_io.hpp"
#include "base/files.hpp"
#include "base/temporaries.hpp"
#include "base/user_folders.hpp"
#include "support/scoped_environment.hpp"
#include "support/test_folder.hpp"

namespace {

namespace fs = std::filesystem;
using base::Bytes;

Bytes contents(const fs::path& path) { return *base::readFile(path, 1 << 20); }
std::size_t entries(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator{}));
}
bool mentions(const base::Result<void>& result, const std::string& text) {
  return !result && result.error().message.find(text) != std::string::npos;
}

TEST(Files, PipesAndLinkLoopsAreRefusedAtOnceAndNamed) {
#ifdef _WIN32
  GTEST_SKIP() << "named pipes in a folder (mkfifo) and symbolic links made without privileges are POSIX's";
#else
  test::TempFolder folder;
  const auto pipe = folder.path() / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  auto read = base::readFile(pipe, 100);  // would wait for a writer for ever
  ASSERT_FALSE(read);
  EXPECT_EQ(read.error().message, "Cannot read " + pipe.string() + ": it is a pipe, not a file.");
  const auto loop = folder.path() / "loop";
  fs::create_symlink("loop", loop);
  read = base::readFile(loop, 100);
  ASSERT_FALSE(read);
  EXPECT_NE(read.error().message.find("loop of symbolic links"), std::string::npos) << read.error().message;
  EXPECT_TRUE(mentions(base::writeFileAtomically(pipe, Bytes{1}), "pipe"));
#endif
}

TEST(Files, AReplacedFileKeepsItsLinkItsPermissionsAndAnyLegalName) {
  test::TempFolder folder;
#ifndef _WIN32  // symbolic links and permission modes are POSIX's
  fs::create_directory(folder.path() / "real");
  const auto target = folder.path() / "real" / "tank.tqn";
  const auto link = folder.path() / "tank.tqn";
  ASSERT_TRUE(base::writeFileAtomically(target, Bytes{1}));
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("real/tank.tqn", link);
  ASSERT_TRUE(base::writeFileAtomically(link, Bytes{2}));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(contents(target), Bytes{2});
  EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(entries(folder.path() / "real"), 1u);

  // A dangling link makes the file it names.
  fs::create_symlink("real/new.tqn", folder.path() / "new.tqn");
  ASSERT_TRUE(base::writeFileAtomically(folder.path() / "new.tqn", Bytes{3}));
  EXPECT_EQ(contents(folder.path() / "real" / "new.tqn"), Bytes{3});
#else  // Windows keeps the replaced file's attributes instead, and a reader of it does not stop the write
  const auto hidden = folder.path() / "hidden.tqn";
  ASSERT_TRUE(base::writeFileAtomically(hidden, Bytes{1}));
  ::SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
  {
    auto reader = base::ReadOnlyFile::open(hidden);
    ASSERT_TRUE(reader);
    const auto written = base::writeFileAtomically(hidden, Bytes{2});
    ASSERT_TRUE(written) << written.error().message;
  }
  EXPECT_EQ(contents(hidden), Bytes{2});
  EXPECT_TRUE(::GetFileAttributesW(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN);
#endif

  const auto longest = folder.path() / std::string(255, 'n');
  ASSERT_TRUE(base::writeFileAtomically(longest, Bytes{4}));
  ASSERT_TRUE(base::writeFileAtomically(longest, Bytes{5}));
  EXPECT_EQ(contents(longest), Bytes{5});
}

TEST(Files, WhatMayNotBeWrittenIsNamed) {
#ifdef _WIN32
  GTEST_SKIP() << "permission modes on files and folders are POSIX's (Windows has access lists)";
#endif
  test::TempFolder folder;
  const auto locked = folder.path() / "locked";
  fs::create_directory(locked);
  ASSERT_TRUE(base::writeFileAtomically(locked / "a.tqn", Bytes{1}));
  fs::permissions(locked / "a.tqn", fs::perms::owner_read);
  if (std::ofstream(locked / "a.tqn", std::ios::app)) GTEST_SKIP() << "running as root: every file may be written";
  auto refused = base::writeFileAtomically(locked / "a.tqn", Bytes{2});
  EXPECT_TRUE(mentions(refused, "Permission denied")) << refused.error().message;
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  refused = base::writeFileAtomically(locked / "b.tqn", Bytes{2});
  EXPECT_TRUE(mentions(refused, "the folder " + locked.string() + " may not be written to")) << refused.error().message;
  fs::permissions(locked, fs::perms::owner_all);
  EXPECT_EQ(contents(locked / "a.tqn"), Bytes{1});
}

TEST(Files, AWriteOverAFileThatChangedSinceItWasReadWritesNothing) {
  test::TempFolder folder;
  const auto path = folder.path() / "count";
  ASSERT_TRUE(base::writeFileAtomically(path, Bytes{0}));
  base::FileStamp read;
  ASSERT_TRUE(base::readFile(path, 10, &read));
  ASSERT_TRUE(base::writeFileAtomically(path, Bytes{7}));  // someone else's edit
  auto refused = base::writeFileAtomically(path, Bytes{1}, &read);
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.error().message, path.string() + " changed since it was read; nothing was written.");
  EXPECT_EQ(contents(path), Bytes{7});
  // Another file is written whatever the stamp says.
  EXPECT_TRUE(base::writeFileAtomically(folder.path() / "other", Bytes{1}, &read));

  // Two editors counting up at once: every count that was reported written is there.
  ASSERT_TRUE(base::writeFileAtomically(path, Bytes{0}));
  std::atomic<int> written{0};
  auto editor = [&] {
    for (int i = 0; i < 60; ++i) {
      base::FileStamp stamp;
      auto bytes = base::readFile(path, 10, &stamp);
      if (!bytes) continue;
      ++(*bytes)[0];
      if (base::writeFileAtomically(path, *bytes, &stamp)) ++written;
    }
  };
  std::thread a(editor), b(editor);
  a.join();
  b.join();
  EXPECT_EQ(contents(path)[0], written.load());
  EXPECT_EQ(entries(folder.path()), 2u);
}

TEST(Files, NothingOfOursOutlivesTheProgram) {
  test::TempFolder folder;
#ifndef _WIN32  // fork and SIGTERM are POSIX's
  // A signal removes what is remembered, then ends the program as it would have.
  const auto file = folder.path() / ".brk-temp";
  const auto work = folder.path() / "shared" / "work";
  fs::create_directories(work / "inner");
  std::ofstream(work / "inner" / "frame.bmp") << "x";
  std::ofstream(file) << "x";
  const pid_t child = ::fork();
  if (child == 0) {
    base::rememberTemporary(file, base::Temporary::File);
    base::rememberTemporary(work, base::Temporary::FolderInShared);
    ::raise(SIGTERM);
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
  EXPECT_EQ(entries(folder.path()), 0u);
#endif

  // What killed programs left is swept by the next run: their temporaries and copy folders.
  const std::string gone = "4194305";  // above any process number the system gives
  std::ofstream(folder.path() / (".brk-" + gone + "-abcDEF")) << "x";
  std::ofstream(folder.path() / ".brk-notmine") << "x";
  ASSERT_TRUE(base::writeFileAtomically(folder.path() / "a.bin", Bytes{1}));
  EXPECT_FALSE(fs::exists(folder.path() / (".brk-" + gone + "-abcDEF")));
  EXPECT_TRUE(fs::exists(folder.path() / ".brk-notmine"));
  fs::create_directories(folder.path() / "Shared" / ("work-" + gone + "-0123abcd"));
  fs::create_directories(folder.path() / "Shared" / "work-kept");
  {
    base::CopyFolder copy(folder.path() / "Shared", "work-");
    ASSERT_TRUE(copy.make());
    EXPECT_FALSE(fs::exists(folder.path() / "Shared" / ("work-" + gone + "-0123abcd")));
    EXPECT_TRUE(fs::exists(folder.path() / "Shared" / "work-kept"));
  }
}

// The user's own folders come from the environment as the XDG rules give them; the temporary
// one is made closed to everyone else, and a relative setting is ignored.
TEST(UserFolders, FollowTheEnvironmentAndTheTemporaryOneIsTheUsersAlone) {
#ifdef _WIN32
  GTEST_SKIP() << "The XDG folders and POSIX permission bits are for the other systems.";
#endif
  test::TempFolder folder;
  const std::string run = (folder.path() / "run").string(), home = (folder.path() / "home").string();
  test::ScopedEnvironment runtime("XDG_RUNTIME_DIR", run.c_str()), cache("XDG_CACHE_HOME", "relative/cache"),
      homeVariable("HOME", home.c_str()), data("XDG_DATA_HOME", nullptr), dataDirs("XDG_DATA_DIRS", "/opt/share:rel:/usr/share/");
  const auto privateTo = [](const fs::path& path) { return fs::status(path).permissions() == fs::perms::owner_all; };
  auto temporary = base::userTemporaryFolder();
  ASSERT_TRUE(temporary) << temporary.error().message;
  EXPECT_EQ(*temporary, folder.path() / "run" / "brinkit");
  EXPECT_TRUE(privateTo(*temporary));

  // Without a runtime folder: the cache folder in the home folder, made as far as it is missing.
  test::ScopedEnvironment noRuntime("XDG_RUNTIME_DIR", nullptr);
  fs::create_directories(home);
  temporary = base::userTemporaryFolder();
  ASSERT_TRUE(temporary) << temporary.error().message;
  EXPECT_EQ(*temporary, folder.path() / "home" / ".cache" / "brinkit");
  EXPECT_TRUE(privateTo(*temporary) && privateTo(temporary->parent_path()));
  fs::permissions(*temporary, fs::perms::all);  // opened by someone: closed again on use
  EXPECT_TRUE(base::userTemporaryFolder() && privateTo(*temporary));

  EXPECT_EQ(base::userDataFolder(), folder.path() / "home" / ".local/share/brinkit");
  EXPECT_EQ(base::systemDataFolders(), (std::vector<fs::path>{"/opt/share", "/usr/share/"}));
}

#ifdef _WIN32
// On Windows they are the profile's own: data in %LOCALAPPDATA%, temporary files in the user's
// temporary folder (%TMP%), the system's data in %ProgramData%; and the program's folder is
// where the running program lies.
TEST(UserFolders, OnWindowsAreTheProfilesOwn) {
  test::TempFolder folder;
  const fs::path local = folder.path() / "local", temp = folder.path() / "tmp", shared = folder.path() / "shared";
  fs::create_directories(temp);
  const std::string localText = base::displayPath(local), tempText = base::displayPath(temp), sharedText = base::displayPath(shared);
  test::ScopedEnvironment runtime("XDG_RUNTIME_DIR", nullptr), cache("XDG_CACHE_HOME", nullptr), data("XDG_DATA_HOME", nullptr),
      dataDirs("XDG_DATA_DIRS", nullptr), localVariable("LOCALAPPDATA", localText.c_str()), tmp("TMP", tempText.c_str()),
      programData("ProgramData", sharedText.c_str());
  EXPECT_EQ(base::userDataFolder(), local / "brinkit");
  const auto temporary = base::userTemporaryFolder();
  ASSERT_TRUE(temporary) << temporary.error().message;
  EXPECT_EQ(*temporary, temp / "brinkit");
  EXPECT_TRUE(fs::is_directory(*temporary));
  EXPECT_EQ(base::systemDataFolders(), std::vector<fs::path>{shared});
  EXPECT_TRUE(fs::is_regular_file(base::programFolder() / "unit_tests.exe")) << base::displayPath(base::programFolder());
}
#endif

}  // namespace
