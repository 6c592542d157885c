// Writes the benchmark pack to a file for the side-by-side comparison:
//   orbisk_make_pack FILE [MiB]   prints "bitmaps N waves N midis N".
#include <cstdio>
#include <cstdlib>

#include "base/file_io.hpp"
#include "orbisk_pack.hpp"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: orbisk_make_pack FILE [MiB]\n");
    return 2;
  }
  std::size_t mib = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 200;
  auto pack = orbisk_bench::makePack(mib << 20);
  if (auto written = base::writeFileAtomically(argv[1], pack.data); !written) {
    std::fprintf(stderr, "%s\n", written.error().message.c_str());
    return 1;
  }
  std::printf("bitmaps %zu waves %zu midis %zu\n", pack.bitmaps, pack.waves, pack.midis);
  return 0;
}
