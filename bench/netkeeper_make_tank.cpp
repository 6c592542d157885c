// Writes the benchmarks' 10 MB tank: netkeeper_make_tank FILE
#include <cstdio>

#include "base/file_io.hpp"
#include "netkeeper_tank.hpp"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: netkeeper_make_tank FILE\n");
    return 2;
  }
  if (auto written = base::writeFileAtomically(argv[1], netkeeper_bench::bigTank()); !written) {
    std::fprintf(stderr, "%s\n", written.error().message.c_str());
    return 1;
  }
  return 0;
}
