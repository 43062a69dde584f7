// A user's locale whose decimal mark is a comma, put on the whole process as
// Qt does from the environment when the program starts.
#pragma once

#include <QTemporaryDir>

#include <string>

// For its life the process runs under de_DE.UTF-8: the installed one, or
// else one built with localedef into a folder of its own (Debian's locales
// package holds the sources); afterwards under the locale it had before.
// When neither can be had, nothing changes and why() tells the reason.
class DecimalCommaLocale {
  public:
    DecimalCommaLocale();
    ~DecimalCommaLocale();
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

    bool active() const { return active_; }
    const std::string& why() const { return why_; }

  private:
    // Puts the process under the locale when it loads with a decimal comma.
    bool take();
    bool build();

    QTemporaryDir folder_;
    std::string previous_;
    std::string why_;
    bool active_ = false;
};
