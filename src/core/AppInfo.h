#pragma once

#include <QString>

/// Fixed facts about the program that several layers show or use.
namespace AppInfo {

inline const QString productName = QStringLiteral("Quillmere");
inline const QString version = QStringLiteral(QUILLMERE_VERSION);
inline const QString organizationName = QStringLiteral("Veltrask");
/// Reverse domain of the home page: the desktop entry's and icons' name.
inline const QString applicationId = QStringLiteral("example.veltrask.Quillmere");
inline const QString homePage = QStringLiteral("https://veltrask.example/");
inline const QString supportEmail = QStringLiteral("support@veltrask.example");

}  // namespace AppInfo
