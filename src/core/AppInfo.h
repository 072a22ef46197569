#pragma once

#include <QString>

/// Fixed facts about the program that several layers show or use.
namespace AppInfo {

inline const QString productName = QStringLiteral("Quillmere");
inline const QString organizationName = QStringLiteral("Veltrask");
inline const QString homePage = QStringLiteral("https://veltrask.example/");
inline const QString supportEmail = QStringLiteral("support@veltrask.example");

}  // namespace AppInfo
