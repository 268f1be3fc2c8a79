// SPDX-License-Identifier: MIT
#include "record/graceperiod.h"

#include "components/programsettings.h"

#include <algorithm>
#include <iterator>

namespace GracePeriod {

namespace {

const QString SettingsKey = QStringLiteral("record/graceSeconds");

bool known(int seconds)
{
    return std::any_of(std::begin(Choices), std::end(Choices),
                       [seconds](const Choice &c) { return c.seconds == seconds; });
}

} // namespace

int currentSeconds()
{
    bool ok = false;
    const int seconds = ProgramSettings().value(SettingsKey, int(DefaultSeconds)).toInt(&ok);
    // A hand-edited or foreign value is not a grace period the menu offers.
    return ok && known(seconds) ? seconds : DefaultSeconds;
}

void setCurrentSeconds(int seconds)
{
    if (known(seconds))
        ProgramSettings().setValue(SettingsKey, seconds);
}

} // namespace GracePeriod
