#include "decimal_comma_locale.h"

#include <QFileInfo>

#include <clocale>
#include <cstdlib>
#include <langinfo.h>
#include <string_view>

namespace {

constexpr const char* kName = "de_DE.UTF-8";

} // namespace

DecimalCommaLocale::DecimalCommaLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
    if (take() || !build()) return;
    // LOCPATH only while the built locale loads: with it set, the C library
    // finds no other locale, so the one before could not come back. (The
    // process is put under it with setlocale alone: newlocale leaks under
    // LOCPATH.)
    const char* const path = std::getenv("LOCPATH");
    const std::string oldPath = path ? path : "";
    setenv("LOCPATH", folder_.path().toLocal8Bit().constData(), 1);
    if (!take()) why_ = "the de_DE.UTF-8 that localedef built does not load with a decimal comma";
    if (path)
        setenv("LOCPATH", oldPath.c_str(), 1);
    else
        unsetenv("LOCPATH");
}

DecimalCommaLocale::~DecimalCommaLocale() {
    if (active_) std::setlocale(LC_ALL, previous_.c_str());
}

bool DecimalCommaLocale::take() {
    if (std::setlocale(LC_ALL, kName) == nullptr) return false;
    active_ = std::string_view(nl_langinfo(RADIXCHAR)) == ",";
    if (!active_) std::setlocale(LC_ALL, previous_.c_str());
    return active_;
}

bool DecimalCommaLocale::build() {
    if (!folder_.isValid()) {
        why_ = "no temporary folder to build a decimal-comma locale in";
        return false;
    }
    const std::string command = "localedef -i de_DE -f UTF-8 '" +
                                folder_.filePath(kName).toStdString() + "' >/dev/null 2>&1";
    // localedef reports warnings through its exit status too: whether the
    // locale loads decides.
    if (std::system(command.c_str()) == -1 || !QFileInfo::exists(folder_.filePath(kName))) {
        why_ = "no decimal-comma locale: de_DE.UTF-8 is not installed and localedef could not "
               "build it (install Debian's locales package)";
        return false;
    }
    return true;
}
