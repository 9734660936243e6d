// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/WorksheetDialog.h"

#include "tasks/Task.h"
#include "editor/EditorHost.h"
#include "editor/PairLists.h"
#include "pictures/SoundHalf.h"
#include "platform/Dialogs.h"
#include "platform/FileLists.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace duplikon {

namespace {

const QSizeF kA4Twips(kSheetWidthTwips, kSheetHeightTwips);
constexpr int kPreviewWidth = 380;
constexpr int kPreviewGap = 12;

} // namespace

WorksheetDialog::WorksheetDialog(QWidget *parent, Platform platform, const QString &programFolder,
                                 const QString &taskName, const QStringList &left, const QStringList &right,
                                 const QFont &cellFont)
    : QDialog(parent), m_platform(platform), m_folder(withTrailingSeparator(programFolder))
{
    setObjectName(QStringLiteral("worksheetDialog"));
    m_taskName = taskName;
    m_sheet.cellFont = cellFont;
    m_sheet.seed = taskSeed(left, right);
    bool sound = false;
    const int pairs = int(qMin(qMin(left.size(), right.size()), qsizetype(kSheetMaxPairs)));
    for (int i = 0; i < pairs; ++i) {
        m_sheet.left << sheetHalf(m_folder, left.at(i));
        m_sheet.right << sheetHalf(m_folder, right.at(i));
        sound = sound || m_sheet.left.last().kind == SheetHalf::Sound || m_sheet.right.last().kind == SheetHalf::Sound;
    }

    auto *kinds = new QGroupBox(this);
    m_kindsBox = kinds;
    auto *kindsLayout = new QVBoxLayout(kinds);
    m_kinds = new QButtonGroup(this);
    const struct { const char *name, *text; WorksheetKind kind; } choices[] = {
        {"kindMatching", QT_TR_NOOP("&Zuordnen"), WorksheetKind::Matching},
        {"kindCards", QT_TR_NOOP("Paar&karten"), WorksheetKind::Cards},
        {"kindAnswerKey", QT_TR_NOOP("&Lösungsblatt"), WorksheetKind::AnswerKey},
    };
    for (const auto &c : choices) {
        auto *radio = new QRadioButton(kinds);
        m_texts.append({radio, c.text});
        radio->setObjectName(QLatin1String(c.name));
        m_kinds->addButton(radio, int(c.kind));
        kindsLayout->addWidget(radio);
    }
    m_kinds->button(int(WorksheetKind::Matching))->setChecked(true);
    connect(m_kinds, &QButtonGroup::idClicked, this, &WorksheetDialog::showPreview);

    auto *soundNote = new QLabel(this);
    m_soundNote = soundNote;
    soundNote->setObjectName(QStringLiteral("soundNote"));
    soundNote->setWordWrap(true);
    soundNote->setVisible(sound);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("sheetStatus"));
    m_status->setWordWrap(true);

    auto *column = new QVBoxLayout;
    column->addWidget(kinds);
    column->addWidget(soundNote);
    column->addWidget(m_status);
    column->addStretch(1);
    const struct { const char *name, *text; void (WorksheetDialog::*slot)(); } buttons[] = {
        {"shuffleAgain", QT_TR_NOOP("&Neu mischen"), &WorksheetDialog::shuffleAgain},
        {"printSheet", QT_TR_NOOP("&Drucken ..."), &WorksheetDialog::print},
        {"savePdf", QT_TR_NOOP("Als &PDF speichern ..."), &WorksheetDialog::savePdf},
        {"closeSheet", QT_TR_NOOP("&Schließen"), &WorksheetDialog::reject},
    };
    for (const auto &b : buttons) {
        auto *button = new QPushButton(this);
        m_texts.append({button, b.text});
        button->setObjectName(QLatin1String(b.name));
        button->setAutoDefault(false); // Enter prints or saves nothing by accident
        connect(button, &QPushButton::clicked, this, b.slot);
        column->addWidget(button);
    }

    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(m_preview);
    scroll->setWidgetResizable(true);
    scroll->setMinimumSize(kPreviewWidth + 2 * kPreviewGap + 24, 560);
    scroll->setBackgroundRole(QPalette::Dark);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(column);
    layout->addWidget(scroll, 1);
    retranslate();
}

void WorksheetDialog::retranslate()
{
    setWindowTitle(tr("Arbeitsblatt"));
    m_sheet.title = m_taskName.isEmpty() ? tr("Arbeitsblatt") : m_taskName;
    m_kindsBox->setTitle(tr("Art des Blattes"));
    for (const auto &[button, text] : std::as_const(m_texts))
        button->setText(tr(text));
    m_soundNote->setText(tr("Ein Ton ist auf Papier nicht zu hören: Auf dem Blatt steht für "
                            "ihn ein Lautsprecher mit dem Namen der Datei."));
    showStatus(m_statusKind, m_statusName);
    showPreview(); // the sheet's own words
}

void WorksheetDialog::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        retranslate();
}

void WorksheetDialog::showStatus(Status kind, const QString &name)
{
    m_statusKind = kind;
    m_statusName = name;
    if (kind == Status::Printing)
        m_status->setText(tr("Das Blatt „%1“ wird gedruckt.").arg(kindName()));
    else if (kind == Status::Saved)
        m_status->setText(tr("Gespeichert: %1").arg(name));
    else
        m_status->clear();
}

void WorksheetDialog::run(QWidget *parent, Platform platform, EditorHost *host, const PairLists *pairs,
                           const QString &taskName)
{
    const QStringList left = pairs->leftHalves(), right = pairs->rightHalves();
    if (left.size() != right.size()) {
        platform.dialogs->message(tr("Fehler in Listen"), tr("Die zwei Listen sind verschieden lang.\r"));
        return;
    }
    if (left.isEmpty()) {
        platform.dialogs->message(tr("Arbeitsblatt"), tr("Die Listen sind leer.\r"));
        return;
    }
    WorksheetDialog dialog(parent, platform, host->programFolder(), taskName, left, right, host->cellFont());
    dialog.exec();
}

quint32 WorksheetDialog::taskSeed(const QStringList &left, const QStringList &right)
{
    // FNV-1a over the entries: stable from run to run.
    quint32 hash = 2166136261u;
    for (const QStringList *list : {&left, &right}) {
        for (const QString &entry : *list) {
            for (const char byte : entry.toUtf8() + '\n') {
                hash ^= quint8(byte);
                hash *= 16777619u;
            }
        }
    }
    return hash % 100000; // a short number to read on the sheet
}

WorksheetKind WorksheetDialog::kind() const
{
    return WorksheetKind(m_kinds->checkedId());
}

QList<SheetPage> WorksheetDialog::pages() const
{
    return layoutWorksheet(kind(), m_sheet);
}

QString WorksheetDialog::kindName() const
{
    return m_kinds->checkedButton()->text().remove(QLatin1Char('&'));
}

void WorksheetDialog::shuffleAgain()
{
    // The next seed whose order differs, where the pairs can differ at all.
    const int pairs = int(m_sheet.left.size());
    const MatchingOrder before = matchingOrder(pairs, m_sheet.seed);
    const QList<int> cardsBefore = cardOrder(pairs, m_sheet.seed);
    for (int tries = 0; tries < 100; ++tries) {
        m_sheet.seed = (m_sheet.seed + 1) % 100000;
        const MatchingOrder after = matchingOrder(pairs, m_sheet.seed);
        if (pairs < 2 || (after.left != before.left && after.right != before.right
                          && cardOrder(pairs, m_sheet.seed) != cardsBefore))
            break;
    }
    showStatus(Status::None);
    showPreview();
}

Printer::DrawNumberedPage WorksheetDialog::drawPages(const QList<SheetPage> &pages) const
{
    return [pages](QPainter &painter, int page, double devicePerTwip) {
        drawSheetPage(painter, pages.at(page), devicePerTwip);
    };
}

void WorksheetDialog::showPreview()
{
    const QList<SheetPage> sheetPages = pages();
    preparePictures(sheetPages);
    const double scale = double(kPreviewWidth) / kSheetWidthTwips;
    const int pageHeight = qRound(kSheetHeightTwips * scale);
    QImage all(kPreviewWidth + 2 * kPreviewGap, int(sheetPages.size()) * (pageHeight + kPreviewGap) + kPreviewGap,
               QImage::Format_RGB32);
    all.fill(palette().color(QPalette::Dark));
    QPainter p(&all);
    for (int i = 0; i < sheetPages.size(); ++i) {
        const QRect paper(kPreviewGap, kPreviewGap + i * (pageHeight + kPreviewGap), kPreviewWidth, pageHeight);
        p.fillRect(paper, Qt::white);
        p.save();
        p.translate(paper.topLeft());
        drawSheetPage(p, sheetPages.at(i), scale);
        p.restore();
    }
    p.end();
    m_preview->setPixmap(QPixmap::fromImage(all));
}

void WorksheetDialog::print()
{
    const QList<SheetPage> sheetPages = pages();
    preparePictures(sheetPages);
    QString error;
    const Printer::Outcome outcome = m_platform.printer->printPages(
        m_sheet.title + QStringLiteral(" - ") + kindName(), kA4Twips, int(sheetPages.size()), drawPages(sheetPages),
        &error);
    if (outcome == Printer::Outcome::Done) {
        showStatus(Status::Printing);
    } else if (outcome == Printer::Outcome::Failed) {
        m_platform.dialogs->message(tr("Drucken"), tr("Das Blatt konnte nicht gedruckt werden:\r%1\r").arg(error),
                                    MsgIcon::Exclamation);
    }
}

void WorksheetDialog::savePdf()
{
    const QString suggested = m_folder + m_sheet.title + QStringLiteral(" - ") + kindName() + QStringLiteral(".pdf");
    // The dialog adds the ending to a name typed without one, before it asks
    // whether to replace a file of that name.
    const QString path = m_platform.dialogs->saveFile(tr("Als PDF speichern"), tr("PDF-Dateien (*.pdf)"), suggested,
                                                      QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    const QList<SheetPage> sheetPages = pages();
    preparePictures(sheetPages);
    QString error;
    const QString name = QFileInfo(path).fileName();
    if (!m_platform.printer->writePdf(path, m_sheet.title, kA4Twips, int(sheetPages.size()), drawPages(sheetPages),
                                      &error)) {
        m_platform.dialogs->message(tr("Als PDF speichern"), tr("%1 konnte nicht gespeichert werden:\r%2\r").arg(name, error),
                                    MsgIcon::Exclamation);
        return;
    }
    showStatus(Status::Saved, name);
}

} // namespace duplikon
