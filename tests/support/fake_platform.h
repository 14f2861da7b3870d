// SPDX-License-Identifier: MIT

#pragma once

// Stand-ins for the outside world: scripted coins, a message box that answers
// from a script and records what it was asked, a recording browser, a fixed
// calendar and a program folder that tests choose.

#include "platform/instance_guard.h"
#include "platform/platform.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <deque>
#include <functional>

namespace hexacle::test {

class ScriptedRandom final : public RandomSource {
public:
    void reseedFromClock() override { ++reseeds; }
    // Draws from the script; 0.0 (tails) once it runs out.
    double next() override;
    void push(std::initializer_list<double> draws) { script.insert(script.end(), draws); }
    // Three coins for one line value: 6, 7, 8 or 9 (heads are drawn first).
    void pushLine(int value);

    std::deque<double> script;
    int reseeds = 0;
};

struct ShownMessage {
    QString caption;
    QString text;
    MessageBoxes::Icon icon;
    bool question;
};

class ScriptedMessageBoxes final : public MessageBoxes {
public:
    void inform(QWidget *parent, const QString &caption, const QString &text, Icon icon) override;
    bool askYesNo(QWidget *parent, const QString &caption, const QString &text) override;

    QList<ShownMessage> shown;
    std::deque<bool> answers; // for questions; No once it runs out
    // Runs while the message is up, as the program waits for it.
    std::function<void(const ShownMessage &)> onShown;
};

class RecordingBrowser final : public Browser {
public:
    void open(const QUrl &address) override { opened.append(address); }
    QList<QUrl> opened;
};

class FixedCalendar final : public Calendar {
public:
    QDate today() const override { return date; }
    QDate date{2026, 12, 7};
};

// A program folder in a temporary directory, with copies of the real coin
// faces under pics/.
class TemporaryProgramFolder final : public ProgramFolder {
public:
    TemporaryProgramFolder();
    QString path() const override { return dir.path(); }
    QString picture(const QString &name) const;
    QTemporaryDir dir;
};

// A settings store in a temporary directory; `file` may be pointed elsewhere.
class TemporarySettingsLocation final : public SettingsLocation {
public:
    TemporarySettingsLocation();
    QString iniFile() const override { return file; }
    QString applicationName() const override { return name; }
    QTemporaryDir dir;
    QString file;
    QString name = QStringLiteral("HexacleFree");
};

// Another copy runs when `free` is false.
class FakeGuard final : public InstanceGuard {
public:
    bool claim() override {
        ++claims;
        return free;
    }
    bool free = true;
    int claims = 0;
};

struct FakePlatform {
    ScriptedRandom random;
    ScriptedMessageBoxes messages;
    RecordingBrowser browser;
    FixedCalendar calendar;
    TemporaryProgramFolder folder;
    TemporarySettingsLocation settings;

    Platform platform() {
        return Platform{&random, &messages, &browser, &calendar, &folder, &settings};
    }
};

} // namespace hexacle::test
