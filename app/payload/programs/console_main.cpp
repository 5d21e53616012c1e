// One of the product's helper tools: a console program that announces itself
// and exits with 0. PROGRAM_NAME is set per executable by the build.
#include <cstdio>

int main() {
  std::puts(PROGRAM_NAME ": Tavrin helper tool");
  return 0;
}
