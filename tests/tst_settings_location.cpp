// SPDX-License-Identifier: MIT
// Where the settings store lives for the running program: the user's
// configuration folder, named after the program's resolved file name.
// XDG_CONFIG_HOME points into a temporary directory, so nothing reaches the
// real user's configuration.

#include "platform/system_platform.h"
#include "settings/settings_store.h"
#include "support/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace hexacle;
using namespace hexacle::test;

namespace {

// "Duration" as the store keeps it (see tst_settings).
const QString kStoredDuration =
    QString::fromUtf16(u"\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3");

class FixedProgramName final : public ProgramName {
public:
    explicit FixedProgramName(QString name) : name_(std::move(name)) {}
    QString name() const override { return name_; }

private:
    QString name_;
};

} // namespace

class TestSettingsLocation : public QObject {
    Q_OBJECT
    QTemporaryDir userConfig_;
    std::unique_ptr<QTemporaryDir> dir_;

private slots:
    void initTestCase() {
        QVERIFY(userConfig_.isValid());
        qputenv("XDG_CONFIG_HOME", userConfig_.path().toLocal8Bit());
    }
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }
    void cleanup() { dir_.reset(); }

    // The program's own location: the user's configuration folder, as
    // XDG_CONFIG_HOME names it, then the program's name, as QSettings itself
    // would place the application's INI file.
    void userLocationFollowsXdgConfigHome() {
        const FixedProgramName program(QStringLiteral("HexacleFree"));
        const QString expected =
            userConfig_.filePath(QStringLiteral("HexacleFree/HexacleFree.ini"));
        const UserSettingsLocation location(program);
        QCOMPARE(location.iniFile(), expected);
        QCOMPARE(location.applicationName(), QStringLiteral("HexacleFree"));

        QVERIFY(SettingsStore(location).WriteSetting(QStringLiteral("Duration"),
                                                     QStringLiteral("2026-12-07")));
        QVERIFY(QFileInfo::exists(expected));
        {
            const QSettings qtOwn(QSettings::IniFormat, QSettings::UserScope,
                                  QStringLiteral("HexacleFree"), QStringLiteral("HexacleFree"));
            QCOMPARE(qtOwn.fileName(), expected);
            QCOMPARE(qtOwn.value(QLatin1String("Settings/") + kStoredDuration).toString(),
                     EncodeSetting(QStringLiteral("2026-12-07")));
        }
    }

    // The application name is the running program's file name, whatever name
    // the program gives itself.
    void userLocationIsNamedAfterTheProgram() {
        const QString previousName = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(QStringLiteral("HexacleFree"));
        const FixedProgramName oracle(QStringLiteral("Oracle"));
        QCOMPARE(UserSettingsLocation(oracle).iniFile(),
                 userConfig_.filePath(QStringLiteral("Oracle/Oracle.ini")));
        const RunningProgramName running;
        QCOMPARE(running.name(), QStringLiteral("tst_settings_location"));
        QCOMPARE(UserSettingsLocation(running).iniFile(),
                 userConfig_.filePath(
                     QStringLiteral("tst_settings_location/tst_settings_location.ini")));
        QCoreApplication::setApplicationName(previousName);
    }

    void programNameIsTheResolvedFileWithoutExtension() {
        const QString lib = dir_->filePath(QStringLiteral("lib"));
        const QString bin = dir_->filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(lib) && QDir().mkpath(bin));
        QVERIFY(writeFile(lib + QLatin1String("/HexacleFree"), "program"));
        QVERIFY(writeFile(lib + QLatin1String("/Oracle.exe"), "program"));
        QVERIFY(writeFile(lib + QLatin1String("/Hexacle.Free.exe"), "program"));
        QVERIFY(QFile::link(QStringLiteral("../lib/HexacleFree"), bin + QLatin1String("/hexacle")));
        QVERIFY(QFile::link(QStringLiteral("hexacle"), bin + QLatin1String("/again.sh")));
        QCOMPARE(programNameOf(lib + QLatin1String("/HexacleFree")), QStringLiteral("HexacleFree"));
        QCOMPARE(programNameOf(lib + QLatin1String("/Oracle.exe")), QStringLiteral("Oracle"));
        QCOMPARE(programNameOf(lib + QLatin1String("/Hexacle.Free.exe")),
                 QStringLiteral("Hexacle.Free"));
        QCOMPARE(programNameOf(bin + QLatin1String("/hexacle")), QStringLiteral("HexacleFree"));
        QCOMPARE(programNameOf(bin + QLatin1String("/again.sh")), QStringLiteral("HexacleFree"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsLocation)
#include "tst_settings_location.moc"
