// SPDX-License-Identifier: MIT

#include "windows/frm_main.h"

#include "layout/build.h"
#include "layout/form_window.h"
#include "layout/link_label.h"
#include "layout/pictures.h"
#include "reading/changing_lines.h"
#include "reading/querent.h"
#include "reading/spoken_text.h"
#include "texts/hexagram_catalogue.h"
#include "windows/frm_about.h"
#include "windows/frm_main_layout.h"
#include "windows/page_links.h"

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
    const FormWindow &w = *window();
    ui_ = Controls{};
    ui_.cmdToss = w.require<QPushButton>(QStringLiteral("cmdToss"));
    for (int index = 0; index < 3; ++index)
        ui_.picCoin[std::size_t(index)] =
            w.require<QLabel>(QStringLiteral("picCoin_%1").arg(index));
    for (int number = 1; number <= 12; ++number)
        ui_.lineLabels[std::size_t(number - 1)] =
            w.require<QLabel>(QStringLiteral("Label%1").arg(number));
    ui_.txtUserInfo = w.require<QPlainTextEdit>(QStringLiteral("txtUserInfo"));
    ui_.mnuStart = w.requireMenu(QStringLiteral("mnuStart"));
    ui_.mnuExit = w.requireMenu(QStringLiteral("mnuExit"));
    ui_.mnuAbout = w.requireMenu(QStringLiteral("mnuAbout"));

    connect(ui_.cmdToss, &QPushButton::clicked, this, &FrmMain::cmdToss_Click);
    connect(ui_.mnuStart, &QAction::triggered, this, &FrmMain::mnuStart_Click);
    connect(ui_.mnuExit, &QAction::triggered, this, &FrmMain::mnuExit_Click);
    connect(ui_.mnuAbout, &QAction::triggered, this, &FrmMain::mnuAbout_Click);
    connectPageLinks(w, PageOpeners(platform_.browser));
    w.whenBuilt(QStringLiteral("cmdStartAgain"), [this](QWidget *) { bindLowerBand(); });
}

void FrmMain::bindLowerBand() {
    const FormWindow &w = *window();
    ui_.cmdStartAgain = w.require<QPushButton>(QStringLiteral("cmdStartAgain"));
    ui_.cmdExit = w.require<QPushButton>(QStringLiteral("cmdExit_1"));
    ui_.lblJudgement = w.require<QLabel>(QStringLiteral("lblJudgement"));
    ui_.txtChangeLines = w.require<QPlainTextEdit>(QStringLiteral("txtChangeLines"));
    ui_.txtJudgement = w.require<QPlainTextEdit>(QStringLiteral("txtJudgement"));
    ui_.txtImage = w.require<QPlainTextEdit>(QStringLiteral("txtImage"));
    // The controls of the client area itself that lie below the opening height.
    const auto &rows = w.table().controls;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (!rows[i].container && rows[i].top >= kLowerBandTop)
            ui_.lowerBand.push_back(w.built().controls[i]);

    connect(ui_.cmdStartAgain, &QPushButton::clicked, this, &FrmMain::cmdStartAgain_Click);
    connect(ui_.cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(1); });
    applyLowerBand();
}

void FrmMain::Form_Load() {
    window()->setOuterGeometry(frmMainOpening());
    showLowerBand(false);
    name_ = querent_ ? querent_->userName() : QString();
    question_ = querent_ ? querent_->userQuestion() : QString();
    layout::showText(ui_.txtUserInfo, querentInfo(name_, question_));
}

void FrmMain::Form_Unload() {
    ui_ = Controls{}; // the window is gone
    marksArray_.fill(0);
    if (closingToStartAgain_) {
        closingToStartAgain_ = false;
        return;
    }
    emit exitPath();
}

void FrmMain::bringOfferToFront(qint16 coBrandNumber) {
    if (!isOpen())
        return;
    // Tab reaches only the offer in front. The labels may be built later.
    window()->whenBuilt(coBrandNumber % 2 != 0 ? QStringLiteral("lblCobrand")
                                               : QStringLiteral("lblFullBrand"),
                        &layout::bringToFront);
}

void FrmMain::cmdStartAgain_Click() {
    if (!isOpen())
        return;
    tossCount_ = 0;
    for (QLabel *line : ui_.lineLabels) {
        line->clear();
        line->setAccessibleDescription(QString());
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

void FrmMain::mnuAbout_Click() {
    FrmAbout(platform_).Show(window());
}

void FrmMain::cmdToss_Click() {
    // A disabled button takes no press, not even one whose Alt+T animation
    // was still running when the sixth toss disabled it.
    if (!isOpen() || !ui_.cmdToss->isEnabled())
        return;
    lineTotal_ = 0;
    platform_.random->reseedFromClock();
    for (int coin = 0; coin < 3; ++coin) {
        const CoinFace face = coinFaceFor(platform_.random->next());
        showCoin(coin, face);
        lineTotal_ = static_cast<qint16>(lineTotal_ + coinCount(face));
    }
    marksArray_[static_cast<std::size_t>(tossCount_)] = lineTotal_;
    lineTotal_ = 0;
    if (tossCount_ >= 5) {
        ui_.cmdToss->setEnabled(false);
        showLowerBand(true);
        window()->setOuterGeometry(frmMainComplete());
        tossCount_ = 5;
    } else {
        ++tossCount_;
    }
    DisplayChangedLines(marksArray_);
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
    for (QWidget *control : ui_.lowerBand)
        control->setVisible(lowerBandShown_);
}

void FrmMain::showCoin(int index, CoinFace face) {
    const QString path =
        platform_.folder->path() + (face == CoinFace::Heads ? QLatin1String("/pics/heads.gif")
                                                            : QLatin1String("/pics/tails.gif"));
    QLabel *picture = ui_.picCoin[std::size_t(index)];
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
    return ui_.lineLabels[std::size_t(number - 1)];
}

void FrmMain::DisplayChangedLines(MarksArray &marks) {
    if (!isOpen())
        return;
    window()->buildLater(); // the report and the texts stand in the lower band
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
    layout::showText(ui_.txtChangeLines, pass.report);
    Find_Hexagrams1(pass.digits.Bottom_H1, pass.digits.Top_H1);
    Find_Hexagrams2(pass.digits.Bottom_H2, pass.digits.Top_H2);
}

void FrmMain::Find_Hexagrams1(const TrigramDigits &Bottom_H1, const TrigramDigits &Top_H1) {
    Display_Judgement(hexagramKey(Bottom_H1, Top_H1));
}

void FrmMain::Find_Hexagrams2(const TrigramDigits &Bottom_H2, const TrigramDigits &Top_H2) {
    // The second hexagram is seen only as its figure: its key is built and
    // goes nowhere, and no text is shown for it.
    [[maybe_unused]] const QString key = hexagramKey(Bottom_H2, Top_H2);
}

void FrmMain::Display_Judgement(const QString &strVal) {
    const HexagramEntry *entry = HexagramCatalogue::lookup(strVal);
    if (!entry || !isOpen())
        return;
    ui_.lblJudgement->setText(entry->title);
    layout::showText(ui_.txtJudgement, entry->judgement);
    layout::showText(ui_.txtImage, entry->image);
}

} // namespace hexacle
