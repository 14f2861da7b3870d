// SPDX-License-Identifier: MIT
// One copy per user: a second claim is refused while the first holds the
// lock, a lock left by a killed copy is taken over, and many copies started
// together leave exactly one holder.

#include "platform/instance_guard.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace hexacle;

namespace {

// The helper mode of this test binary: claim the lock, say so, then wait.
int holdLock(const QString &path) {
    LockFileGuard guard(path);
    const bool claimed = guard.claim();
    fputs(claimed ? "claimed\n" : "refused\n", stdout);
    fflush(stdout);
    if (claimed)
        QThread::sleep(30);
    return claimed ? 0 : 1;
}

QProcess *startHolder(const QString &path, QObject *parent) {
    auto *process = new QProcess(parent);
    process->start(QCoreApplication::applicationFilePath(), {"--hold", path});
    return process;
}

} // namespace

class TestInstanceGuard : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString lockPath() const { return dir.filePath("HexacleFree.lock"); }

private slots:
    void secondClaimIsRefused() {
        LockFileGuard first(lockPath());
        QVERIFY(first.claim());
        QVERIFY(first.claim()); // the holder may ask again
        LockFileGuard second(lockPath());
        QVERIFY(!second.claim());
    }

    void releasedWhenTheHolderGoes() {
        {
            LockFileGuard first(lockPath());
            QVERIFY(first.claim());
        }
        LockFileGuard next(lockPath());
        QVERIFY(next.claim());
    }

    void otherProcessHoldsIt() {
        QProcess *holder = startHolder(lockPath(), this);
        QVERIFY(holder->waitForReadyRead(10000));
        QCOMPARE(holder->readAll().trimmed(), QByteArray("claimed"));
        LockFileGuard mine(lockPath());
        QVERIFY(!mine.claim());

        // A killed copy leaves its lock file behind; it must not count.
        holder->kill();
        QVERIFY(holder->waitForFinished(10000));
        QVERIFY(QFile::exists(lockPath()));
        QVERIFY(mine.claim());
    }

    void tenAtOnceLeaveOne() {
        QList<QProcess *> copies;
        for (int i = 0; i < 10; ++i)
            copies << startHolder(lockPath(), this);
        int claimed = 0;
        int refused = 0;
        for (QProcess *copy : copies) {
            QVERIFY(copy->waitForReadyRead(20000));
            const QByteArray answer = copy->readAll().trimmed();
            claimed += answer == "claimed";
            refused += answer == "refused";
        }
        QCOMPARE(claimed, 1);
        QCOMPARE(refused, 9);
        for (QProcess *copy : copies) {
            copy->kill();
            copy->waitForFinished(10000);
        }
    }
};

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--hold")
        return holdLock(QString::fromLocal8Bit(argv[2]));
    TestInstanceGuard test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_instance_guard.moc"
