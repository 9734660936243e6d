// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/PageOutput.h"

#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QPainter>

namespace duplikon {

QImage pageImage(const BoardPage &page)
{
    const int dpi = 1440 / kClipboardTwipsPerPixel;
    QImage image(kPageWidthTwips / kClipboardTwipsPerPixel, kPageHeightTwips / kClipboardTwipsPerPixel,
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter p(&image);
    composePage(p, 1.0 / kClipboardTwipsPerPixel, kClipboardFrameLineWidth, page);
    p.end();
    return image;
}

void SeiteInAblage(const BoardPage &page, Platform &platform)
{
    platform.clipboard->clear();
    platform.clipboard->setImage(pageImage(page));
    platform.dialogs->message(QCoreApplication::translate("duplikon::PageOutput", "Zwischenablage"),
                              QCoreApplication::translate("duplikon::PageOutput",
                                      "Die Seite wurde in die Ablage kopiert ...\r\r"),
                              MsgIcon::None);
}

bool SeiteDrucken(const BoardPage &page, Platform &platform)
{
    QString error;
    const bool printed = platform.printer->printPage(
        QStringLiteral("Duplikon"),
        [&page](QPainter &p, double devicePerTwip) { composePage(p, devicePerTwip, kPrinterFrameLineWidth, page); },
        &error);
    if (!printed) {
        if (error.isEmpty())
            error = QCoreApplication::translate("duplikon::PageOutput",
                    "Der Drucker hat den Auftrag nicht angenommen.");
        platform.dialogs->message(QCoreApplication::translate("duplikon::PageOutput", "Drucken"),
                                  QCoreApplication::translate("duplikon::PageOutput",
                                          "Die Seite konnte nicht gedruckt werden.\r\r%1\r\r")
                                      .arg(error),
                                  MsgIcon::Exclamation);
        return false;
    }
    platform.dialogs->message(QCoreApplication::translate("duplikon::PageOutput", "Drucken"),
                              QCoreApplication::translate("duplikon::PageOutput",
                                      "Die aktuelle Seite wird gedruckt ...  \r\r"),
                              MsgIcon::None);
    return true;
}

} // namespace duplikon
