#include <cstdio>

int main() {
  std::puts("quillmark-cli: not yet implemented");
  return 1;
}
