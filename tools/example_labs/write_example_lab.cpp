// Writes the example user-defined lab "Acid-Base Titration" with the
// program's own lab writer, its three documents read from RTF files.
//   write_example_lab INTRODUCTION.rtf PROCEDURE.rtf OBSERVATIONS.rtf OUT
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "wizard/examples/acid_base_titration.h"
#include "wizard/udl_file.h"

namespace {

bool ReadText(const char* path, std::string* text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    text->assign(std::istreambuf_iterator<char>(in), {});
    return !text->empty();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        fprintf(stderr, "usage: write_example_lab INTRODUCTION.rtf PROCEDURE.rtf OBSERVATIONS.rtf OUT\n");
        return 2;
    }
    std::string texts[3];
    for (int i = 0; i < 3; ++i)
        if (!ReadText(argv[1 + i], &texts[i])) {
            fprintf(stderr, "write_example_lab: cannot read %s\n", argv[1 + i]);
            return 1;
        }
    const std::vector<uint8_t> bytes = SerializeUdl(parvell::AcidBaseTitrationLab(texts[0], texts[1], texts[2]));
    FILE* f = fopen(argv[4], "wb");
    if (!f) return 1;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = fclose(f) == 0 && ok;
    return ok ? 0 : 1;
}
