// Task files of independent work 1 ("n9\t3v1.txt").
#include "work_fuzz.h"
#include "works/work1.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz::FuzzTaskFile<TForm15>(data, size, {11, "n9", "v", 1, 5, 6});
}
