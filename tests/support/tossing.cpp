// SPDX-License-Identifier: MIT

#include "support/tossing.h"

#include <QPushButton>
#include <QTest>

namespace hexacle::test {

namespace {

void tossOnce(const FormWindow *reading, ScriptedRandom &random, int value) {
    auto *toss = reading->control<QPushButton>(QStringLiteral("cmdToss"));
    QVERIFY(toss);
    random.pushLine(value);
    QTest::mouseClick(toss, Qt::LeftButton);
}

} // namespace

void tossLines(const FormWindow *reading, ScriptedRandom &random,
               std::initializer_list<int> values) {
    for (int value : values)
        tossOnce(reading, random, value);
}

void tossLines(const FormWindow *reading, ScriptedRandom &random, int value, int times) {
    for (int toss = 0; toss < times; ++toss)
        tossOnce(reading, random, value);
}

} // namespace hexacle::test
