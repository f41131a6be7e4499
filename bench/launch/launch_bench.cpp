// Launch to first complete paint, and peak memory, of two programs started the
// same way in turns: the trainer (from its real main, in a rendered data folder)
// and the bare window beside it. Each child stamps its first paint (M6_FIRST_PAINT)
// and ends; its peak resident memory is the kernel's high-water mark (wait4).
//
//   launch_bench RUNS WARMUP DATA_FOLDER TRAINER BARE_WINDOW
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {
struct Run {
    double ms = 0;
    double mb = 0;
};

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

Run launch(const std::vector<std::string>& command) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) std::exit(2);
    const long long start = monotonicNs();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        setenv("M6_FIRST_PAINT", "1", 1);
        alarm(60);  // a program that never paints must not hang the benchmark
        std::vector<char*> argv;
        for (const std::string& a : command) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(pipeFds[1]);
    std::string out;
    char buffer[512];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;) out.append(buffer, size_t(n));
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const size_t at = out.find("first-paint ");
    if (at == std::string::npos || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not report a first paint (status %d):\n%s\n", command[0].c_str(), status, out.c_str());
        std::exit(1);
    }
    const long long painted = std::atoll(out.c_str() + at + 12);
    return {double(painted - start) / 1e6, double(usage.ru_maxrss) / 1024.0};
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s RUNS WARMUP DATA_FOLDER TRAINER BARE_WINDOW\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const int warmup = std::max(0, std::atoi(argv[2]));
    const std::vector<std::string> trainer = {argv[4], "--data", argv[3]};
    const std::vector<std::string> bare = {argv[5]};
    for (int i = 0; i < warmup; ++i) {
        launch(trainer);
        launch(bare);
    }
    std::vector<double> trainerMs, trainerMb, bareMs, bareMb;
    for (int i = 0; i < runs; ++i) {
        // In turns, so that a busy moment of the machine falls on both.
        const Run t = launch(trainer);
        const Run b = launch(bare);
        trainerMs.push_back(t.ms);
        trainerMb.push_back(t.mb);
        bareMs.push_back(b.ms);
        bareMb.push_back(b.mb);
        std::printf("  run %d: trainer %6.1f ms %5.1f MB | bare window %6.1f ms %5.1f MB\n", i + 1, t.ms, t.mb, b.ms, b.mb);
    }
    const double tMs = median(trainerMs), bMs = median(bareMs), tMb = median(trainerMb), bMb = median(bareMb);
    std::printf("median of %d warm runs (launch to the first complete paint; peak memory VmHWM):\n", runs);
    std::printf("  trainer      %6.1f ms  %5.1f MB\n", tMs, tMb);
    std::printf("  bare window  %6.1f ms  %5.1f MB\n", bMs, bMb);
    std::printf("  ratio        %6.2f x   %5.2f x\n", tMs / bMs, tMb / bMb);
    return 0;
}
