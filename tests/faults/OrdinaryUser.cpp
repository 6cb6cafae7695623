#include "OrdinaryUser.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexel::test {

namespace {

constexpr const char* kChildMark = "VEXEL_ORDINARY_USER_CASE";
constexpr const char* kSmallDisk = "VEXEL_SMALL_DISK";
constexpr uid_t kNobody = 65534;

QString thisTest() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return QString("%1.%2").arg(info->test_suite_name(), info->name());
}

// A folder of the child's, owned by it.
bool makeChildFolder(const QString& path, bool root) {
    return QDir().mkpath(path) &&
           QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) &&
           (!root || ::chown(QFile::encodeName(path).constData(), kNobody, kNobody) == 0);
}

// The X server's key, readable by the child (xvfb-run keeps it in a folder of root's).
QString copyDisplayKey(const QString& base, bool root) {
    const QString key = qEnvironmentVariable("XAUTHORITY");
    const QString copy = base + "/Xauthority";
    if (key.isEmpty() || !QFile::copy(key, copy) ||
        (root && ::chown(QFile::encodeName(copy).constData(), kNobody, kNobody) != 0))
        return key;
    return copy;
}

// What the cases leave read-only is removed too.
void removeAll(const QString& base) {
    QDirIterator it(base, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        QFile::setPermissions(it.next(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir(base).removeRecursively();
}

// The folders on the way to each of `paths` that others may not pass through, one line each:
// the folder, a tab, the name of the next folder on the way. Top-down, without repeats.
QString closedFoldersOnTheWay(const QStringList& paths) {
    QStringList lines;
    for (const QString& path : paths) {
        const QStringList parts = QDir::cleanPath(path).split('/', Qt::SkipEmptyParts);
        QString folder;
        for (int i = 0; i + 1 < parts.size(); ++i) {
            folder += '/' + parts[i];
            struct stat info {};
            const QString line = folder + '\t' + parts[i + 1];
            if (::stat(QFile::encodeName(folder).constData(), &info) == 0 &&
                !(info.st_mode & S_IXOTH) && !lines.contains(line))
                lines << line;
        }
    }
    return lines.join('\n');
}

} // namespace

QString smallDisk() {
    return qEnvironmentVariable(kSmallDisk);
}

bool ranAsOrdinaryUser(long long smallDiskBytes) {
    if (qEnvironmentVariableIsSet(kChildMark)) {
        if (qEnvironmentVariable(kChildMark) == QString::number(kNobody))
            EXPECT_EQ(::geteuid(), kNobody);
        return false;
    }
    const bool root = ::geteuid() == 0;
    QTemporaryDir made(QDir::tempPath() + "/vexel-user-XXXXXX");
    made.setAutoRemove(false);
    const QString base = made.path();
    const QString disk = base + "/disk";
    if (!made.isValid() || !makeChildFolder(base, root) || !makeChildFolder(base + "/home", root) ||
        !makeChildFolder(base + "/tmp", root) || !makeChildFolder(base + "/runtime", root) ||
        !makeChildFolder(disk, root)) {
        removeAll(base);
        ADD_FAILURE() << "cannot make the folders of the child process in " << base.toStdString();
        return true;
    }

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kChildMark, root ? QString::number(kNobody) : "this user");
    env.insert("HOME", base + "/home");
    env.insert("TMPDIR", base + "/tmp");
    env.insert("XDG_RUNTIME_DIR", base + "/runtime");
    env.insert("XAUTHORITY", copyDisplayKey(base, root));
    for (const char* own : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        env.remove(own);
    if (smallDiskBytes > 0)
        env.insert(kSmallDisk, disk);

    // Root runs the child in a mount namespace of its own when it needs a small filesystem or
    // when a folder on the way to the build is closed to others (a clone in a private
    // temporary folder): such a folder is covered there by an open one holding the way on.
    // Another user needs a user namespace too, and only for the small filesystem.
    const QString closed =
        root ? closedFoldersOnTheWay({QCoreApplication::applicationDirPath(), QDir::currentPath()})
             : QString();
    QStringList command;
    if (smallDiskBytes > 0 || !closed.isEmpty()) {
        env.insert("VEXEL_CLOSED_WAY", closed);
        command << "unshare";
        if (!root)
            command << "--map-root-user";
        command
            << "--mount"
            << "--propagation"
            << "private"
            << "--"
            << "sh"
            << "-c"
            << "if [ \"$1\" -gt 0 ]; then\n"
               "  mount -t tmpfs -o size=$1 vexel-small-disk \"$2\" || exit 1\n"
               "  [ \"$3\" = root ] && chown 65534:65534 \"$2\"\n"
               "fi\n"
               "last=\n"
               "while IFS='\t' read -r folder next; do\n"
               "  [ -n \"$folder\" ] || continue\n"
               "  if [ \"$folder\" != \"$last\" ]; then\n"
               "    hold=$(mktemp -d) && mount --bind \"$folder\" \"$hold\" &&\n"
               "      mount -t tmpfs -o mode=755 vexel-open-way \"$folder\" || exit 1\n"
               "    last=$folder\n"
               "  fi\n"
               "  mkdir -p \"$folder/$next\" && mount --bind \"$hold/$next\" \"$folder/$next\" ||\n"
               "    exit 1\n"
               "done <<EOF\n$VEXEL_CLOSED_WAY\nEOF\n"
               "shift 3\nexec \"$@\""
            << "sh" << QString::number(smallDiskBytes) << disk << (root ? "root" : "user");
    }
    if (root)
        command << "setpriv" << QString("--reuid=%1").arg(kNobody)
                << QString("--regid=%1").arg(kNobody) << "--clear-groups"
                << "--";
    command << QCoreApplication::applicationFilePath() << "--gtest_filter=" + thisTest();

    QProcess child;
    child.setProcessEnvironment(env);
    child.setWorkingDirectory(QDir::currentPath()); // the run directory, with the data
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(command.takeFirst(), command);
    const bool finished = child.waitForFinished(300000);
    const QString output = QString::fromLocal8Bit(child.readAll());
    removeAll(base);

    const bool ran = output.contains("[==========] Running 1 test");
    if (!ran && smallDiskBytes > 0 && finished) {
        [&] {
            GTEST_SKIP() << "no small filesystem could be mounted for the full-disk case ("
                         << (root ? "a mount namespace" : "a user namespace")
                         << " is not allowed here): " << output.trimmed().toStdString();
        }();
        return true;
    }
    if (output.contains("[  SKIPPED ] 1 test")) {
        [&] {
            GTEST_SKIP() << "skipped as " << (root ? "nobody" : "this user") << ":\n"
                         << output.toStdString();
        }();
        return true;
    }
    EXPECT_TRUE(finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 &&
                output.contains("[  PASSED  ] 1 test"))
        << "the case as " << (root ? "nobody" : "this user") << " failed:\n"
        << output.toStdString();
    return true;
}

} // namespace vexel::test
