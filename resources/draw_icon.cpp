// Writes the program's icon as a PNG file of any size, for the desktop's icon theme.
//   tenvex_draw_icon SIZE FILE.png
#include "icon.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    const int size = argc == 3 ? std::atoi(argv[1]) : 0;
    if (size < 32) {
        std::fprintf(stderr, "usage: tenvex_draw_icon SIZE FILE.png (SIZE at least 32)\n");
        return 2;
    }
    return tenvex::DrawIcon(size).save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
