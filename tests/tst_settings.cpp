// SPDX-License-Identifier: MIT
// The settings store: its character shift, the file it keeps, and what it
// does when the file or its folder refuses a write or holds something odd.
// Every store here lives in a temporary directory; XDG_CONFIG_HOME points
// into one too, so nothing reaches the real user's configuration.
//
// The tests run as root in CI, and root writes through file permissions. The
// store itself treats a file or folder without any write permission as
// refusing, so those cases hold for root too; the other refused cases (the
// file's name taken by a folder, a folder that cannot be created) are refused
// by the system itself, whoever runs.

#include "platform/system_platform.h"
#include "settings/settings_store.h"
#include "support/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>

using namespace hexacle;
using namespace hexacle::test;

namespace {

// "Duration" as the store keeps it: Windows-1252 codes 153, 202, 199, 182,
// 201, 190, 196, 195 ("™ÊÇ¶É¾ÄÃ").
const QString kStoredDuration =
    QString::fromUtf16(u"\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3");

// The entry as any QSettings reader of the file sees it.
QVariant rawEntry(const QString &iniFile, const QString &storedKey) {
    const QSettings settings(iniFile, QSettings::IniFormat);
    return settings.value(QLatin1String("Settings/") + storedKey);
}

QStringList filesUnder(const QString &dir) {
    QStringList files;
    for (const QFileInfo &info :
         QDir(dir).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        files << info.fileName();
    return files;
}

enum class Obstacle {
    ReadOnlyFile,
    ReadOnlyFolder,
    FileNameTakenByFolder,
    FileNameTakenByPipe,
    FolderNotCreatable,
};

} // namespace

Q_DECLARE_METATYPE(Obstacle)

class TestSettings : public QObject {
    Q_OBJECT
    QTemporaryDir userConfig_;
    std::unique_ptr<QTemporaryDir> dir_;
    QString ini_;

    QString config() const { return dir_->filePath(QStringLiteral("config")); }

    // Gives back write permission so the directory can be removed.
    void restorePermissions() {
        for (const QString &path : {ini_, QFileInfo(ini_).absolutePath(), config()})
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

private slots:
    void initTestCase() {
        QVERIFY(userConfig_.isValid());
        qputenv("XDG_CONFIG_HOME", userConfig_.path().toLocal8Bit());
    }

    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        ini_ = config() + QLatin1String("/HexacleFree/HexacleFree.ini");
    }

    void cleanup() {
        restorePermissions();
        dir_.reset();
    }

    // --- The shift ---

    void keysAndLettersAsDocumented() {
        QCOMPARE(EncodeSetting(QStringLiteral("Duration")), kStoredDuration);
        QCOMPARE(DecodeSetting(kStoredDuration), QStringLiteral("Duration"));
        QCOMPARE(EncodeSetting(QStringLiteral("abc")), QString::fromUtf16(u"\u00B6\u00B7\u00B8"));
        QCOMPARE(EncodeSetting(QString()), QString());
        QCOMPARE(DecodeSetting(QString()), QString());
    }

    // Checked against the system's own Windows-1252 codec: every code 0 to
    // 170 moves up 85, and comes back.
    void shiftsEveryCodeOfTheSingleByteSet() {
        QStringDecoder codec("windows-1252");
        if (!codec.isValid())
            QSKIP("this Qt has no Windows-1252 codec to check against");
        QByteArray bytes;
        for (int code = 0; code <= 255; ++code)
            bytes += char(code);
        // Decoded in one go: this codec mishandles very short inputs.
        const QString set = codec(bytes);
        QCOMPARE(set.size(), 256);
        auto character = [&](int code) { return QString(set[code]); };
        QString all;
        for (int code = 0; code <= 170; ++code) {
            const QString plain = character(code);
            QCOMPARE(EncodeSetting(plain), character(code + 85));
            QCOMPARE(DecodeSetting(character(code + 85)), plain);
            all += plain;
        }
        QCOMPARE(DecodeSetting(EncodeSetting(all)), all);
        // The codes the set leaves undefined survive too; 8 becomes 0x8D.
        QCOMPARE(EncodeSetting(QStringLiteral("8")), QString(QChar(0x8D)));
        for (int undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
            QCOMPARE(DecodeSetting(EncodeSetting(QString(QChar(undefined - 85)))),
                     QString(QChar(undefined - 85)));
        for (int code = 171; code <= 255; ++code)
            QCOMPARE(EncodeSetting(character(code)), QString());
        for (int code = 0; code < 85; ++code)
            QCOMPARE(DecodeSetting(character(code)), QString());
    }

    void dropsWhatTheShiftCannotHold() {
        // à is 224: above 170, lost on writing; the rest stays in order.
        QCOMPARE(DecodeSetting(EncodeSetting(QString::fromUtf16(u"voilà!"))),
                 QStringLiteral("voil!"));
        // Outside the set: a question mark, one per character, even beyond
        // the basic plane.
        QCOMPARE(DecodeSetting(EncodeSetting(QString::fromUtf16(u"a\u03A9b\U0001F600c"))),
                 QStringLiteral("a?b?c"));
        // € is 128 in the set, so it comes back.
        QCOMPARE(DecodeSetting(EncodeSetting(QString::fromUtf16(u"5\u20AC"))),
                 QString::fromUtf16(u"5\u20AC"));
        // Stored characters below 85, or outside the set, vanish on reading.
        QCOMPARE(DecodeSetting(QString::fromUtf16(u"AB\u00B6\u03A9\u00B7")), QStringLiteral("ab"));
    }

    // --- The store ---

    void readsNothingBeforeAnyWriteAndCreatesNothing() {
        const SettingsStore store(ini_);
        QCOMPARE(store.ReadSetting(QStringLiteral("Duration")), QString());
        QVERIFY(!QFileInfo::exists(config()));
    }

    void writtenValueIsReadByTheNextRun() {
        const QString value = QStringLiteral("2026-12-07 8/8.8 ") + QChar(0x20AC) + QChar(0xAA);
        QVERIFY(SettingsStore(ini_).WriteSetting(QStringLiteral("Duration"), value));
        // A new store, as the next run would open, with a fresh QSettings.
        QCOMPARE(SettingsStore(ini_).ReadSetting(QStringLiteral("Duration")), value);
        QCOMPARE(SettingsStore(ini_).ReadSetting(QStringLiteral("Other")), QString());

        // The file holds the shifted key and value in the section
        // "Settings", for any reader of INI files; the plain text is nowhere.
        QCOMPARE(rawEntry(ini_, kStoredDuration).toString(), EncodeSetting(value));
        QVERIFY(!contentsOf(ini_).contains("Duration"));
        QVERIFY(!contentsOf(ini_).contains("2026"));

        SettingsStore store(ini_);
        QVERIFY(store.WriteSetting(QStringLiteral("Duration"), QStringLiteral("2027-01-01")));
        QCOMPARE(store.ReadSetting(QStringLiteral("Duration")), QStringLiteral("2027-01-01"));
        QCOMPARE(SettingsStore(ini_).ReadSetting(QStringLiteral("Duration")),
                 QStringLiteral("2027-01-01"));
    }

    void writeKeepsTheRestOfTheFile() {
        QVERIFY(writeFile(ini_, "[Other]\nfoo=bar\n\n[Settings]\nkept=yes\n"));
        QVERIFY(SettingsStore(ini_).WriteSetting(QStringLiteral("Duration"),
                                                 QStringLiteral("2026-12-07")));
        QCOMPARE(rawEntry(ini_, QStringLiteral("kept")).toString(), QStringLiteral("yes"));
        const QSettings settings(ini_, QSettings::IniFormat);
        QCOMPARE(settings.value(QStringLiteral("Other/foo")).toString(), QStringLiteral("bar"));
    }

    void refusedWriteKeepsWhatTheStoreHeld_data() {
        QTest::addColumn<Obstacle>("obstacle");
        QTest::newRow("read-only file") << Obstacle::ReadOnlyFile;
        QTest::newRow("read-only folder") << Obstacle::ReadOnlyFolder;
        QTest::newRow("file name taken by a folder") << Obstacle::FileNameTakenByFolder;
        QTest::newRow("file name taken by a pipe") << Obstacle::FileNameTakenByPipe;
        QTest::newRow("folder cannot be created") << Obstacle::FolderNotCreatable;
    }
    void refusedWriteKeepsWhatTheStoreHeld() {
        QFETCH(Obstacle, obstacle);
        const QString key = QStringLiteral("Duration");
        const QString folder = QFileInfo(ini_).absolutePath();
        QString held;
        switch (obstacle) {
        case Obstacle::ReadOnlyFile:
            held = QStringLiteral("2026-11-01");
            QVERIFY(SettingsStore(ini_).WriteSetting(key, held));
            QVERIFY(QFile::setPermissions(ini_, QFile::ReadOwner | QFile::ReadGroup));
            break;
        case Obstacle::ReadOnlyFolder:
            held = QStringLiteral("2026-11-01");
            QVERIFY(SettingsStore(ini_).WriteSetting(key, held));
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
            break;
        case Obstacle::FileNameTakenByFolder:
            QVERIFY(QDir().mkpath(ini_));
            break;
        case Obstacle::FileNameTakenByPipe:
            // Reading it would wait for a writer that never comes.
            QVERIFY(QDir().mkpath(folder));
            QCOMPARE(::mkfifo(QFile::encodeName(ini_).constData(), 0644), 0);
            break;
        case Obstacle::FolderNotCreatable:
            QVERIFY(writeFile(config(), "not a folder"));
            break;
        }
        const QByteArray before = contentsOf(ini_);

        SettingsStore store(ini_);
        QVERIFY(!store.WriteSetting(key, QStringLiteral("2026-12-07")));
        QCOMPARE(store.ReadSetting(key), held);
        QCOMPARE(contentsOf(ini_), before);

        // Once the obstacle is gone, reading still gives what was held and
        // writes nothing (no refused value lingers to be written later), and
        // a write goes through.
        restorePermissions();
        if (obstacle == Obstacle::FileNameTakenByFolder)
            QVERIFY(QDir(ini_).removeRecursively());
        if (obstacle == Obstacle::FileNameTakenByPipe)
            QVERIFY(QFile::remove(ini_));
        if (obstacle == Obstacle::FolderNotCreatable)
            QVERIFY(QFile::remove(config()));
        QCOMPARE(SettingsStore(ini_).ReadSetting(key), held);
        QCOMPARE(contentsOf(ini_), before);
        QVERIFY(store.WriteSetting(key, QStringLiteral("2026-12-07")));
        QCOMPARE(SettingsStore(ini_).ReadSetting(key), QStringLiteral("2026-12-07"));
    }

    void corruptFileIsReadWithoutHarmAndReplacedOnlyByAWrite_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe\x01[\x80\x8d=\x9d\n\x00", 12);
        QTest::newRow("broken sections and quotes")
            << QByteArray("[Settings\n%U2122%CA=\"unterminated\n==\n[x]]]\n\\\n@Variant(\\0\\0\n");
        QTest::newRow("invalid UTF-8 in our entry")
            << QByteArray("[Settings]\n%U2122%CA%C7%B6%C9%BE%C4%C3=\xc3\x28\xe2\x82\n");
        QTest::newRow("empty") << QByteArray();
    }
    void corruptFileIsReadWithoutHarmAndReplacedOnlyByAWrite() {
        QFETCH(QByteArray, contents);
        QVERIFY(writeFile(ini_, contents));
        const QDateTime modified = QFileInfo(ini_).lastModified();

        for (int run = 0; run < 2; ++run)
            SettingsStore(ini_).ReadSetting(QStringLiteral("Duration"));
        QCOMPARE(contentsOf(ini_), contents);
        QCOMPARE(QFileInfo(ini_).lastModified(), modified);
        QCOMPARE(filesUnder(QFileInfo(ini_).absolutePath()),
                 QStringList{QStringLiteral("HexacleFree.ini")});

        QVERIFY(SettingsStore(ini_).WriteSetting(QStringLiteral("Duration"),
                                                 QStringLiteral("2026-12-07")));
        QCOMPARE(SettingsStore(ini_).ReadSetting(QStringLiteral("Duration")),
                 QStringLiteral("2026-12-07"));
        QCOMPARE(filesUnder(QFileInfo(ini_).absolutePath()),
                 QStringList{QStringLiteral("HexacleFree.ini")});
    }

    // What another writer put under our key is decoded like anything else,
    // a hand-made list included.
    void handEditedValues() {
        {
            QSettings settings(ini_, QSettings::IniFormat);
            settings.setValue(QLatin1String("Settings/") + kStoredDuration,
                              QStringList{QString(QChar(0xB6)), QString(QChar(0xB7))});
            settings.setValue(QLatin1String("Settings/") + EncodeSetting(QStringLiteral("k")),
                              QStringLiteral("plain 2026"));
        }
        QCOMPARE(SettingsStore(ini_).ReadSetting(QStringLiteral("Duration")), QStringLiteral("ab"));
        // Letters move 85 down; the space and the digits, below 85, vanish.
        QString shiftedDown;
        for (char letter : {'p', 'l', 'a', 'i', 'n'})
            shiftedDown += QChar(letter - 85);
        QCOMPARE(SettingsStore(ini_).ReadSetting(QStringLiteral("k")), shiftedDown);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
