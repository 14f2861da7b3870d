// SPDX-License-Identifier: MIT

#pragma once

#include "forms/form.h"
#include "platform/platform.h"
#include "reading/casting.h"
#include "reading/derivation.h"

#include <QObject>
#include <QPointer>

class QLabel;

namespace hexacle {

// Where the Reading window takes the querent's name and question from.
class QuerentSource {
public:
    virtual ~QuerentSource() = default;
    virtual QString userName() const = 0;
    virtual QString userQuestion() const = 0;
};

// The Reading window. The object lives for the whole run and keeps the
// reading's state; its on-screen window is built afresh at each opening.
class FrmMain : public Form {
    Q_OBJECT
public:
    explicit FrmMain(const Platform &platform, QObject *parent = nullptr);

    void setQuerentSource(const QuerentSource *querent) { querent_ = querent; }

    // State of the reading, kept while the window is closed.
    MarksArray marksArray{};
    qint16 tossCount = 0;
    qint16 lineTotal = 0;

    void Form_Load() override;
    void Form_Unload() override;
    void cmdToss_Click();
    void cmdStartAgain_Click();
    void mnuStart_Click() { cmdStartAgain_Click(); }
    void cmdExit_Click(int index);
    void mnuExit_Click() { Close(); }

    void DisplayChangedLines(MarksArray &marks);
    // Both return the key they built; only the primary one is looked up.
    QString Find_Hexagrams1(const TrigramDigits &Bottom_H1, const TrigramDigits &Top_H1);
    QString Find_Hexagrams2(const TrigramDigits &Bottom_H2, const TrigramDigits &Top_H2);
    void Display_Judgement(const QString &strVal);

signals:
    // Start Again wants the Querent window shown, before this window closes.
    void querentWanted();
    // The window closed other than by Start Again: the program is to end.
    void exitPath();

private:
    void showCoin(int index, CoinFace face);
    void showLowerBand(bool shown);
    void applyLowerBand();
    layout::BuildLater controlsForLater() const override;
    QLabel *label(int number) const;
    void connectHandlers() override;

    Platform platform_;
    const QuerentSource *querent_ = nullptr;
    bool closingToStartAgain_ = false;
    bool lowerBandShown_ = false;
    QString name_;
    QString question_;
};

} // namespace hexacle
