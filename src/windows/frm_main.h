// SPDX-License-Identifier: MIT

#pragma once

#include "platform/platform.h"
#include "reading/casting.h"
#include "reading/derivation.h"
#include "windows/form.h"

#include <QObject>

#include <array>
#include <vector>

class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;

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
    const MarksArray &marksArray() const { return marksArray_; }
    qint16 tossCount() const { return tossCount_; }
    qint16 lineTotal() const { return lineTotal_; }

    // Odd: the co-branding offer (lblCobrand) in front; even: the fully
    // branded one (lblFullBrand). Nothing while the window is closed.
    void bringOfferToFront(qint16 coBrandNumber);

signals:
    // Start Again wants the Querent window shown, before this window closes.
    void querentWanted();
    // The window closed other than by Start Again: the program is to end.
    void exitPath();

private slots:
    void cmdToss_Click();
    void cmdStartAgain_Click();
    void mnuStart_Click() { cmdStartAgain_Click(); }
    void cmdExit_Click(int index);
    void mnuExit_Click() { Close(); }
    void mnuAbout_Click();

private:
    // The controls of the open window, resolved once when they are built: the
    // upper band with the window, the lower band (from lblJudgement on) right
    // after the window first paints, or at the first toss if that is sooner.
    struct Controls {
        QPushButton *cmdToss = nullptr;
        QPushButton *cmdStartAgain = nullptr;
        QPushButton *cmdExit = nullptr; // index 1 of its group, the only one
        std::array<QLabel *, 3> picCoin{};
        std::array<QLabel *, 12> lineLabels{}; // Label1 to Label12
        QLabel *lblJudgement = nullptr;
        QPlainTextEdit *txtUserInfo = nullptr;
        QPlainTextEdit *txtChangeLines = nullptr;
        QPlainTextEdit *txtJudgement = nullptr;
        QPlainTextEdit *txtImage = nullptr;
        QAction *mnuStart = nullptr;
        QAction *mnuExit = nullptr;
        QAction *mnuAbout = nullptr;
        // Below the window's opening height: the results and the buttons.
        std::vector<QWidget *> lowerBand;
    };

    layout::BuildLater controlsForLater() const override;
    void connectHandlers() override;
    void bindLowerBand();
    void applyLowerBand();
    void Form_Load() override;
    void Form_Unload() override;

    void DisplayChangedLines(MarksArray &marks);
    void Find_Hexagrams1(const TrigramDigits &Bottom_H1, const TrigramDigits &Top_H1);
    void Find_Hexagrams2(const TrigramDigits &Bottom_H2, const TrigramDigits &Top_H2);
    void Display_Judgement(const QString &strVal);

    void showCoin(int index, CoinFace face);
    void showLowerBand(bool shown);
    // Label1 to Label12.
    QLabel *label(int number) const;

    MarksArray marksArray_{};
    qint16 tossCount_ = 0;
    qint16 lineTotal_ = 0;

    Platform platform_;
    const QuerentSource *querent_ = nullptr;
    Controls ui_;
    bool lowerBandShown_ = false;
    bool closingToStartAgain_ = false;
    QString name_;
    QString question_;
};

} // namespace hexacle
