// Writes the benchmark tank to a file for timing the command line:
//   scalepaint_make_tank FILE [MiB]   prints "fish N".
#include <cstdio>
#include <cstdlib>

#include "base/file_io.hpp"
#include "scalepaint_tank.hpp"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: scalepaint_make_tank FILE [MiB]\n");
    return 2;
  }
  const std::size_t mib = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 10;
  auto tank = scalepaint_bench::makeTank(mib << 20);
  if (!tank) {
    std::fprintf(stderr, "%s\n", tank.error().message.c_str());
    return 1;
  }
  if (auto written = base::writeFileAtomically(argv[1], tank->data); !written) {
    std::fprintf(stderr, "%s\n", written.error().message.c_str());
    return 1;
  }
  std::printf("fish %zu\n", tank->fish);
  return 0;
}
