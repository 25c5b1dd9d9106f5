// What no report on a store can avoid: reading HIERARCH.QX four times in large chunks, touching
// every byte, and one open (and close) per folder record, by the names in FOLDER_NAMES.
// Run in the store's directory; prints a checksum so the reading cannot be optimised away.
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

int main()
{
    std::vector<char> chunk(1 << 20);
    unsigned long sum = 0;
    for (int pass = 0; pass < 4; ++pass) {
        int const fd = ::open("HIERARCH.QX", O_RDONLY);
        if (fd < 0)
            return 1;
        for (ssize_t count; (count = ::read(fd, chunk.data(), chunk.size())) > 0;) {
            for (ssize_t i = 0; i < count; ++i)
                sum += static_cast<unsigned char>(chunk[static_cast<std::size_t>(i)]);
        }
        ::close(fd);
    }
    std::FILE* names = std::fopen("FOLDER_NAMES", "r");
    if (names == nullptr)
        return 1;
    char name[256];
    while (std::fgets(name, sizeof name, names) != nullptr) {
        std::string path(name);
        path.pop_back();
        int const fd = ::open(path.c_str(), O_RDONLY);
        if (fd >= 0) {
            ++sum;
            ::close(fd);
        }
    }
    std::fclose(names);
    std::printf("%lu\n", sum);
    return 0;
}
