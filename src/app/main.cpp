// The quillmere program: wires the core to the command line (and, when built
// with Qt, to the windows). Placeholder until the entry points land.
#include <cstdio>

int main() {
  std::puts("quillmere");
  return 0;
}
