#pragma once

#include "app/Startup.h"

#include <QFileInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

/// The program's language for a test: the default locale, then Qt's texts
/// and ours loaded as the program loads them at start, from the program
/// folder. All of it undone at the end of the scope.
class ScopedLanguage {
public:
    explicit ScopedLanguage(const QLocale& locale)
    {
        QLocale::setDefault(locale);
        m_qt.reset(Startup::loadQtTranslations());
        m_ours.reset(Startup::loadTranslations(QFileInfo(QStringLiteral(QUILLMERE_PROGRAM)).absolutePath()));
    }
    ~ScopedLanguage()
    {
        m_ours.reset();
        m_qt.reset();
        QLocale::setDefault(m_before);
    }
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;

    bool translated() const { return m_ours != nullptr; }

private:
    const QLocale m_before;
    std::unique_ptr<QTranslator> m_qt;
    std::unique_ptr<QTranslator> m_ours;
};
