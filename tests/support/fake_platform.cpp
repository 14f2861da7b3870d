// SPDX-License-Identifier: MIT

#include "support/fake_platform.h"

#include <QDir>
#include <QFile>

namespace hexacle::test {

double ScriptedRandom::next() {
    if (script.empty())
        return 0.0;
    const double r = script.front();
    script.pop_front();
    return r;
}

void ScriptedRandom::pushLine(int value) {
    const int heads = value - 6; // 6 = three tails, 9 = three heads
    for (int coin = 0; coin < 3; ++coin)
        push({coin < heads ? 0.9 : 0.1});
}

void ScriptedMessageBoxes::inform(QWidget *, const QString &caption, const QString &text,
                                  Icon icon) {
    shown.append({caption, text, icon, false});
    if (onShown)
        onShown(shown.back());
}

bool ScriptedMessageBoxes::askYesNo(QWidget *, const QString &caption, const QString &text) {
    shown.append({caption, text, Icon::Information, true});
    if (onShown)
        onShown(shown.back());
    if (answers.empty())
        return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
}

TemporaryProgramFolder::TemporaryProgramFolder() {
    QDir(dir.path()).mkpath(QStringLiteral("pics"));
    for (const char *name : {"heads.gif", "tails.gif"})
        QFile::copy(QStringLiteral(HEXACLE_SOURCE_DIR "/assets/pics/") + QLatin1String(name),
                    picture(QLatin1String(name)));
}

QString TemporaryProgramFolder::picture(const QString &name) const {
    return dir.path() + QLatin1String("/pics/") + name;
}

TemporarySettingsLocation::TemporarySettingsLocation()
    : file(dir.path() + QLatin1String("/config/HexacleFree/HexacleFree.ini")) {}

} // namespace hexacle::test
