#include "Vexel_D0_Exercise.h"

#include "Messages.h"
#include "rootio/Error.h"
#include "rootio/FileReader.h"

#include <fstream>
#include <iostream>
#include <utility>

TVSDReader* gVSDReader = nullptr;
QString pathSaveD0;
int globalChoice = 0, globalMode = 0, globalDataset = 0;
QString globalName1, globalName2;

MissingDataFile::MissingDataFile(std::string path)
    : path_(std::move(path)), message_("Cannot open file " + path_) {}

TVSDReader::TVSDReader(const char* file_name) : lang1(0), fileName_(file_name ? file_name : "") {
    LoadD0Ntuple(fileName_.c_str());
}

TVSDReader::~TVSDReader() = default;

void TVSDReader::LoadD0Ntuple(const char* file_name) {
    // A file that does not open as a ROOT file is as unusable as a missing one.
    try {
        rootio::FileReader file(file_name);
    } catch (const rootio::Error& e) {
        std::cerr << e.what() << std::endl;
        throw MissingDataFile(file_name);
    }
}

void TVSDReader::setLang1(int lang) {
    lang1 = lang;
}

std::string candidateFilePath() {
    const std::string local = "share/VexelLumora/LumoraData_2012.root";
    std::ifstream probe(local, std::ios::binary);
    return probe ? local : "/usr/local/share/VexelLumora/LumoraData_2012.root";
}

void Vexel_D0_Exercise(int lang, QString saveDir, int choice, int mode, int dataset, QString name1,
                       QString name2) {
    const std::string path = candidateFilePath();
    globalName1 = std::move(name1);
    globalName2 = std::move(name2);
    globalChoice = choice;
    globalMode = mode;
    globalDataset = dataset;
    pathSaveD0 = std::move(saveDir);
    auto* reader = new TVSDReader(path.c_str());
    gVSDReader = reader;
    gVSDReader->setLang1(lang);
    vexel::showMessage("Error", "The D0 lifetime analysis window is not part of this build yet.");
}
