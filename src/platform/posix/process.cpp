// Starting the compiler on POSIX systems: posix_spawn with an argument
// vector, through wine for a Windows program (see wine_launch.h).
#include "platform/posix/wine_launch.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <thread>

extern char** environ;

namespace qm {

namespace {

bool isExecutableFile(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::vector<char*> argumentVector(std::vector<std::string>& command) {
  std::vector<char*> argv;
  argv.reserve(command.size() + 1);
  for (std::string& item : command) argv.push_back(item.data());
  argv.push_back(nullptr);
  return argv;
}

// Spawn attributes shared by both uses: a clean signal mask and default
// handlers, so the child does not inherit what the windowing toolkit set up.
class SpawnAttributes {
 public:
  explicit SpawnAttributes(bool ownSession) {
    ::posix_spawnattr_init(&attributes_);
    short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
#ifdef POSIX_SPAWN_SETSID
    // Its own session: closing the terminal that started us does not end it.
    if (ownSession) flags |= POSIX_SPAWN_SETSID;
#else
    (void)ownSession;
#endif
    ::posix_spawnattr_setflags(&attributes_, flags);
    sigset_t none;
    sigemptyset(&none);
    ::posix_spawnattr_setsigmask(&attributes_, &none);
    sigset_t reset;
    sigemptyset(&reset);
    sigaddset(&reset, SIGPIPE);
    sigaddset(&reset, SIGCHLD);
    ::posix_spawnattr_setsigdefault(&attributes_, &reset);
  }
  ~SpawnAttributes() { ::posix_spawnattr_destroy(&attributes_); }
  SpawnAttributes(const SpawnAttributes&) = delete;
  SpawnAttributes& operator=(const SpawnAttributes&) = delete;
  const posix_spawnattr_t* get() const { return &attributes_; }

 private:
  posix_spawnattr_t attributes_;
};

class FileActions {
 public:
  FileActions() { ::posix_spawn_file_actions_init(&actions_); }
  ~FileActions() { ::posix_spawn_file_actions_destroy(&actions_); }
  FileActions(const FileActions&) = delete;
  FileActions& operator=(const FileActions&) = delete;
  posix_spawn_file_actions_t* get() { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

// Runs `command` to its end and returns what it wrote on its standard output;
// nothing when it cannot be run or ends with a failure.
std::optional<std::string> outputOf(std::vector<std::string> command) {
  int pipeEnds[2];
  if (::pipe2(pipeEnds, O_CLOEXEC) != 0) return std::nullopt;
  FileActions actions;
  ::posix_spawn_file_actions_addopen(actions.get(), 0, "/dev/null", O_RDONLY, 0);
  ::posix_spawn_file_actions_adddup2(actions.get(), pipeEnds[1], 1);
  ::posix_spawn_file_actions_addopen(actions.get(), 2, "/dev/null", O_WRONLY, 0);
  SpawnAttributes attributes(false);
  auto argv = argumentVector(command);
  pid_t pid = 0;
  const int error = ::posix_spawn(&pid, argv[0], actions.get(), attributes.get(), argv.data(), environ);
  ::close(pipeEnds[1]);
  if (error != 0) {
    ::close(pipeEnds[0]);
    return std::nullopt;
  }
  std::string output;
  char buffer[4096];
  for (;;) {
    const ssize_t got = ::read(pipeEnds[0], buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    output.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(pipeEnds[0]);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return output;
}

std::string zDriveForm(std::string_view nativePath) {
  std::string out = "Z:";
  for (char c : nativePath) out.push_back(c == '/' ? '\\' : c);
  return out;
}

}  // namespace

bool isWindowsProgram(std::string_view executable) {
  const int fd = ::open(std::string(executable).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  char mark[2] = {0, 0};
  const ssize_t got = ::read(fd, mark, 2);
  ::close(fd);
  return got == 2 && mark[0] == 'M' && mark[1] == 'Z';
}

std::string findOnPath(std::string_view program) {
  if (program.find('/') != std::string_view::npos) {
    const std::string path(program);
    return isExecutableFile(path) ? path : std::string();
  }
  const char* variable = std::getenv("PATH");
  const std::string_view folders = variable != nullptr ? variable : "/usr/local/bin:/usr/bin:/bin";
  std::size_t pos = 0;
  while (pos <= folders.size()) {
    std::size_t colon = folders.find(':', pos);
    if (colon == std::string_view::npos) colon = folders.size();
    std::string folder(folders.substr(pos, colon - pos));
    pos = colon + 1;
    if (folder.empty()) folder.push_back('.');  // an empty entry means the current folder
    std::string candidate = std::move(folder);
    candidate.push_back('/');
    candidate.append(program);
    if (isExecutableFile(candidate)) return candidate;
  }
  return {};
}

std::string windowsFormOf(std::string_view nativePath) {
  const std::string winepath = findOnPath("winepath");
  if (!winepath.empty()) {
    if (auto output = outputOf({winepath, "-w", std::string(nativePath)})) {
      while (!output->empty() && (output->back() == '\n' || output->back() == '\r')) output->pop_back();
      if (!output->empty() && output->find('\n') == std::string::npos) return *output;
    }
  }
  return zDriveForm(nativePath);
}

std::vector<std::string> commandFor(std::string_view executable, const std::vector<ProcessArgument>& arguments) {
  std::vector<std::string> command;
  const std::string wine = isWindowsProgram(executable) ? findOnPath("wine") : std::string();
  if (!wine.empty()) command.push_back(wine);
  command.emplace_back(executable);
  for (const ProcessArgument& argument : arguments) {
    command.push_back(!wine.empty() && argument.isPath ? windowsFormOf(argument.text) : argument.text);
  }
  return command;
}

Status SystemProcessLauncher::startDetached(std::string_view executable,
                                            const std::vector<ProcessArgument>& arguments) {
  std::vector<std::string> command = commandFor(executable, arguments);
  FileActions actions;
  ::posix_spawn_file_actions_addopen(actions.get(), 0, "/dev/null", O_RDONLY, 0);
  SpawnAttributes attributes(true);
  auto argv = argumentVector(command);
  pid_t pid = 0;
  const int error = ::posix_spawn(&pid, argv[0], actions.get(), attributes.get(), argv.data(), environ);
  if (error != 0) {
    return Status::failure("Cannot start '" + std::string(executable) + "': " + std::strerror(error));
  }
  // Nobody waits for the program, but its exit must still be collected or it
  // would stay behind as a zombie for as long as we run.
  std::thread([pid] {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
  return {};
}

}  // namespace qm
