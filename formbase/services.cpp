// SPDX-License-Identifier: GPL-3.0-or-later
#include "services.h"

#include <QCoreApplication>

namespace asterine {

QString applicationTitle() {
    return QCoreApplication::translate("asterine", "Asterine");
}

}  // namespace asterine
