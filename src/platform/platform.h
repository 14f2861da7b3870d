// SPDX-License-Identifier: MIT

#pragma once

// The outside world as the program sees it. Every window and routine reaches
// the clock, the random source, message boxes, the browser and the program
// folder through these interfaces, handed in at start-up, so tests can stand
// in for each of them.

#include <QDate>
#include <QString>
#include <QUrl>

class QWidget;

namespace hexacle {

// Uniform numbers in [0, 1), reseedable from a high-resolution clock.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseedFromClock() = 0;
    virtual double next() = 0;
};

// Modal message boxes. Texts may separate their lines with "\r" or "\r\n".
class MessageBoxes {
public:
    enum class Icon { None, Information };
    virtual ~MessageBoxes() = default;
    // One OK button.
    virtual void inform(QWidget *parent, const QString &caption, const QString &text,
                        Icon icon) = 0;
    // Yes and No, Yes the default, information icon. True for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &caption, const QString &text) = 0;
};

// Hands an address to the desktop's default browser and forgets it.
class Browser {
public:
    virtual ~Browser() = default;
    virtual void open(const QUrl &address) = 0;
};

class Calendar {
public:
    virtual ~Calendar() = default;
    virtual QDate today() const = 0;
};

// The folder of the running executable, without a trailing separator.
class ProgramFolder {
public:
    virtual ~ProgramFolder() = default;
    virtual QString path() const = 0;
};

// The running program's file name without its extension. Links are resolved,
// so a launcher link gives the name of the program it leads to.
class ProgramName {
public:
    virtual ~ProgramName() = default;
    virtual QString name() const = 0;
};

// Where the per-user settings store lives: the path of its INI file, or the
// empty text for the platform's native per-user store (the registry on Windows),
// and the application name its entries are filed under.
class SettingsLocation {
public:
    virtual ~SettingsLocation() = default;
    virtual QString iniFile() const = 0;
    virtual QString applicationName() const = 0;
};

// The services one run of the program uses. Not owned.
struct Platform {
    RandomSource *random = nullptr;
    MessageBoxes *messages = nullptr;
    Browser *browser = nullptr;
    Calendar *calendar = nullptr;
    ProgramFolder *folder = nullptr;
    SettingsLocation *settings = nullptr;
};

} // namespace hexacle
