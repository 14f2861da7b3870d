// SPDX-License-Identifier: MIT
// The built program itself, run under other names: its settings are filed
// under the name of the file that runs, and a launcher link leads to the
// program's own name.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every settings file under `config`, relative to it.
QStringList settingsFiles(const QString &config) {
    QStringList files;
    const QDir root(config);
    for (const QFileInfo &folder : root.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QString &file : QDir(folder.filePath()).entryList({"*.ini"}, QDir::Files))
            files << folder.fileName() + QLatin1Char('/') + file;
    return files;
}

} // namespace

class TestProgramCopy : public QObject {
    Q_OBJECT

    // Starts `program` with a configuration folder of its own and returns the
    // settings files it made once it has recorded its first run.
    QStringList settingsMadeBy(const QString &program, const QString &root) {
        const QString config = root + QLatin1String("/config");
        const QString runtime = root + QLatin1String("/run");
        if (!QDir().mkpath(config) || !QDir().mkpath(runtime) ||
            !QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return {QStringLiteral("no folders")};
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        // No session bus, and none started for it.
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                   QStringLiteral("unix:path=") + runtime + QLatin1String("/no-bus"));
        QProcess process;
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(program, {});
        if (!process.waitForStarted(10000))
            return {QStringLiteral("did not start")};
        if (!QTest::qWaitFor([&] { return !settingsFiles(config).isEmpty(); }, 20000))
            qWarning("the program made no settings file");
        const QStringList files = settingsFiles(config);
        process.kill();
        process.waitForFinished(10000);
        return files;
    }

private slots:
    void copyUnderAnotherNameFilesItsSettingsUnderThatName() {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString copy = root.filePath(QStringLiteral("Oracle"));
        QVERIFY(QFile::copy(QStringLiteral(HEXACLE_PROGRAM), copy));
        QCOMPARE(settingsMadeBy(copy, root.path()), QStringList{"Oracle/Oracle.ini"});
    }

    void launcherLinkLeadsToTheProgramsName() {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("lib")));
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("bin")));
        QVERIFY(QFile::copy(QStringLiteral(HEXACLE_PROGRAM),
                            root.filePath(QStringLiteral("lib/HexacleFree"))));
        const QString launcher = root.filePath(QStringLiteral("bin/hexacle"));
        QVERIFY(QFile::link(QStringLiteral("../lib/HexacleFree"), launcher));
        QCOMPARE(settingsMadeBy(launcher, root.path()), QStringList{"HexacleFree/HexacleFree.ini"});
    }
};

QTEST_GUILESS_MAIN(TestProgramCopy)
#include "tst_program_copy.moc"
