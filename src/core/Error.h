#pragma once

#include <QString>

#include <exception>
#include <string>

/**
 * The program's one failure type: a number and a description.
 *
 * Routines raise it; only the four button handlers of Form1 catch it.
 */
class Error : public std::exception {
public:
    /// Numbers that callers tell apart.
    enum Number : int {
        OutOfMemory = 7,
        Internal = 51,  ///< a failure the program did not foresee
        FileNotFound = 53,
        FileAccess = 75,
        InvalidPicture = 481,
        InvalidFormat = 321,  ///< a file that is not what it should be
        ImageSave = 5,
        Cancel = 32755,  ///< the user cancelled a file dialog
        WriteFailed = 32756,
    };

    Error(int number, QString description);

    int number() const noexcept { return m_number; }
    const QString& description() const noexcept { return m_description; }
    bool isCancel() const noexcept { return m_number == Cancel; }

    const char* what() const noexcept override { return m_what.c_str(); }

private:
    int m_number;
    QString m_description;
    std::string m_what;
};
