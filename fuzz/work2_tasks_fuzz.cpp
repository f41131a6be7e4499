// Task files of independent work 2 ("n5\t3v1.txt").
#include "work_fuzz.h"
#include "works/work2.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz::FuzzTaskFile<TForm16>(data, size, {15, "n5", "v", 1, 8, 7});
}
