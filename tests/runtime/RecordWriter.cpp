// record_writer PATH VALUE-A VALUE-B
// Writes [Kousan] Kaisu into the record file at PATH over and over, VALUE-B, VALUE-A,
// VALUE-B, ..., until it is killed. Says "w" on standard output once the first write is
// done, so whoever kills it knows it is in full swing.
#include "runtime/Profile.h"

#include <unistd.h>

int main(int argc, char* argv[])
{
    if (argc != 4)
        return 2;
    for (unsigned long i = 0;; ++i) {
        if (!WritePrivateProfileStringA("Kousan", "Kaisu", (i % 2 == 0) ? argv[3] : argv[2], argv[1]))
            return 1;
        if (i == 0 && ::write(STDOUT_FILENO, "w", 1) != 1)
            return 1;
    }
}
