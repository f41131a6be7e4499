// Task files of independent work 3 ("n8\t3_v1.txt").
#include "work_fuzz.h"
#include "works/work3.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz::FuzzTaskFile<TForm17>(data, size, {11, "n8", "_v", 5, 1, 2});
}
