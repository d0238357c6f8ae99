// Replays a fuzz target over the files of its corpus folder without
// libFuzzer, so that the corpus is an ordinary test in every build.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille);

int main(int argc, char** argv) {
  int n = 0;
  for (const auto& entree : std::filesystem::directory_iterator(argc == 2 ? argv[1] : "")) {
    std::ifstream in(entree.path(), std::ios::binary);
    const std::vector<std::uint8_t> o{std::istreambuf_iterator<char>(in), {}};
    LLVMFuzzerTestOneInput(o.data(), o.size());
    ++n;
  }
  return n == 0;  // an empty corpus tests nothing
}
