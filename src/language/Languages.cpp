#include "Languages.h"

#include "DataFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>
#include <iostream>
#include <map>

namespace vexel {

namespace {

// The languages whose buttons the windows always offer, with their fixed numbers.
const std::map<QString, int> kFixedLanguages{{"fr", 2}, {"de", 3}, {"it", 4}, {"ro", 5}};

// A compiled catalogue starts with these 16 bytes.
const QByteArray kCatalogueMagic("\x3c\xb8\x64\x18\xca\xef\x9c\x95\xcd\x21\x1c\xbf\x60\xa1\xbd\xdd",
                                 16);

// Why a file cannot be used as a catalogue; empty when it can.
QString unusable(const QString& path, QTranslator& catalogue) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "it cannot be read";
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        return "it is empty";
    if (!bytes.startsWith(kCatalogueMagic))
        return "it is not a compiled Qt Linguist catalogue (.qm)";
    if (!catalogue.load(path) || catalogue.isEmpty())
        return "it is cut short or damaged";
    return {};
}

QString cannotUse(const QString& file, const QString& why) {
    return QString("The language file %1 cannot be used: %2. That language is shown in English.")
        .arg(file, why);
}

} // namespace

Languages::Languages() : languages_{Language()} {}

Languages Languages::load(const QStringList& folders) {
    Languages result;
    const QRegularExpression fileName("^vexel_([a-z]{2,3}(?:_[A-Za-z0-9]+)?)\\.qm$");
    std::map<QString, QString> files; // code → path; the first folder's file counts
    for (const QString& folder : folders)
        for (const QFileInfo& entry :
             QDir(folder).entryInfoList({"vexel_*.qm"}, QDir::Files, QDir::Name)) {
            const auto match = fileName.match(entry.fileName());
            if (match.hasMatch())
                files.emplace(match.captured(1), entry.filePath());
        }
    for (const auto& [code, number] : kFixedLanguages)
        if (!files.count(code)) {
            result.problems_ << cannotUse(QDir(folders.value(0)).filePath("vexel_" + code + ".qm"),
                                          "it is missing");
            result.languages_.emplace_back(code, nullptr, number);
        }
    std::vector<std::pair<QString, std::shared_ptr<QTranslator>>> unnumbered;
    for (const auto& [code, path] : files) {
        auto catalogue = std::make_shared<QTranslator>();
        const QString why = unusable(path, *catalogue);
        const auto fixed = kFixedLanguages.find(code);
        const int fixedNumber = fixed != kFixedLanguages.end() ? fixed->second : 0;
        if (!why.isEmpty()) {
            result.problems_ << cannotUse(path, why);
            if (fixedNumber)
                result.languages_.emplace_back(code, nullptr, fixedNumber);
            continue;
        }
        Language language(code, catalogue, fixedNumber);
        if (!fixedNumber && language.number() == 0) {
            unnumbered.emplace_back(code, catalogue);
            continue;
        }
        const auto taken =
            std::find_if(result.languages_.begin(), result.languages_.end(),
                         [&](const Language& l) { return l.number() == language.number(); });
        if (taken != result.languages_.end()) {
            // Its help picture would be another language's: numbered afresh below.
            result.problems_ << QString("The language file %1 gives the number %2, which \"%3\" "
                                        "has; it is given the next free number.")
                                    .arg(path)
                                    .arg(language.number())
                                    .arg(taken->code());
            unnumbered.emplace_back(code, catalogue);
            continue;
        }
        result.languages_.push_back(std::move(language));
    }
    auto byNumber = [](const Language& a, const Language& b) { return a.number() < b.number(); };
    std::sort(result.languages_.begin(), result.languages_.end(), byNumber);
    for (auto& [code, catalogue] : unnumbered)
        result.languages_.emplace_back(code, catalogue, result.languages_.back().number() + 1);
    return result;
}

const Languages& Languages::installed() {
    static const Languages languages = [] {
        QStringList folders;
        for (const std::string& place : DataFiles::placesFor(DataFiles::translationsFolder()))
            folders << QString::fromStdString(place);
        Languages loaded = load(folders);
        for (const QString& problem : loaded.problems())
            std::cerr << problem.toStdString() << std::endl;
        return loaded;
    }();
    return languages;
}

const Language& Languages::byNumber(int number) const {
    for (const Language& language : languages_)
        if (language.number() == number)
            return language;
    return languages_.front();
}

const Language* Languages::byCode(const QString& code) const {
    for (const Language& language : languages_)
        if (language.code() == code)
            return &language;
    return nullptr;
}

} // namespace vexel
