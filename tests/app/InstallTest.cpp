// Installing into a prefix gives a program that finds its shipped files there, a valid menu
// entry and the program's icon in the icon theme's places.
#include "common/Patience.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

bool RunTool(const QString& program, const QStringList& args, QString* output = nullptr) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(120000)) return false;
    if (output) *output = QString::fromLocal8Bit(p.readAll());
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

TEST(Install, PutsProgramDefaultsEntryAndIconsInTheirPlacesAndTheProgramSeedsFromThem) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    QString out;
    ASSERT_TRUE(RunTool("cmake", {"--install", ORVELLE_BUILD_DIR, "--prefix", prefix.path()}, &out)) << out.toStdString();

    QDir p(prefix.path());
    QString program = p.filePath("bin/orvelle");
    EXPECT_TRUE(QFileInfo(program).isExecutable());
    for (const char* file : {"Marker Colors.dat", "Icon Tags.dat", "Help_Topics.txt", "UserPreferences.txt",
                             "Images/0.ico", "Images/143.ico"})
        EXPECT_TRUE(QFile::exists(p.filePath(QString("share/orvelle-defaults/") + file))) << file;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage icon(p.filePath(QString("share/icons/hicolor/%1x%1/apps/orvelle.png").arg(size)));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
    }
    QString entry = p.filePath("share/applications/orvelle.desktop");
    ASSERT_TRUE(QFile::exists(entry));
    if (QStandardPaths::findExecutable("desktop-file-validate").isEmpty()) {
        ADD_FAILURE() << "desktop-file-validate is missing: scripts/install-deps.sh installs desktop-file-utils";
    } else {
        EXPECT_TRUE(RunTool("desktop-file-validate", {entry}, &out)) << out.toStdString();
    }

    // The installed program, moved away from the build tree, seeds a new data folder. Installed
    // into ~/.local it has share/orvelle/ of its own prefix as data folder: one removed to start
    // afresh is seeded again.
    QString data = p.filePath("share/orvelle");
    for (int start = 0; start < 2; ++start) {
        QDir(data).removeRecursively();
        QProcess app;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("ORVELLE_HOME");
        env.insert("XDG_DATA_HOME", p.filePath("share"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        app.setProcessEnvironment(env);
        app.start(program, {});
        ASSERT_TRUE(app.waitForStarted());
        QString seeded = data + "/Images/143.ico";
        // The pictures come once the window has been painted.
        for (QDeadlineTimer patience(orvelle::test::kPatienceMs); !patience.hasExpired() && !QFile::exists(seeded);)
            QThread::msleep(50);
        EXPECT_TRUE(QFile::exists(seeded)) << start;
        EXPECT_TRUE(QFile::exists(data + "/Marker Colors.dat")) << start;
        app.kill();
        app.waitForFinished();
    }
}

} // namespace
