#include "support/faulty_file_system.h"

namespace qm::testing {

namespace {
Status injected(std::string_view path) {
  return Status::failure("Cannot write '" + std::string(path) + "': injected failure");
}
}  // namespace

void FaultyFileSystem::failFromMutation(int n) {
  failFrom_ = mutations_ + n;
}

bool FaultyFileSystem::fails(Operation op, std::string_view path) const {
  return rule_ && rule_(op, std::string(path));
}

bool FaultyFileSystem::failsMutation(Operation op, std::string_view path) {
  const int index = mutations_++;
  if (failFrom_ >= 0 && index >= failFrom_) return true;
  return fails(op, path);
}

Result<std::string> FaultyFileSystem::readFile(std::string_view path) const {
  if (fails(Operation::Read, path)) return Status::failure("Cannot read '" + std::string(path) + "': injected failure");
  return real_.readFile(path);
}

std::string FaultyFileSystem::contentOf(std::string_view path) const {
  auto text = real_.readFile(path);
  return text ? *text : std::string();
}

Status FaultyFileSystem::cutOff(std::string_view target, std::string_view content) {
  (void)real_.stageBeside(target, content.substr(0, content.size() / 2));
  return injected(target);
}

Status FaultyFileSystem::writeFile(std::string_view path, std::string_view content) {
  if (failsMutation(Operation::Write, path)) return cutOff(path, content);
  return real_.writeFile(path, content);
}

Status FaultyFileSystem::copyFile(std::string_view source, std::string_view target) {
  if (failsMutation(Operation::Copy, target)) return cutOff(target, contentOf(source));
  return real_.copyFile(source, target);
}

Status FaultyFileSystem::copyFileUnflushed(std::string_view source, std::string_view target) {
  if (failsMutation(Operation::Copy, target)) return cutOff(target, contentOf(source));
  return real_.copyFileUnflushed(source, target);
}

Status FaultyFileSystem::linkFile(std::string_view source, std::string_view target) {
  if (failsMutation(Operation::Link, target)) return injected(target);  // a link is made whole or not at all
  return real_.linkFile(source, target);
}

Status FaultyFileSystem::flushFolder(std::string_view folder) {
  if (failsMutation(Operation::Flush, folder)) return injected(folder);
  return real_.flushFolder(folder);
}

Result<std::string> FaultyFileSystem::stageBeside(std::string_view target, std::string_view content) {
  if (failsMutation(Operation::Write, target)) return cutOff(target, content);
  return real_.stageBeside(target, content);
}

Status FaultyFileSystem::commitStaged(std::string_view staged, std::string_view target) {
  if (failsMutation(Operation::Move, target)) return injected(target);
  return real_.commitStaged(staged, target);
}

Status FaultyFileSystem::discardStaged(std::string_view staged) {
  if (failsMutation(Operation::Remove, staged)) return injected(staged);
  return real_.discardStaged(staged);
}

Status FaultyFileSystem::moveFile(std::string_view source, std::string_view target) {
  if (failsMutation(Operation::Move, target)) return injected(target);
  return real_.moveFile(source, target);
}

Status FaultyFileSystem::removeFile(std::string_view path) {
  if (failsMutation(Operation::Remove, path)) return injected(path);
  return real_.removeFile(path);
}

Status FaultyFileSystem::createFolder(std::string_view path) {
  if (failsMutation(Operation::CreateFolder, path)) return injected(path);
  return real_.createFolder(path);
}

Status FaultyFileSystem::removeFolder(std::string_view path) {
  if (failsMutation(Operation::RemoveFolder, path)) return injected(path);
  return real_.removeFolder(path);
}

}  // namespace qm::testing
