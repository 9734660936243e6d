// SPDX-License-Identifier: GPL-3.0-or-later
// The settings added to the design: which file wins, what an administrator
// fixes, damaged files, and storing a user's value.
#include "platform/ExtraSettings.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace duplikon;

namespace {
struct Files {
    QTemporaryDir dir;
    ExtraSettingsFiles files{dir.filePath(QStringLiteral("home/duplikon/duplikon.conf")),
                             {dir.filePath(QStringLiteral("xdg1/duplikon/duplikon.conf")),
                              dir.filePath(QStringLiteral("xdg2/duplikon/duplikon.conf"))}};
    void write(const QString &path, const QByteArray &text) const
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QByteArray read(const QString &path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};
} // namespace

class ExtraSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void precedenceFromDefaultToFixedValue()
    {
        Files f;
        ExtraSettingsValues v = readExtraSettings(f.files);
        QVERIFY(!v.tapPlay && !v.tapPlayFixed && !v.windowSizeFixed && !v.editorOff && !v.settingsOff);
        QCOMPARE(v.windowSize, WindowSize::Normal);

        // An administrator's defaults: the earlier folder wins; the locks
        // count only in [Fest].
        f.write(f.files.system.at(1), "[Duplikon]\nAntippen=true\nFenstergroesse=150\n");
        f.write(f.files.system.at(0), "[Duplikon]\nFenstergroesse=200\nEditorAus=true\n");
        v = readExtraSettings(f.files);
        QVERIFY(v.tapPlay && !v.tapPlayFixed && !v.editorOff);
        QCOMPARE(v.windowSize, WindowSize::Double);

        // The user's values beat them; a [Fest] of the user's own is ignored.
        f.write(f.files.user, "[Duplikon]\nAntippen=false\nFenstergroesse=bildschirm\n"
                              "[Fest]\nAntippen=true\nEditorAus=true\nEinstellungenAus=true\n");
        v = readExtraSettings(f.files);
        QVERIFY(!v.tapPlay && !v.tapPlayFixed && !v.editorOff && !v.settingsOff);
        QCOMPARE(v.windowSize, WindowSize::Screen);

        // Fixed values beat everything, the earlier folder first; a value
        // that is none of the key's values fixes nothing.
        f.write(f.files.system.at(1), "[Fest]\nFenstergroesse=100\nAntippen=ja\nEinstellungenAus=true\n");
        f.write(f.files.system.at(0), "[Duplikon]\nAntippen=true\n[Fest]\nFenstergroesse=150\nEditorAus=true\n");
        v = readExtraSettings(f.files);
        QVERIFY(!v.tapPlay && !v.tapPlayFixed);
        QVERIFY(v.windowSizeFixed && v.editorOff && v.settingsOff);
        QCOMPARE(v.windowSize, WindowSize::OneAndAHalf);
    }

    void aDamagedFileIsIgnoredAsAWholeAndNeverOverwritten()
    {
        Files f;
        f.write(f.files.system.at(0), "[Fest\nEditorAus=true\nEinstellungenAus=true\n");
        const QByteArray damaged = "[Duplikon\nAntippen=true\nFenstergroesse=200\n";
        f.write(f.files.user, damaged);
        ExtraSettings s(f.files);
        QVERIFY(!s.tapPlay() && !s.editorOff() && !s.settingsOff());
        QCOMPARE(s.windowSize(), WindowSize::Normal);

        QString error;
        QVERIFY(!s.setTapPlay(true, &error));
        QVERIFY2(error.contains(QStringLiteral("beschädigt")), qPrintable(error));
        QVERIFY(!s.tapPlay());
        QCOMPARE(f.read(f.files.user), damaged);
    }

    void storingTheUsersValue()
    {
        Files f;
        f.write(f.files.system.at(0), "[Fest]\nFenstergroesse=150\n");
        ExtraSettings s(f.files);
        QSignalSpy changed(&s, &ExtraSettings::tapPlayChanged);
        QString error;
        // The user's folder is made; a fixed value is left alone.
        QVERIFY(s.setTapPlay(true, &error) && s.setWindowSize(WindowSize::Double, &error));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toBool(), true);
        QVERIFY(s.tapPlay());
        QCOMPARE(s.windowSize(), WindowSize::OneAndAHalf);
        const QByteArray stored = f.read(f.files.user);
        QVERIFY2(stored.contains("[Duplikon]\nAntippen=true\n") && !stored.contains("Fenstergroesse"), stored);
        QVERIFY(readExtraSettings(f.files).tapPlay);
    }

    void filesFromTheEnvironment()
    {
        qputenv("XDG_CONFIG_HOME", "/home/lehrer/konf");
        qputenv("XDG_CONFIG_DIRS", "/etc/schule:relativ::/etc/xdg");
        ExtraSettingsFiles files = ExtraSettingsFiles::fromEnvironment();
        QCOMPARE(files.user, QStringLiteral("/home/lehrer/konf/duplikon/duplikon.conf"));
        QCOMPARE(files.system, QStringList({QStringLiteral("/etc/schule/duplikon/duplikon.conf"),
                                            QStringLiteral("/etc/xdg/duplikon/duplikon.conf")}));
        qputenv("XDG_CONFIG_HOME", "");
        qunsetenv("XDG_CONFIG_DIRS");
        files = ExtraSettingsFiles::fromEnvironment();
        QCOMPARE(files.user, QDir::homePath() + QStringLiteral("/.config/duplikon/duplikon.conf"));
        QCOMPARE(files.system, QStringList(QStringLiteral("/etc/xdg/duplikon/duplikon.conf")));
    }
};

QTEST_GUILESS_MAIN(ExtraSettingsTest)
#include "ExtraSettingsTest.moc"
