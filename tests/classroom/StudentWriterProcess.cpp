// A student saving in another process: class_student_writer FOLDER IDENTITY COMBINATION SEED
// writes the student's mass histogram (and, for an even seed, saved lifetimes) into FOLDER.
#include "ClassFolderMaker.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: class_student_writer FOLDER IDENTITY COMBINATION SEED\n");
        return 2;
    }
    classtest::StudentWork w;
    w.identity = argv[2];
    w.combination = std::atoi(argv[3]);
    const int seed = std::atoi(argv[4]);
    w.masses = classtest::studentMasses(static_cast<unsigned>(seed), 30 + seed % 7, 12);
    if (seed % 2 == 0)
        for (int k = 0; k < 3; ++k)
            w.lifetimes.lifetimes.push_back(
                {2, -4.0, -1.5 + 0.5 * k, 0.39 + 0.003 * k + 0.001 * seed, 0.012});
    classtest::writeStudentWork(argv[1], w);
    return 0;
}
