#pragma once

#include <QString>

namespace Version {

inline const QString ProductName = QStringLiteral("LecternWorksTimer-1");
inline const QString InternalName = ProductName;
inline const QString FileVersion = QStringLiteral("1.00");
inline const QString ProductVersion = FileVersion;

} // namespace Version
