// Writes the hostile fixtures the tests use into the fuzz targets' working
// corpora, so every run starts from them: lab files for the lab-file
// readers, user-defined labs for theirs.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/hostile_files.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_seeds FUZZ_BUILD_DIR\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    int written = 0;
    for (const hostile::HostileFile& file : hostile::HostileFiles()) {
        const bool lab = file.reader == hostile::Reader::kLabFile;
        for (const char* target : lab ? std::initializer_list<const char*>{"labfile", "labfile_sim"}
                                      : std::initializer_list<const char*>{"udl", "udl_sim"}) {
            const std::filesystem::path folder = dir / (std::string("corpus-") + target);
            std::filesystem::create_directories(folder);
            std::ofstream(folder / ("seed-" + file.name), std::ios::binary)
                .write(reinterpret_cast<const char*>(file.bytes.data()), std::streamsize(file.bytes.size()));
            ++written;
        }
    }
    std::printf("%d seeds written\n", written);
    return 0;
}
