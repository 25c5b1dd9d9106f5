// Writes a synthetic store for the benchmark into an empty directory:
//   make_store DIRECTORY RECORDS
// HIERARCH.QX holds RECORDS records of 60 to 95 bytes with CR LF line ends: about 5% trays, a
// tenth folders, the rest other records; about half contain the main folder ID and many others
// a near miss of it. Half the folders have a message file, half of those named in upper case and
// half in lower case, and about as many unrelated files lie beside them, and one message file in
// sixteen that no record names (an orphan, for the audit). FOLDER_NAMES lists the
// message file name of every folder record, one per line, for the floor program.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::uint64_t next(std::uint64_t& state)
{
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return state >> 33;
}

void touch(std::filesystem::path const& path)
{
    std::ofstream(path, std::ios::binary) << "messages\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_store DIRECTORY RECORDS\n");
        return 2;
    }
    std::filesystem::path const directory = argv[1];
    long const records = std::strtol(argv[2], nullptr, 10);
    std::filesystem::create_directories(directory);

    std::string const id = "MF004711";
    std::string const near_misses[] = { "MF004712", "MF00471", "MF0047", "MF00" };
    std::ofstream hierarchy(directory / "HIERARCH.QX", std::ios::binary);
    std::ofstream names(directory / "FOLDER_NAMES", std::ios::binary);
    hierarchy << "HDR " << id << ",\"Main Folder\",2026-12-01\r\n";

    std::uint64_t state = 42;
    long folders = 0;
    char base[16];
    for (long i = 1; i < records; ++i) {
        std::string line;
        std::uint64_t const roll = next(state) % 100;
        if (roll < 5) {
            line = "1,T" + std::to_string(i) + ",\"Tray " + std::to_string(i) + "\"";
        } else if (roll < 15) {
            std::snprintf(base, sizeof base, "f%07ld", folders);
            line = "0,F" + std::to_string(i) + ",T0001,\"Folder " + std::to_string(i) + "\",FILE:" + base + "\"";
            std::string upper = std::string(base) + ".qxm";
            for (char& c : upper)
                c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
            names << upper << '\n';
            switch (folders % 4) {
            case 0:
                touch(directory / upper);
                break;
            case 1:
                touch(directory / (std::string(base) + ".qxm"));
                break;
            default:
                break;
            }
            if (folders % 2 == 0)
                touch(directory / ("unrelated" + std::to_string(folders) + ".dat"));
            if (folders % 16 == 3)
                touch(directory / ("orphan" + std::to_string(folders) + ".qxm"));
            ++folders;
        } else {
            line = "2,R" + std::to_string(i) + ",\"Record " + std::to_string(i) + "\"";
        }
        line += ',';
        line += next(state) % 2 == 0 ? id : near_misses[next(state) % 4];
        std::size_t const length = 60 + next(state) % 36;
        while (line.size() < length)
            line += static_cast<char>('a' + next(state) % 26);
        hierarchy << line << "\r\n";
    }
    return 0;
}
