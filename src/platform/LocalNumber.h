// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLocale>
#include <QString>

namespace duplikon {

// A count as the application's language writes its digits, without a
// thousands separator: German shows "1000", as it always has.
inline QString localNumber(qint64 n)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(n);
}

} // namespace duplikon
