// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Dialogs.h"

#include "platform/NamePicker.h"

#include <QCoreApplication>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace duplikon {

namespace {
QWidget *dialogParent()
{
    QWidget *w = QApplication::activeWindow();
    if (w && w->isVisible())
        return w;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->isWindow() && !top->inherits("QMenu"))
            return top;
    return nullptr;
}

QMessageBox::Icon toQt(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

QString QtDialogs::displayText(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    while (t.endsWith(QLatin1Char('\n')))
        t.chop(1);
    return t;
}

void QtDialogs::message(const QString &title, const QString &text, MsgIcon icon)
{
    QMessageBox box(toQt(icon), title, displayText(text), QMessageBox::Ok, dialogParent());
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(QCoreApplication::translate("duplikon::Dialogs", "OK"));
    box.exec();
}

bool QtDialogs::askYesNo(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, displayText(text),
                    QMessageBox::Yes | QMessageBox::No, dialogParent());
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("duplikon::Dialogs", "Ja"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("duplikon::Dialogs", "Nein"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::input(const QString &title, const QString &prompt, const QString &defaultText)
{
    QInputDialog dlg(dialogParent());
    dlg.setWindowTitle(title);
    dlg.setLabelText(displayText(prompt));
    dlg.setTextValue(defaultText);
    dlg.setOkButtonText(QCoreApplication::translate("duplikon::Dialogs", "OK"));
    dlg.setCancelButtonText(QCoreApplication::translate("duplikon::Dialogs", "Abbrechen"));
    if (dlg.exec() != QDialog::Accepted)
        return QString();
    return dlg.textValue();
}

QStringList QtDialogs::openFiles(const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileNames(dialogParent(), title, QString(), filter);
}

QString QtDialogs::saveFile(const QString &title, const QString &filter, const QString &suggested,
                            const QString &defaultSuffix)
{
    QFileDialog dialog(dialogParent(), title, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

int QtDialogs::chooseName(const QString &title, const QStringList &names)
{
    NamePicker picker(title, names, dialogParent());
    picker.exec();
    return picker.chosen() == NamePicker::kOtherName ? kOtherName : picker.chosen();
}

} // namespace duplikon
