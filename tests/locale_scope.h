#pragma once

#include <QLocale>
#include <QString>

// Switches the user's locale for one test case and restores it afterwards.
class LocaleScope {
public:
    explicit LocaleScope(const QString &name)
        : m_saved(QLocale())
    {
        QLocale::setDefault(QLocale(name));
    }
    ~LocaleScope() { QLocale::setDefault(m_saved); }
    LocaleScope(const LocaleScope &) = delete;
    LocaleScope &operator=(const LocaleScope &) = delete;

private:
    QLocale m_saved;
};
