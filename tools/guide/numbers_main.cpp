// vexel-guide-numbers: the numbers the teacher's guide quotes, computed in the run directory.
//   vexel-guide-numbers                    KEY VALUE lines, each after a "#" line saying how
//   vexel-guide-numbers --check DIR...     checks the marked numbers of every DIR/*.md
#include "GuideMarkers.h"
#include "GuideNumbers.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    try {
        const std::vector<GuideNumber> numbers = GuideNumbers::compute();
        if (argc > 1 && std::strcmp(argv[1], "--check") == 0) {
            int files = 0;
            std::vector<std::string> problems;
            for (int i = 2; i < argc; ++i)
                files += GuideMarkers::checkFolder(argv[i], numbers, problems);
            for (const std::string& p : problems)
                std::cerr << p << '\n';
            std::cout << files << " guides checked, " << problems.size() << " problems\n";
            return problems.empty() ? 0 : 1;
        }
        for (const GuideNumber& n : numbers) {
            std::cout << "# " << n.key << ": " << n.how << '\n';
            std::cout << n.key << ' ' << GuideMarkers::rounded(n.value, n.decimals) << '\n';
        }
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "vexel-guide-numbers: " << e.what() << '\n';
        return 2;
    }
}
