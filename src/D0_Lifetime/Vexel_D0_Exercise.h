#pragma once

#include <QObject>
#include <QString>
#include <exception>
#include <string>

// Raised when the candidate file of the D0 exercise cannot be opened.
class MissingDataFile : public std::exception {
public:
    explicit MissingDataFile(std::string path);
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::string message_;
};

// The D0 lifetime exercise: holds the analysis state of one exercise run.
class TVSDReader : public QObject {
    Q_OBJECT
public:
    explicit TVSDReader(const char* file_name);
    ~TVSDReader() override;

    int lang1;

public slots:
    void LoadD0Ntuple(const char* file_name);
    void setLang1(int lang);

private:
    std::string fileName_;
};

extern TVSDReader* gVSDReader;
extern QString pathSaveD0;
extern int globalChoice, globalMode, globalDataset;
extern QString globalName1, globalName2;

// Path of the candidate file: the working directory's copy, else the system-wide one.
std::string candidateFilePath();

void Vexel_D0_Exercise(int lang, QString saveDir, int choice, int mode, int dataset, QString name1,
                       QString name2);
