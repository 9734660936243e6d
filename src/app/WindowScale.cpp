// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowScale.h"

#include "app/MainWindow.h"
#include "platform/Geometry.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <vector>

namespace duplikon {

namespace {

// The available area of the primary screen in the logical pixels of an
// application made with this command line and environment.
QSize availableScreenArea(int argc, char **argv)
{
    // The probe may take its own options (-platform, -display) out of the
    // command line; the real application object needs them too.
    std::vector<char *> args(argv, argv + argc);
    args.push_back(nullptr);
    int count = argc;
    QGuiApplication probe(count, args.data());
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize();
}

} // namespace

double screenScale(const QSize &available, const QSize &window)
{
    if (window.isEmpty())
        return 1;
    const double fits = std::min(double(available.width()) / window.width(),
                                 double(available.height()) / window.height());
    return std::max(1.0, std::floor(fits * 4) / 4);
}

double prepareWindowScale(WindowSize size, int argc, char **argv)
{
    double scale = 1;
    switch (size) {
    case WindowSize::Normal:
        return 1;
    case WindowSize::OneAndAHalf:
        scale = 1.5;
        break;
    case WindowSize::Double:
        scale = 2;
        break;
    case WindowSize::Screen:
        scale = screenScale(availableScreenArea(argc, argv),
                            QSize(px(MainWindow::kOuterWidthTwips), px(MainWindow::kOuterHeightTwips)));
        break;
    }
    bool ok = false;
    double desktop = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    if (!ok || desktop <= 0)
        desktop = 1;
    if (scale != 1)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(desktop * scale));
    return scale;
}

} // namespace duplikon
