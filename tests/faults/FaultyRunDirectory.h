#pragma once

#include <QString>
#include <QTemporaryDir>

namespace vexel::test {

// What is wrong with a data file.
// Unreadable: the good file, without read permission (a case for an ordinary user; root
// reads it all the same).
enum class Fault { Missing, Empty, Truncated, FlippedBytes, OtherRootFile, Unreadable };
const char* faultName(Fault fault);
// The genuine ROOT file of another kind comes from ../shared; without it that case is left out.
bool faultAvailable(Fault fault);
inline constexpr Fault kAllFaults[] = {Fault::Missing,       Fault::Empty,
                                       Fault::Truncated,     Fault::FlippedBytes,
                                       Fault::OtherRootFile, Fault::Unreadable};

// The generated run directory rebuilt in a temporary directory (links to its files) and made
// the working directory while it lives; break() replaces files by faulty copies.
class FaultyRunDirectory {
public:
    FaultyRunDirectory();
    ~FaultyRunDirectory();
    FaultyRunDirectory(const FaultyRunDirectory&) = delete;
    FaultyRunDirectory& operator=(const FaultyRunDirectory&) = delete;

    bool valid() const { return valid_; }
    // Replaces the file at a path relative to the run directory.
    void breakFile(const QString& relative, Fault fault);
    // Every picture the windows show, relative to the run directory.
    static QStringList pictures();

private:
    QTemporaryDir dir_;
    QString previous_;
    bool valid_ = false;
};

} // namespace vexel::test
