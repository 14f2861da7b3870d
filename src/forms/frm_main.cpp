// SPDX-License-Identifier: MIT

#include "forms/frm_main.h"

#include "forms/form_window.h"
#include "forms/frm_about.h"
#include "forms/frm_main_layout.h"
#include "links/link_wiring.h"
#include "reading/changing_lines.h"
#include "reading/querent.h"
#include "reading/spoken_text.h"
#include "texts/hexagram_catalogue.h"

#include <QAction>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

namespace hexacle {

FrmMain::FrmMain(const Platform &platform, QObject *parent)
    : Form(frmMainLayout(), parent), platform_(platform) {}

layout::BuildLater FrmMain::controlsForLater() const {
    // The lower band shows only after the sixth toss: the window appears
    // without waiting for it.
    return [](const layout::Control &c) { return !c.container && c.top >= kLowerBandTop; };
}

void FrmMain::connectHandlers() {
    connect(window()->control<QPushButton>(QStringLiteral("cmdToss")), &QPushButton::clicked, this,
            &FrmMain::cmdToss_Click);
    window()->whenBuilt(QStringLiteral("cmdStartAgain"), [this](QWidget *button) {
        connect(static_cast<QPushButton *>(button), &QPushButton::clicked, this,
                &FrmMain::cmdStartAgain_Click);
    });
    window()->whenBuilt(QStringLiteral("cmdExit_1"), [this](QWidget *button) {
        connect(static_cast<QPushButton *>(button), &QPushButton::clicked, this,
                [this] { cmdExit_Click(1); });
    });
    connect(window(), &FormWindow::laterControlsBuilt, this, &FrmMain::applyLowerBand);
    connect(window()->menuAction(QStringLiteral("mnuStart")), &QAction::triggered, this,
            &FrmMain::mnuStart_Click);
    connect(window()->menuAction(QStringLiteral("mnuExit")), &QAction::triggered, this,
            &FrmMain::mnuExit_Click);
    connect(window()->menuAction(QStringLiteral("mnuAbout")), &QAction::triggered, this,
            [this] { FrmAbout(platform_).Show(window()); });
    connectPageLinks(window(), u"FrmMain", PageOpeners(platform_.browser));
}

void FrmMain::Form_Load() {
    window()->setOuterGeometry(frmMainOpening());
    showLowerBand(false);
    name_ = querent_ ? querent_->userName() : QString();
    question_ = querent_ ? querent_->userQuestion() : QString();
    layout::showText(window()->control<QPlainTextEdit>(QStringLiteral("txtUserInfo")),
                     querentInfo(name_, question_));
}

void FrmMain::Form_Unload() {
    marksArray.fill(0);
    if (closingToStartAgain_) {
        closingToStartAgain_ = false;
        return;
    }
    emit exitPath();
}

void FrmMain::cmdStartAgain_Click() {
    if (!isOpen())
        return;
    tossCount = 0;
    for (int number = 1; number <= 12; ++number) {
        label(number)->clear();
        label(number)->setAccessibleDescription(QString());
    }
    emit querentWanted();
    if (!isOpen())
        return; // the Querent window ended the run instead
    closingToStartAgain_ = true;
    Close();
}

void FrmMain::cmdExit_Click(int) {
    Close();
}

void FrmMain::cmdToss_Click() {
    // A disabled button takes no press, not even one whose Alt+T animation
    // was still running when the sixth toss disabled it.
    if (!isOpen() || !window()->control<QPushButton>(QStringLiteral("cmdToss"))->isEnabled())
        return;
    lineTotal = 0;
    platform_.random->reseedFromClock();
    for (int coin = 0; coin < 3; ++coin) {
        const CoinFace face = coinFaceFor(platform_.random->next());
        showCoin(coin, face);
        lineTotal = static_cast<qint16>(lineTotal + coinCount(face));
    }
    marksArray[static_cast<std::size_t>(tossCount)] = lineTotal;
    lineTotal = 0;
    if (tossCount >= 5) {
        window()->control<QPushButton>(QStringLiteral("cmdToss"))->setEnabled(false);
        showLowerBand(true);
        window()->setOuterGeometry(frmMainComplete());
        tossCount = 5;
    } else {
        ++tossCount;
    }
    DisplayChangedLines(marksArray);
}

void FrmMain::showLowerBand(bool shown) {
    lowerBandShown_ = shown;
    if (shown)
        window()->buildLater();
    applyLowerBand();
}

void FrmMain::applyLowerBand() {
    // Out of view while the window is short: kept out of the Tab order and
    // from screen readers too, so the focus never goes where no one sees it.
    const int top = layout::toPixels(kLowerBandTop);
    const auto controls = window()->client()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *control : controls)
        if (control->y() >= top)
            control->setVisible(lowerBandShown_);
}

void FrmMain::showCoin(int index, CoinFace face) {
    const QString path =
        platform_.folder->path() + (face == CoinFace::Heads ? QLatin1String("/pics/heads.gif")
                                                            : QLatin1String("/pics/tails.gif"));
    auto *picture = window()->control<QLabel>(QStringLiteral("picCoin_%1").arg(index));
    // Read from disk each time, never from a cache; a picture that cannot be
    // read leaves the coin as it was, and so what a screen reader says of it.
    const QPixmap pixmap = layout::loadPicture(path, picture->devicePixelRatioF());
    if (pixmap.isNull())
        return;
    picture->setPixmap(pixmap);
    picture->resize(pixmap.deviceIndependentSize().toSize());
    picture->setAccessibleName(coinFaceName(face));
}

QLabel *FrmMain::label(int number) const {
    return window()->control<QLabel>(QStringLiteral("Label%1").arg(number));
}

void FrmMain::DisplayChangedLines(MarksArray &marks) {
    if (!isOpen())
        return;
    const RefreshPass pass = refreshFrom(marks);
    for (int line = 1; line <= kLinesPerHexagram; ++line) {
        const auto &glyphs = pass.glyphs[static_cast<std::size_t>(line - 1)];
        if (!glyphs)
            continue;
        // Line 1 is the lowest label of each figure: Label6 on the left, Label7 on the right.
        const LineValue value = marks[static_cast<std::size_t>(line - 1)];
        label(7 - line)->setText(glyphs->primary);
        label(7 - line)->setAccessibleDescription(primaryLineDescription(line, value));
        label(6 + line)->setText(glyphs->second);
        label(6 + line)->setAccessibleDescription(secondLineDescription(line, value));
    }
    layout::showText(window()->control<QPlainTextEdit>(QStringLiteral("txtChangeLines")),
                     pass.report);
    Find_Hexagrams1(pass.digits.Bottom_H1, pass.digits.Top_H1);
    Find_Hexagrams2(pass.digits.Bottom_H2, pass.digits.Top_H2);
}

QString FrmMain::Find_Hexagrams1(const TrigramDigits &Bottom_H1, const TrigramDigits &Top_H1) {
    const QString key = hexagramKey(Bottom_H1, Top_H1);
    Display_Judgement(key);
    return key;
}

QString FrmMain::Find_Hexagrams2(const TrigramDigits &Bottom_H2, const TrigramDigits &Top_H2) {
    return hexagramKey(Bottom_H2, Top_H2);
}

void FrmMain::Display_Judgement(const QString &strVal) {
    const HexagramEntry *entry = HexagramCatalogue::lookup(strVal);
    if (!entry || !isOpen())
        return;
    window()->control<QLabel>(QStringLiteral("lblJudgement"))->setText(entry->title);
    layout::showText(window()->control<QPlainTextEdit>(QStringLiteral("txtJudgement")),
                     entry->judgement);
    layout::showText(window()->control<QPlainTextEdit>(QStringLiteral("txtImage")), entry->image);
}

} // namespace hexacle
