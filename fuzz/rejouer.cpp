// Runs a fuzz target's entry point over files, without libFuzzer: the
// corpus then serves as an ordinary test in every build. Each argument is a
// file, or a folder whose files are all run. A broken property aborts.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille);

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  std::vector<fs::path> fichiers;
  for (int i = 1; i < argc; ++i) {
    const fs::path chemin = argv[i];
    if (fs::is_directory(chemin)) {
      for (const auto& entree : fs::directory_iterator(chemin))
        if (entree.is_regular_file()) fichiers.push_back(entree.path());
    } else if (fs::is_regular_file(chemin)) {
      fichiers.push_back(chemin);
    } else {
      std::fprintf(stderr, "%s: no such file or folder\n", argv[i]);
      return 1;
    }
  }
  // An empty corpus would pass without testing anything.
  if (fichiers.empty()) {
    std::fprintf(stderr, "no input to replay\n");
    return 1;
  }
  for (const fs::path& fichier : fichiers) {
    std::ifstream in(fichier, std::ios::binary);
    const std::vector<std::uint8_t> octets{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.good() && !in.eof()) {
      std::fprintf(stderr, "%s: cannot be read\n", fichier.c_str());
      return 1;
    }
    std::fprintf(stderr, "%s (%zu bytes)\n", fichier.c_str(), octets.size());
    LLVMFuzzerTestOneInput(octets.data(), octets.size());
  }
  std::printf("%zu inputs replayed\n", fichiers.size());
  return 0;
}
