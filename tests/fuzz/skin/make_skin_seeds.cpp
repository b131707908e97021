// Writes two whole skin files, a coloured one and the system look, as the
// skin parser fuzzer's seeds: random bytes almost never pass the checksum.
#include <cstdio>
#include <string>

#include "skin_format.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    SkinFile coloured;
    for (std::size_t i = 0; i < coloured.colours.size(); ++i) coloured.colours[i] = 0x00204060u + 0x00101010u * i;
    SkinFile system;
    system.systemLook = true;
    int index = 0;
    for (const SkinFile& skin : {coloured, system}) {
        const std::vector<std::uint8_t> bytes = EncodeSkin(skin);
        const std::string path = std::string(argv[1]) + "/seed" + std::to_string(index++) + ".she";
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) return 1;
        std::fclose(file);
    }
    return 0;
}
