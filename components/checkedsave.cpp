// SPDX-License-Identifier: MIT
#include "components/checkedsave.h"

#include <QSaveFile>

bool commitChecked(QSaveFile &file)
{
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit() && file.error() == QFileDevice::NoError;
}
