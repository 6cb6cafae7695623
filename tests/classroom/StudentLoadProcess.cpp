// A student saving again and again, as the program does:
//   class_load_student FOLDER IDENTITY COMBINATION SECONDS SEED
// For SECONDS, saves the mass histogram and the lifetime results with the program's own
// writers, every 0.1 to 0.4 s; save n writes loadHistogramMasses(n) and loadLifetimes(n).
// Prints "saves <count> last <n>" at the end.
#include "ClassFolderMaker.h"
#include "LoadStudentWork.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr,
                     "usage: class_load_student FOLDER IDENTITY COMBINATION SECONDS SEED\n");
        return 2;
    }
    classtest::StudentWork w;
    w.identity = argv[2];
    w.combination = std::atoi(argv[3]);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[4]));
    std::mt19937 random(static_cast<unsigned>(std::atoi(argv[5])));
    std::uniform_int_distribution<int> pause(100, 400);
    int saves = 0;
    while (std::chrono::steady_clock::now() < end) {
        w.masses = classtest::loadHistogramMasses(saves);
        w.lifetimes = classtest::loadLifetimes(saves);
        classtest::writeStudentWork(argv[1], w);
        ++saves;
        std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
    }
    std::printf("saves %d last %d\n", saves, saves - 1);
    return 0;
}
